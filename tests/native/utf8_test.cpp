#include <gtest/gtest.h>

#include <string>

#include "base/utf8.h"

namespace {

TEST(Utf8, RoundTripsAllPlanes) {
  std::wstring text = L"A\u00e9\u0416\u20ac\U0001F600z";
  std::string bytes = zt::ToUtf8(text);
  EXPECT_EQ(bytes, "A\xC3\xA9\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80z");
  std::wstring back;
  std::size_t offset = 0;
  ASSERT_TRUE(zt::FromUtf8(bytes, back, offset));
  EXPECT_EQ(back, text);
}

TEST(Utf8, LoneSurrogateEncodesAsReplacement) {
  std::wstring text = L"a";
  text.push_back(static_cast<wchar_t>(0xD800));
  text += L"b";
  EXPECT_EQ(zt::ToUtf8(text),
            "a\xEF\xBF\xBD"
            "b");
}

TEST(Utf8, RejectsMalformedInput) {
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t offset;
  } cases[] = {
      {"lone continuation", "ab\x80", 2},
      {"overlong slash", "\xC0\xAF", 0},
      {"overlong three bytes", "x\xE0\x80\xAF", 1},
      {"surrogate", "\xED\xA0\x80", 0},
      {"above U+10FFFF", "\xF4\x90\x80\x80", 0},
      {"five-byte lead", "\xF8\x88\x80\x80\x80", 0},
      {"cut at end", "ok\xE2\x82", 2},
      {"bad continuation", "\xE2\x28\xA1", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::wstring out;
    std::size_t offset = 99;
    EXPECT_FALSE(zt::FromUtf8(c.bytes, out, offset));
    EXPECT_EQ(offset, c.offset);
  }
}

}  // namespace
