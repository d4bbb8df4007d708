// Reads JSON text into a value tree. Strict JSON plus what configuration files
// written by hand and by the vendor's tools contain: comments ("//" to the end
// of the line, and "/* */"), "\xHH" escapes and raw line breaks inside
// strings. Trailing commas, other control characters, invalid UTF-8 and
// nesting deeper than 200 levels are errors.
#ifndef BASE_JSON_READER_H_
#define BASE_JSON_READER_H_

#include <string>
#include <string_view>

#include "base/json_value.h"

namespace base {

constexpr int kJsonMaxDepth = 200;

// False on a syntax error, with a message naming the line and column.
bool ReadJson(std::string_view text, JsonValue* value, std::string* error_message);

// Follows a dotted path ("languages.interface") through nested objects; null
// when any step is missing or not an object.
const JsonValue* FindJsonPath(const JsonValue& root, std::string_view dotted_path);

// As FindJsonPath; a path beginning with "install." that is absent is looked
// up again without that prefix at the top level.
const JsonValue* FindConfigValue(const JsonValue& root, std::string_view dotted_path);

// Compact text: no white space anywhere. False when a string is not valid
// UTF-8 (nothing is written then).
bool WriteJsonCompact(const JsonValue& value, std::string* text);
// Indented by three blanks per level, as the vendor's own files are.
bool WriteJsonIndented(const JsonValue& value, std::string* text);

}  // namespace base

#endif  // BASE_JSON_READER_H_
