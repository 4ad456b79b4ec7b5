// Translating windows through the language manager: the main window with
// its committed IDs, and a small window with every kind of translatable
// property.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form_layout.h"
#include "app/main_form_translation.h"
#include "base/utf16.h"
#include "base/utf8.h"
#include "l10n/builtin_constants.h"
#include "l10n/dklang_error.h"
#include "l10n/lang_file.h"
#include "l10n/language_manager.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_session.h"
#include "ui/kinds.h"
#include "ui/layout.h"
#include "ui/translation/builtin_lang_data.h"
#include "ui/translation/language_controller.h"

namespace zt::ui {
namespace {

namespace L = layout;

const std::wstring kDir = L"C:\\Program Files\\Zentory";

// Every string property of the window by full name, as the translation
// walks them.
void Walk(Component& component, const std::wstring& path, std::map<std::wstring, std::wstring>& out) {
  for (const StringProperty& property : component.StringProperties())
    out[path + L"." + property.path] = property.get();
  for (Component* owned : component.Components())
    if (!owned->Name().empty()) Walk(*owned, path.empty() ? owned->Name() : path + L"." + owned->Name(), out);
}

std::map<std::wstring, std::wstring> Texts(Form& form) {
  std::map<std::wstring, std::wstring> texts;
  Walk(form, L"", texts);
  return texts;
}

struct Recorded {
  std::wstring fullName;
  std::int32_t id;
};

void Collect(const TDKLang_CompEntry& entry, std::vector<Recorded>& out) {
  if (const TDKLang_PropEntries* props = entry.PropEntries())
    for (int i = 0; i < props->Count(); ++i)
      out.push_back({entry.Path() + L"." + props->Item(i).wsPropName, props->Item(i).iID});
  if (const TDKLang_CompEntries* children = entry.OwnedCompEntries())
    for (int i = 0; i < children->Count(); ++i) Collect(children->Item(i), out);
}

std::vector<Recorded> Entries(TDKLanguageController& controller) {
  std::vector<Recorded> all;
  Collect(controller.RootCompEntry(), all);
  return all;
}

std::int32_t IdOf(TDKLanguageController& controller, const std::wstring& fullName) {
  for (const Recorded& r : Entries(controller))
    if (r.fullName == fullName) return r.id;
  return 0;
}

class LangForm : public ::testing::Test {
 protected:
  LangForm() {
    auto builtin = BuiltinConstantsStream();
    files.rcData[L"DKLANG_CONSTS"] = {builtin.begin(), builtin.end()};
  }

  // A language file as the canonical writer makes it, in the program's folder.
  void AddLanguage(const std::wstring& fileName, std::uint16_t langId, const std::wstring& section,
                   const std::vector<std::pair<std::int32_t, std::wstring>>& texts) {
    TDKLang_CompTranslations file(session);
    file.Params().push_back({L"LANGID", std::to_wstring(langId)});
    TDKLang_CompTranslation& s = file.Add(section);
    for (const auto& [id, text] : texts) s.Add(id, text);
    files.files[kDir + L"\\" + fileName] = {file.Text_SaveToStream()};
  }

  void ScanLanguages() { manager.ScanForLangFiles(kDir, L"*.lng", false); }

  // The stored entries of `layout` as recorded when it was designed.
  void Design(const L::Form& layout, std::vector<std::wstring> ignore = {}) {
    Form form;
    L::Build(form, layout);
    TDKLang_CompEntry root;
    root.BindComponents(form);
    root.UpdateEntries(true, true, true, true, TDKLang_MaskList(std::move(ignore)), TDKLang_MaskList());
    files.rcData[LangDataResourceName(layout.name)] = root.SaveToDFMResource();
  }

  platform::FakeFiles files;
  platform::FakeSession session;
  TDKLanguageManager manager{files, session};
};

// --- The main window ---------------------------------------------------------

class LangFormMainWindow : public LangForm {
 protected:
  LangFormMainWindow() {
    auto langData = BuiltinLangData(L"MainForm");
    EXPECT_TRUE(langData.has_value());
    if (langData) files.rcData[L"LANGDATA_MAINFORM"] = {langData->begin(), langData->end()};
    L::Build(form, MainFormLayout());
  }

