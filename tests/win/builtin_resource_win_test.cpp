#include <gtest/gtest.h>

#include "l10n/dklang_constants.h"
#include "platform/win32/win32_files.h"

namespace zt {
namespace {

// The built-in texts travel as an RCDATA resource of the module; this binary
// carries the same resource as zentory.exe.
TEST(BuiltinConstantsResource, LoadsFromTheModule) {
  platform::Win32Files files;
  TDKLang_Constants table;
  ASSERT_TRUE(table.LoadFromResource(files, L"DKLANG_CONSTS"));
  EXPECT_EQ(table.Count(), 175);
  EXPECT_EQ(table.LangConst(L"td_save_changes"), L"Do you want to apply changed settings?");
}

TEST(BuiltinConstantsResource, AMissingResourceChangesNothing) {
  platform::Win32Files files;
  TDKLang_Constants table;
  EXPECT_FALSE(table.LoadFromResource(files, L"NO_SUCH_RESOURCE"));
  EXPECT_EQ(table.Count(), 0);
}

}  // namespace
}  // namespace zt
