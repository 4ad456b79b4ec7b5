#include <gtest/gtest.h>

#include "base/utf16.h"

TEST(Utf16, RoundTripsAstralCharacters) {
  std::wstring text = L"a\U0001F600b";
  auto bytes = zt::ToUtf16LeBytes(text);
  EXPECT_EQ(bytes.size(), 8u);
  EXPECT_EQ(zt::FromUtf16LeBytes(bytes.data(), bytes.size()), text);
}
