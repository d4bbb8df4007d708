// The JSON value tree shared by every reader and writer in the installer.
#ifndef BASE_JSON_VALUE_H_
#define BASE_JSON_VALUE_H_

#include <nlohmann/json.hpp>

namespace base {

// Objects keep their members in key order.
using JsonValue = nlohmann::json;

}  // namespace base

#endif  // BASE_JSON_VALUE_H_
