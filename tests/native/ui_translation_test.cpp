// Translatable string properties: walking a window and setting them by path.
#include <gtest/gtest.h>

#include <map>

#include "ui/layout.h"

namespace zt::ui {
namespace {

namespace L = layout;

// Full name (component path, ".", property path) -> property, for every
// named component owned by `root`'s tree, as a translation layer walks it.
void Walk(Component& component, const std::wstring& path, std::map<std::wstring, StringProperty>& out) {
  for (StringProperty& property : component.StringProperties()) out[path + L"." + property.path] = property;
  for (Component* owned : component.Components()) {
    if (owned->Name().empty()) continue;
    Walk(*owned, path.empty() ? owned->Name() : path + L"." + owned->Name(), out);
  }
}

std::map<std::wstring, StringProperty> Properties(Form& form) {
  std::map<std::wstring, StringProperty> all;
  Walk(form, L"", all);
  return all;
}

L::Form TranslatableWindow() {
  return L::Form{
      .name = L"SRBox",
      .caption = L"System Protection",
      .children =
          {
              L::ComboBox{.name = L"ErrorReportMode",
                          .items = {L"Ask at data sending", L"Send basic data", L"Never send data"},
                          .itemIndex = 2},
              L::ListView{
                  .name = L"ListStartUp",
                  .checkboxes = true,
                  .columns = {{.Caption = L"Name", .Width = 354}, {.Caption = L"Path", .Width = 330}}},
              L::Edit{.name = L"SRDescription", .text = L"Before tweaking", .hint = L"Type a description"},
              L::Memo{.name = L"MessageText", .text = L"line 1\r\nline 2"},
              L::TaskDialog{.name = L"TD",
                            .caption = L"Welcome",
                            .title = L"Welcome to Zentory 3.1 ",
                            .text = L"Strongly recommended to create a system restore point.",
                            .expandedText = L"You can use restore points to undo unwanted system changes.",
                            .footerText = L"Open <a href=\"\">System Protection</a> in Control Panel",
                            .verificationText = L"Show this dialog at startup",
                            .buttons = {{.Caption = L"Create a restore point right now (recommended)"},
                                        {.Caption = L"Continue without creation"}}},
              L::OpenDialog{.name = L"OpenDialogCmd",
                            .title = L"Choose",
                            .fileTypes = {{.DisplayName = L"Executable files",
                                           .FileMask = L"*.exe;*.com;*.bat;*.cmd"}}},
              L::TrayIcon{.name = L"TrayIcon", .hint = L"Zentory Assistant"},
              L::PopupMenu{.name = L"PopupMenu", .items = {{.name = L"Quit", .caption = L"Exit"}}},
          },
  };
}

TEST(UiTranslation, EveryTranslatablePropertyIsListedByPath) {
  Form form;
  L::Build(form, TranslatableWindow());
  auto props = Properties(form);
  const std::pair<const wchar_t*, const wchar_t*> expected[] = {
      {L".Caption", L"System Protection"},
      {L"ErrorReportMode.Items", L"Ask at data sending\r\nSend basic data\r\nNever send data\r\n"},
      {L"ListStartUp.Columns[0].Caption", L"Name"},
      {L"ListStartUp.Columns[1].Caption", L"Path"},
      {L"SRDescription.Text", L"Before tweaking"},
      {L"SRDescription.Hint", L"Type a description"},
      {L"MessageText.Lines", L"line 1\r\nline 2"},
      {L"TD.Caption", L"Welcome"},
      {L"TD.Title", L"Welcome to Zentory 3.1 "},
      {L"TD.ExpandedText", L"You can use restore points to undo unwanted system changes."},
      {L"TD.FooterText", L"Open <a href=\"\">System Protection</a> in Control Panel"},
      {L"TD.VerificationText", L"Show this dialog at startup"},
      {L"TD.Buttons[1].Caption", L"Continue without creation"},
      {L"OpenDialogCmd.FileTypes[0].DisplayName", L"Executable files"},
      {L"OpenDialogCmd.FileTypes[0].FileMask", L"*.exe;*.com;*.bat;*.cmd"},
      {L"OpenDialogCmd.Title", L"Choose"},
      {L"TrayIcon.Hint", L"Zentory Assistant"},
      {L"Quit.Caption", L"Exit"},
  };
  for (const auto& [path, value] : expected) {
    SCOPED_TRACE(std::wstring(path));
    ASSERT_TRUE(props.count(path));
    EXPECT_EQ(props[path].get(), value);
  }
  EXPECT_FALSE(props.count(L"ErrorReportMode.Text")) << "a drop-down list has no text of its own";
}

TEST(UiTranslation, SettingByPathActsLikeTheSetterAndRoundTrips) {
  Form form;
  L::Build(form, TranslatableWindow());
  auto& combo = form.Find<ComboBox>(L"ErrorReportMode");
  auto& edit = form.Find<Edit>(L"SRDescription");
  int editChanges = 0;
  edit.OnChange = [&] { ++editChanges; };

  auto props = Properties(form);
  std::map<std::wstring, std::wstring> builtIn;
  for (auto& [path, property] : props) builtIn[path] = property.get();

  // To another language: every text marked.
  for (auto& [path, property] : props) property.set(L"<" + builtIn[path] + L">");
  EXPECT_EQ(form.Caption(), L"<System Protection>");
  EXPECT_EQ(combo.Items().Count(), 4) << "the marked text ends in an extra line";
  props[L"ErrorReportMode.Items"].set(L"Fragen\nBasisdaten\nNie senden");
  EXPECT_EQ(combo.Items().Count(), 3);
  EXPECT_EQ(combo.ItemIndex(), 2) << "the choice survives the translation";
  EXPECT_EQ(combo.Text(), L"Nie senden");
  EXPECT_EQ(form.Find<TaskDialog>(L"TD").Buttons()[0].Caption,
            L"<Create a restore point right now (recommended)>");
  EXPECT_EQ(form.Find<ListView>(L"ListStartUp").Column(1).Caption, L"<Path>");
  EXPECT_EQ(editChanges, 1) << "setting Text by path fires OnChange as the setter does";

  // And back.
  for (auto& [path, property] : props) property.set(builtIn[path]);
  for (auto& [path, property] : Properties(form)) {
    SCOPED_TRACE(path);
    EXPECT_EQ(property.get(), builtIn[path]);
  }
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(combo.Text(), L"Never send data");
  EXPECT_EQ(form.Find<Memo>(L"MessageText").Lines().Count(), 2);
}

}  // namespace
}  // namespace zt::ui
