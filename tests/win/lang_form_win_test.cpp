#include <gtest/gtest.h>

#include "app/main_form_layout.h"
#include "app/main_form_translation.h"
#include "l10n/language_manager.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_session.h"
#include "ui/layout.h"
#include "ui/translation/language_controller.h"

namespace zt {
namespace {

int CountEntries(const ui::TDKLang_CompEntry& entry) {
  int count = entry.PropEntries() ? entry.PropEntries()->Count() : 0;
  if (const ui::TDKLang_CompEntries* children = entry.OwnedCompEntries())
    for (int i = 0; i < children->Count(); ++i) count += CountEntries(children->Item(i));
  return count;
}

// The main window's stored entries travel as an RCDATA resource of the
// module (this binary carries the same one as zentory.exe), and every one
// of them names a property of the window's layout.
TEST(LangFormResource, TheMainWindowGetsItsEntriesFromTheModule) {
  platform::Win32Files files;
  platform::Win32Session session;
  TDKLanguageManager manager(files, session);
  ui::Form form;
  ui::layout::Build(form, MainFormLayout());
  auto& controller = ui::AttachLanguageController(form, manager, files, kMainFormIgnoreList);

  auto stored = files.ModuleRcData(L"LANGDATA_MAINFORM");
  ASSERT_TRUE(stored.has_value());
  ui::TDKLang_CompEntry entries;
  entries.LoadFromDFMResource(*stored);
  EXPECT_GT(CountEntries(entries), 0);
  EXPECT_EQ(CountEntries(controller.RootCompEntry()), CountEntries(entries));
  EXPECT_EQ(form.Find<ui::Button>(L"Apply").Caption(), L"Apply");
}

}  // namespace
}  // namespace zt
