// lite-tag: shows and writes the distribution tags of a signed installer.
//
//   lite-tag show FILE
//   lite-tag set --cert TAG FILE [OUT]
//   lite-tag set --appended TAG FILE [OUT]
#include <cstdio>
#include <string>

#include "installer/lite_installer/config/distrib_info_params.h"
#include "installer/lite_installer/config/distrib_tag.h"
#include "tools/common/file_io.h"
#include "tools/tag/tag_writer.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: lite-tag show FILE\n"
               "       lite-tag set --cert|--appended TAG FILE [OUT]\n"
               "Tags are key=value items joined by '&'. --cert puts the tag into a dummy\n"
               "certificate inside the signature's certificate set; --appended writes a\n"
               "\"Vact\" block after the certificate table entry. Both keep the signature\n"
               "valid. OUT defaults to FILE.\n");
  return 2;
}

void PrintParams(const std::string& tag) {
  DistribParamMap params;
  ParseDistribParams(tag, &params);
  for (const auto& [key, value] : params)
    std::printf("  %s = %s\n", key.c_str(), value.c_str());
}

int Show(const std::string& path) {
  std::string file;
  if (!tools::ReadFile(path, &file)) {
    std::fprintf(stderr, "lite-tag: cannot read %s\n", path.c_str());
    return 1;
  }
  std::string tag;
  switch (install_util::FindFakeCertificateTag(file, &tag)) {
    case install_util::TagSearchResult::kNoCertificateTable:
      std::printf("certificate tag: none (no certificate table)\n");
      break;
    case install_util::TagSearchResult::kInvalidAsn1:
      std::printf("certificate tag: none (malformed certificate table)\n");
      break;
    case install_util::TagSearchResult::kFound:
      if (tag.empty()) {
        std::printf("certificate tag: none\n");
      } else {
        std::printf("certificate tag: %s\n", tag.c_str());
        PrintParams(tag);
      }
      break;
  }
  const std::string appended = install_util::FindAppendedTag(file);
  if (appended.empty()) {
    std::printf("appended tag: none\n");
  } else {
    std::printf("appended tag: %s\n", appended.c_str());
    PrintParams(appended);
  }
  return 0;
}

int Set(const std::string& mode,
        const std::string& tag,
        const std::string& in,
        const std::string& out) {
  std::string error;
  if (!tag_tool::IsAcceptableTag(tag, &error)) {
    std::fprintf(stderr, "lite-tag: refused: %s\n", error.c_str());
    return 1;
  }
  std::string file;
  if (!tools::ReadFile(in, &file)) {
    std::fprintf(stderr, "lite-tag: cannot read %s\n", in.c_str());
    return 1;
  }
  const bool ok = mode == "--cert" ? tag_tool::SetCertificateTag(&file, tag, &error)
                                   : tag_tool::SetAppendedTag(&file, tag, &error);
  if (!ok) {
    std::fprintf(stderr, "lite-tag: %s: %s\n", in.c_str(), error.c_str());
    return 1;
  }
  if (!tools::WriteFile(out, file)) {
    std::fprintf(stderr, "lite-tag: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "show")
    return Show(argv[2]);
  if ((argc == 5 || argc == 6) && std::string(argv[1]) == "set") {
    const std::string mode = argv[2];
    if (mode != "--cert" && mode != "--appended")
      return Usage();
    return Set(mode, argv[3], argv[4], argc == 6 ? argv[5] : argv[4]);
  }
  return Usage();
}