  Form form;
};

TEST_F(LangFormMainWindow, EveryCommittedEntryNamesAPropertyOfTheLayout) {
  auto& controller = AttachLanguageController(form, manager, files, kMainFormIgnoreList);
  TDKLang_CompEntry stored;
  stored.LoadFromDFMResource(*BuiltinLangData(L"MainForm"));
  std::vector<Recorded> all;
  Collect(stored, all);
  // Binding dropped nothing, and each entry captured its layout's text.
  EXPECT_EQ(Entries(controller).size(), all.size());
  auto texts = Texts(form);
  for (const Recorded& r : Entries(controller)) {
    SCOPED_TRACE(ToUtf8(r.fullName));
    ASSERT_TRUE(texts.contains(r.fullName));
    EXPECT_FALSE(texts[r.fullName].empty());
  }
  EXPECT_EQ(controller.ActualSectionName(), L"MainForm");
}

TEST_F(LangFormMainWindow, TranslatedAndBackShowsExactlyTheBuiltInTexts) {
  auto& controller = AttachLanguageController(form, manager, files, kMainFormIgnoreList);
  const auto builtIn = Texts(form);
  std::vector<std::pair<std::int32_t, std::wstring>> russian;
  for (const Recorded& r : Entries(controller))
    russian.push_back({r.id, L"Перевод " + std::to_wstring(r.id)});
  ASSERT_FALSE(russian.empty());
  AddLanguage(L"russian.lng", 1049, L"MainForm", russian);
  ScanLanguages();

  manager.SetLanguageID(1049);
  auto translated = Texts(form);
  std::map<std::wstring, std::wstring> expected = builtIn;
  for (const Recorded& r : Entries(controller)) expected[r.fullName] = L"Перевод " + std::to_wstring(r.id);
  EXPECT_EQ(translated, expected);
  EXPECT_EQ(form.Caption(), L"Zentory");  // ignored: the program's own

  manager.SetLanguageID(1033);
  EXPECT_EQ(Texts(form), builtIn);
}

// --- A window with every kind of translatable property ----------------------

L::Form SmallWindow() {
  return L::Form{
      .name = L"SRBox",
      .caption = L"System Protection",
      .children =
          {
              L::Label{.name = L"LabelOS", .caption = L"Windows"},
              L::ComboBox{.name = L"CrashMode", .items = {L"Ask", L"Send", L"Never"}, .itemIndex = 2},
              L::ListView{.name = L"ListStartUp", .columns = {{.Caption = L"Name"}, {.Caption = L"Path"}}},
              L::Frame{.name = L"MenuFrame",
                       .children = {L::SpeedButton{.name = L"System", .caption = L"System"},
                                    L::SpeedButton{.name = L"Security", .caption = L"Security"}}},
              L::TaskDialog{.name = L"TD",
                            .caption = L"Welcome",
                            .buttons = {{.Caption = L"Create a restore point"}, {.Caption = L"Continue"}}},
              L::OpenDialog{.name = L"OpenDialogCmd",
                            .title = L"Choose a program",
                            .fileTypes = {{.DisplayName = L"Programs", .FileMask = L"*.exe"}}},
          },
  };
}

class LangFormSmallWindow : public LangForm {
 protected:
  LangFormSmallWindow() {
    // LabelOS had a text when the window was designed, so it has an entry;
    // the window now leaves it to the program.
    Design(SmallWindow(), {L"OpenDialogCmd.FileTypes[0].FileMask"});
    form = std::make_unique<Form>();
    L::Build(*form, SmallWindow());
  }

  TDKLanguageController& Attach() {
    static constexpr std::wstring_view kIgnore[] = {L"LabelOS.Caption",
                                                    L"OpenDialogCmd.FileTypes[0].FileMask"};
    return AttachLanguageController(*form, manager, files, kIgnore);
  }

