#include "installer/lite_installer/config/brand_info.h"

#include "base/strings.h"
#include "installer/service_origins.h"

namespace {

struct LanguageRow {
  const char* code;
  uint16_t language_id;
};

constexpr LanguageRow kLanguages[] = {
    {"ru", 1049}, {"uk", 1058},    {"tr", 1055},    {"de", 1031},    {"es", 3082},
    {"fr", 1036}, {"it", 1040},    {"ja", 1041},    {"kk", 1087},    {"uz", 1091},
    {"cs", 1029}, {"pt-PT", 2070}, {"pt-BR", 1046}, {"zh-CN", 2052}, {"zh-TW", 1028},
};

struct AutodetectRow {
  const char* region;  // empty matches anything
  const char* locale;
  const char* brand;
};

constexpr AutodetectRow kAutodetectBrandTable[] = {
    {"RU", "uk", "ua_uk"}, {"RU", "", "velnor"}, {"UA", "ru", "ua_ru"}, {"UA", "", "ua_uk"},
    {"TR", "", "tb"},      {"", "ru", "velnor"}, {"", "uk", "ua_uk"},   {"", "tr", "tb"},
};

}  // namespace

uint16_t LanguageIdFromCode(std::string_view code) {
  for (const LanguageRow& row : kLanguages) {
    if (code == row.code)
      return row.language_id;
  }
  return kLanguageIdEnglish;
}

std::string LanguageCodeFromLanguageId(uint16_t language_id) {
  for (const LanguageRow& row : kLanguages) {
    if (row.language_id == language_id)
      return row.code;
  }
  return "en";
}

void ParseTestId(std::string_view text, TestIdList* list) {
  std::vector<std::string> parts;
  size_t begin = 0;
  for (;;) {
    const size_t slash = text.find('/', begin);
    const std::string_view part = base::TrimWhitespace(text.substr(begin, slash - begin));
    if (!part.empty())
      parts.emplace_back(part);
    if (slash == std::string_view::npos)
      break;
    begin = slash + 1;
  }
  if (parts.empty() || parts.size() > 2)
    return;
  std::string value = parts.size() == 2 && parts[1] != "-1" ? parts[1] : std::string();
  list->emplace_back(parts[0], std::move(value));
}

bool AutodetectBrandFor(std::string_view region, std::string_view locale, std::string* brand) {
  for (const AutodetectRow& row : kAutodetectBrandTable) {
    const bool region_matches = !*row.region || region == row.region;
    const bool locale_matches = !*row.locale || locale == row.locale;
    if (region_matches && locale_matches) {
      *brand = row.brand;
      return true;
    }
  }
  return false;
}

std::string AppendBrandQuery(std::string url, const BrandInfo& info, std::string_view uid) {
  const std::pair<const char*, std::string_view> parameters[] = {
      {"brand", info.brand_id},
      {"partner", info.partner_id},
      {"uid", uid},
      {"version", installer::kInstallerVersion},
  };
  for (const auto& [name, value] : parameters) {
    if (value.empty())
      continue;
    url += url.find('?') == std::string::npos ? '?' : '&';
    url += name;
    url += '=';
    url += value;
  }
  return url;
}
