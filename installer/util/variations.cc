#include "installer/util/variations.h"

#include "base/base64.h"
#include "base/json_reader.h"

namespace installer {

std::string VariationsFileText(const VariationsSeed& seed) {
  base::JsonValue object = base::JsonValue::object();
  object["variations_country"] = seed.country;
  object["variations_last_modified_time"] = seed.last_modified;
  object["variations_seed_base64"] = base::Base64Encode(seed.body);
  object["variations_seed_signature"] = seed.signature;
  std::string text;
  // Header texts that are not UTF-8 are replaced rather than lost with the seed.
  if (!base::WriteJsonIndented(object, &text))
    text = object.dump(3, ' ', false, base::JsonValue::error_handler_t::replace);
  return text;
}

}  // namespace installer