  std::unique_ptr<Form> form;
};

TEST_F(LangFormSmallWindow, ListsColumnsButtonsAndFileTypesAreTranslated) {
  auto& controller = Attach();
  AddLanguage(L"russian.lng", 1049, L"srbox",
              {{IdOf(controller, L"CrashMode.Items"), L"Спрашивать\r\nОтправлять\r\nНикогда\r\n"},
               {IdOf(controller, L"ListStartUp.Columns[1].Caption"), L"Путь"},
               {IdOf(controller, L"TD.Buttons[1].Caption"), L"Продолжить"},
               {IdOf(controller, L"OpenDialogCmd.FileTypes[0].DisplayName"), L"Программы"},
               {IdOf(controller, L"MenuFrame.System.Caption"), L"Система"}});
  // The item list is one entry of the file, its lines joined by "\n".
  auto bytes = files.files[kDir + L"\\russian.lng"].contents;
  std::wstring fileText = FromUtf16LeBytes(bytes.data() + 2, bytes.size() - 2);
  EXPECT_NE(fileText.find(L"=Спрашивать\\nОтправлять\\nНикогда\\n\r\n"), std::wstring::npos);
  ScanLanguages();

  manager.SetLanguageID(1049);
  auto& combo = form->Find<ComboBox>(L"CrashMode");
  ASSERT_EQ(combo.Items().Count(), 3);
  EXPECT_EQ(combo.Items()[0], L"Спрашивать");
  EXPECT_EQ(combo.Items()[2], L"Никогда");
  EXPECT_EQ(combo.ItemIndex(), 2);
  auto& list = form->Find<ListView>(L"ListStartUp");
  EXPECT_EQ(list.Column(0).Caption, L"Name");  // no text in the file: the built-in one
  EXPECT_EQ(list.Column(1).Caption, L"Путь");
  EXPECT_EQ(form->Find<TaskDialog>(L"TD").Buttons()[1].Caption, L"Продолжить");
  auto& dialog = form->Find<OpenDialog>(L"OpenDialogCmd");
  EXPECT_EQ(dialog.FileTypes()[0].DisplayName, L"Программы");
  EXPECT_EQ(dialog.FileTypes()[0].FileMask, L"*.exe");
  // The frame's component is reached through the frame's entry.
  EXPECT_EQ(form->Find<SpeedButton>(L"MenuFrame.System").Caption(), L"Система");
  EXPECT_EQ(form->Find<SpeedButton>(L"MenuFrame.Security").Caption(), L"Security");

  manager.SetLanguageID(1033);
  EXPECT_EQ(combo.Items()[0], L"Ask");
  EXPECT_EQ(list.Column(1).Caption, L"Path");
  EXPECT_EQ(form->Find<SpeedButton>(L"MenuFrame.System").Caption(), L"System");
}

// An ignored property that still has an entry captures no built-in text;
// it is left to the program rather than given the file's text, or an empty
// one when the file has none.
TEST_F(LangFormSmallWindow, AnIgnoredPropertyWithAnEntryIsNeverWritten) {
  auto& controller = Attach();
  std::int32_t labelId = IdOf(controller, L"LabelOS.Caption");
  ASSERT_NE(labelId, 0);
  form->Find<Label>(L"LabelOS").SetCaption(L"Windows 7 Ultimate 64 bit");
  AddLanguage(L"russian.lng", 1049, L"SRBox", {{labelId, L"Окна"}});
  AddLanguage(L"german.lng", 1031, L"SRBox", {});
  ScanLanguages();

  for (std::uint16_t langId : {1049, 1031, 1033}) {
    manager.SetLanguageID(langId);
    EXPECT_EQ(form->Find<Label>(L"LabelOS").Caption(), L"Windows 7 Ultimate 64 bit") << langId;
  }
}

TEST_F(LangFormSmallWindow, ComponentsMadeAtRunTimeAreNeverTranslated) {
  Attach();
  auto& late = form->Create<Label>(L"Late");
  late.SetCaption(L"Created later");
  auto& lateInFrame = form->Find<Frame>(L"MenuFrame").Create<SpeedButton>(L"Boost");
  lateInFrame.SetCaption(L"Boost");
  std::vector<std::pair<std::int32_t, std::wstring>> everyId;
  for (std::int32_t id = 1; id <= 40; ++id) everyId.push_back({id, L"Текст"});
  AddLanguage(L"russian.lng", 1049, L"SRBox", everyId);
  ScanLanguages();

  manager.SetLanguageID(1049);
  EXPECT_EQ(form->Caption(), L"Текст");
  EXPECT_EQ(late.Caption(), L"Created later");
  EXPECT_EQ(lateInFrame.Caption(), L"Boost");
}

TEST_F(LangFormSmallWindow, DestroyedComponentsTakeTheirEntriesAlong) {
  auto& controller = Attach();
  TDKLang_CompEntry& root = controller.RootCompEntry();
  auto& frame = form->Find<Frame>(L"MenuFrame");
  int frameEntry = root.OwnedCompEntries()->IndexOfCompName(L"MenuFrame");
  ASSERT_GE(frameEntry, 0);

  delete &form->Find<ComboBox>(L"CrashMode");
  delete &frame.Find<SpeedButton>(L"System");
  EXPECT_EQ(root.OwnedCompEntries()->IndexOfCompName(L"CrashMode"), -1);
  EXPECT_EQ(IdOf(controller, L"MenuFrame.System.Caption"), 0);
  EXPECT_NE(IdOf(controller, L"MenuFrame.Security.Caption"), 0);
  // The frame's last entry goes, and its list with it.
  delete &frame.Find<SpeedButton>(L"Security");
  frameEntry = root.OwnedCompEntries()->IndexOfCompName(L"MenuFrame");
  ASSERT_GE(frameEntry, 0);
  EXPECT_EQ(root.OwnedCompEntries()->Item(frameEntry).OwnedCompEntries(), nullptr);

  // A component removed from the window, but not destroyed, goes too.
  auto removed = form->RemoveComponent(form->Find<ListView>(L"ListStartUp"));
  EXPECT_EQ(root.OwnedCompEntries()->IndexOfCompName(L"ListStartUp"), -1);

  AddLanguage(L"russian.lng", 1049, L"SRBox", {{IdOf(controller, L"TD.Caption"), L"Добро пожаловать"}});
  ScanLanguages();
  manager.SetLanguageID(1049);
  EXPECT_EQ(form->Find<TaskDialog>(L"TD").Caption(), L"Добро пожаловать");
}

TEST_F(LangFormSmallWindow, AWindowMadeInAnotherLanguageIsTranslatedAtOnce) {
  AddLanguage(L"russian.lng", 1049, L"SRBox", {{1, L"Защита системы"}});
  ScanLanguages();
  manager.SetLanguageID(1049);
  std::vector<std::string> events;
  auto& controller = Attach();
  EXPECT_EQ(form->Caption(), L"Защита системы");
  EXPECT_EQ(IdOf(controller, L".Caption"), 1);

  controller.OnLanguageChanging = [&] { events.push_back("changing " + ToUtf8(form->Caption())); };
  controller.OnLanguageChanged = [&] { events.push_back("changed " + ToUtf8(form->Caption())); };
  manager.SetLanguageID(1033);
  EXPECT_EQ(events, (std::vector<std::string>{"changing Защита системы", "changed System Protection"}));

  // Gone with its window: later switches do not reach it.
  form.reset();
  manager.SetLanguageID(1049);
  EXPECT_EQ(manager.LanguageID(), 1049);
}

TEST_F(LangFormSmallWindow, SectionNameAndTheControllerItself) {
  auto& controller = Attach();
  EXPECT_EQ(controller.Owner(), form.get());
  EXPECT_EQ(controller.ActualSectionName(), L"SRBox");
  controller.SetSectionName(L"SystemRestore");
  EXPECT_EQ(controller.ActualSectionName(), L"SystemRestore");
  using enum TDKLanguageControllerOption;
  EXPECT_EQ(controller.Options(),
            TDKLanguageControllerOptions({dklcoAutoSaveLangSource, dklcoIgnoreEmptyProps,
                                          dklcoIgnoreNonAlphaProps, dklcoIgnoreFontProps}));
  // Rebuilding the list skips the controller, which is a named component
  // of the window.
  controller.RootCompEntry().UpdateEntries(true, true, true, true, TDKLang_MaskList(), TDKLang_MaskList());
  EXPECT_EQ(controller.RootCompEntry().OwnedCompEntries()->IndexOfCompName(controller.Name()), -1);
}

TEST_F(LangFormSmallWindow, WindowsWithoutOrWithBrokenEntriesAreRefused) {
  files.rcData.erase(L"LANGDATA_SRBOX");
  try {
    Attach();
    ADD_FAILURE() << "attached";
  } catch (const EDKLangError& e) {
    EXPECT_EQ(e.Message(),
              L"The translation entries of the window \"SRBox\" (resource LANGDATA_SRBOX) are missing");
  }
  files.rcData[L"LANGDATA_SRBOX"] = {1, 0};
  EXPECT_THROW(Attach(), EDKLangError);
  EXPECT_EQ(form->FindComponent(L"LanguageController"), nullptr);
}

}  // namespace
}  // namespace zt::ui
