#include "base/json_reader.h"

#include <gtest/gtest.h>

namespace base {
namespace {

JsonValue Read(std::string_view text) {
  JsonValue value;
  std::string error;
  EXPECT_TRUE(ReadJson(text, &value, &error)) << text << ": " << error;
  return value;
}

TEST(JsonReaderTest, AcceptsStrictJsonAndItsExtensions) {
  struct Case {
    const char* text;
    const char* compact;  // the value written back compactly
  } cases[] = {
      {R"({"a": [1, -2, 3.5, 1e3, true, false, null, "x"]})",
       R"({"a":[1,-2,3.5,1000.0,true,false,null,"x"]})"},
      {"// signature line\r\n{\"a\": 1}", R"({"a":1})"},
      {"{/* block */\"a\": /* inside */ 1 // tail\n}", R"({"a":1})"},
      {R"({"s": "\x41\x7a\xe9"})", "{\"s\":\"Az\xC3\xA9\"}"},
      {"{\"s\": \"line\r\nbreak\"}", R"({"s":"line\r\nbreak"})"},
      {R"({"s": "\u00e9\ud83d\ude00\/\b\f\n\r\t\"\\"})",
       "{\"s\":\"\xC3\xA9\xF0\x9F\x98\x80/\\b\\f\\n\\r\\t\\\"\\\\\"}"},
      {R"({"s": "\ud800x"})", "{\"s\":\"\xEF\xBF\xBDx\"}"},
      {"{\"s\": \"\xD0\xBF\xD1\x80\xD0\xB8\"}", "{\"s\":\"\xD0\xBF\xD1\x80\xD0\xB8\"}"},
      {R"({"a": 1, "a": 2})", R"({"a":2})"},
      {"  [ ]  ", "[]"},
      {"\"top\"", "\"top\""},
      {"-0", "0"},
      {"12345678901234567890", "1.2345678901234567e+19"},
  };
  for (const Case& c : cases) {
    std::string text;
    ASSERT_TRUE(WriteJsonCompact(Read(c.text), &text)) << c.text;
    EXPECT_EQ(text, c.compact) << c.text;
  }
}

TEST(JsonReaderTest, RejectsWithAMessage) {
  const char* cases[] = {
      R"({"a": 1,})",
      R"([1, 2,])",
      "{\"s\": \"tab\there\"}",
      "{\"s\": \"\x01\"}",
      "{\"s\": \"\xC3\"}",
      "{\"s\": \"\xC0\xAF\"}",
      "{\"s\": \"\xED\xA0\x80\"}",
      "{\"s\": \"\xFF\"}",
      R"({"s": "\q"})",
      R"({"s": "\x4"})",
      R"({"s": "\u12G4"})",
      R"({"a" 1})",
      R"({a: 1})",
      "{\"a\": 1} extra",
      "{\"a\": 1 /* open",
      "{\"a\": 1 / 2}",
      "",
      "   ",
      "01",
      "1.",
      "-",
      "1e",
      "tru",
      "nul",
      "\"unterminated",
      "{\"a\": [1, 2}",
      "[1 2]",
      "bare_base64_line==\r\n{\"a\": 1}",
  };
  for (const char* text : cases) {
    JsonValue value = 7;
    std::string error;
    EXPECT_FALSE(ReadJson(text, &value, &error)) << text;
    EXPECT_EQ(error.rfind("Line: ", 0), 0u) << text << ": " << error;
    EXPECT_EQ(value, 7) << "the output is untouched on failure";
  }
}

TEST(JsonReaderTest, ErrorNamesLineAndColumn) {
  JsonValue value;
  std::string error;
  ASSERT_FALSE(ReadJson("{\n  \"a\": 1,\n}", &value, &error));
  EXPECT_EQ(error, "Line: 3, column: 1, trailing comma");
}

TEST(JsonReaderTest, NestingLimit) {
  const std::string ok = std::string(200, '[') + std::string(200, ']');
  const std::string deep = std::string(201, '[') + std::string(201, ']');
  JsonValue value;
  std::string error;
  EXPECT_TRUE(ReadJson(ok, &value, &error)) << error;
  EXPECT_FALSE(ReadJson(deep, &value, &error));
  EXPECT_NE(error.find("too much nesting"), std::string::npos);
  // Far deeper input fails the same way, without exhausting the stack.
  EXPECT_FALSE(ReadJson(std::string(100000, '['), &value, &error));
}

TEST(JsonReaderTest, DottedPathsAndInstallFallback) {
  const JsonValue root = Read(R"({
    "install": {"setup_url": "nested", "pin": null},
    "setup_url": "top",
    "scenarios_url": "top only",
    "languages": {"interface": "ru"},
    "pin": true
  })");
  EXPECT_EQ(*FindJsonPath(root, "languages.interface"), "ru");
  EXPECT_EQ(FindJsonPath(root, "languages.interface.more"), nullptr);
  EXPECT_EQ(FindJsonPath(root, "languages.missing"), nullptr);
  EXPECT_EQ(*FindConfigValue(root, "install.setup_url"), "nested");
  EXPECT_EQ(*FindConfigValue(root, "install.scenarios_url"), "top only");
  EXPECT_TRUE(FindConfigValue(root, "install.pin")->is_null());
  EXPECT_EQ(FindConfigValue(root, "urls.variations"), nullptr);
  EXPECT_EQ(FindConfigValue(root, "install.absent"), nullptr);
}

TEST(JsonWriterTest, CompactIndentedAndInvalidUtf8) {
  JsonValue value = JsonValue::object();
  value["b"] = "2";
  value["a"] = "q\"uote";
  std::string text;
  ASSERT_TRUE(WriteJsonCompact(value, &text));
  EXPECT_EQ(text, R"({"a":"q\"uote","b":"2"})");
  ASSERT_TRUE(WriteJsonIndented(value, &text));
  EXPECT_EQ(text, "{\n   \"a\": \"q\\\"uote\",\n   \"b\": \"2\"\n}");
  value["c"] = "\xE9";
  text = "unchanged";
  EXPECT_FALSE(WriteJsonCompact(value, &text));
  EXPECT_EQ(text, "unchanged");
}

}  // namespace
}  // namespace base
