// The entry tree of a translated window: masks, the property list, recording
// a window's properties, the stored form "LangData" and the committed ID
// files.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/utf8.h"
#include "l10n/dklang_error.h"
#include "ui/kinds.h"
#include "ui/layout.h"
#include "ui/translation/lang_entries.h"
#include "ui/translation/lang_ids_file.h"
#include "ui/translation/language_controller.h"

namespace zt::ui {
namespace {

namespace L = layout;

// The entry of a property by component path ("" for the window) and
// property path; none when not recorded.
const TDKLang_PropEntry* Find(TDKLang_CompEntry& root, const std::wstring& component,
                              const std::wstring& property) {
  TDKLang_CompEntry* entry = &root;
  std::wstring_view rest = component;
  while (!rest.empty()) {
    auto dot = rest.find(L'.');
    TDKLang_CompEntries* children = entry->OwnedCompEntries();
    int index = children ? children->IndexOfCompName(rest.substr(0, dot)) : -1;
    if (index < 0) return nullptr;
    entry = &children->Item(index);
    rest = dot == std::wstring_view::npos ? std::wstring_view() : rest.substr(dot + 1);
  }
  return entry->PropEntries() ? entry->PropEntries()->FindPropByName(property) : nullptr;
}

std::int32_t IdOf(TDKLang_CompEntry& root, const std::wstring& component, const std::wstring& property) {
  const TDKLang_PropEntry* entry = Find(root, component, property);
  return entry ? entry->iID : 0;
}

int CountEntries(const TDKLang_CompEntry& entry) {
  int count = entry.PropEntries() ? entry.PropEntries()->Count() : 0;
  if (const TDKLang_CompEntries* children = entry.OwnedCompEntries())
    for (int i = 0; i < children->Count(); ++i) count += CountEntries(children->Item(i));
  return count;
}

void Record(TDKLang_CompEntry& root, Form& form, std::vector<std::wstring> ignore = {},
            std::vector<std::wstring> store = {}, bool ignoreEmpty = true, bool ignoreNonAlpha = true) {
  root.BindComponents(form);
  root.UpdateEntries(true, ignoreEmpty, ignoreNonAlpha, true, TDKLang_MaskList(std::move(ignore)),
                     TDKLang_MaskList(std::move(store)));
}

TEST(LangFormMasks, WildcardsAndCase) {
  const struct {
    const char* name;
    const wchar_t* mask;
    const wchar_t* text;
    bool matches;
  } cases[] = {
      {"exact", L"LabelOS.Caption", L"LabelOS.Caption", true},
      {"case is ignored", L"labelos.CAPTION", L"LabelOS.Caption", true},
      {"the window's own caption", L".Caption", L".Caption", true},
      {"no prefix match", L"LabelOS.Caption", L"LabelOSa.Caption", false},
      {"star crosses dots", L"*.Hint", L"MenuFrame.System.Hint", true},
      {"question mark is one character", L"Label??.Caption", L"LabelOS.Caption", true},
      {"question mark is exactly one", L"Label??.Caption", L"LabelOSa.Caption", false},
      {"brackets are literal", L"OpenDialog.FileTypes[0].FileMask", L"OpenDialog.FileTypes[0].FileMask",
       true},
      {"brackets are no character set", L"OpenDialog.FileTypes[0].FileMask",
       L"OpenDialog.FileTypes0.FileMask", false},
      {"star needs backtracking", L"a*b*c", L"aXbYbZc", true},
      {"star cannot invent the tail", L"a*b*c", L"aXbYbZ", false},
      {"star matches nothing", L"Apply*", L"Apply", true},
      {"empty mask matches only empty", L"", L"x", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MaskMatches(c.mask, c.text), c.matches);
  }
  TDKLang_MaskList list({L"LabelOS.Caption", L"*.FileMask"});
  EXPECT_TRUE(list.Matches(L"OpenDialogCmd.FileTypes[0].FileMask"));
  EXPECT_FALSE(list.Matches(L"LabelSP.Caption"));
  EXPECT_FALSE(TDKLang_MaskList().Matches(L""));
}

TEST(LangFormEntries, PropertyListIsSortedWithoutRegardToCase) {
  TDKLang_PropEntries list;
  EXPECT_TRUE(list.Add(7, L"Hint", L"a hint"));
  EXPECT_TRUE(list.Add(3, L"Columns[1].Caption", L"Path"));
  EXPECT_TRUE(list.Add(5, L"caption", L"Apply"));
  // A known path (in any case) keeps its ID and takes the new text.
  EXPECT_FALSE(list.Add(99, L"HINT", L"another hint"));

  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Item(0).wsPropName, L"caption");
  EXPECT_EQ(list.Item(1).wsPropName, L"Columns[1].Caption");
  EXPECT_EQ(list.Item(2).wsPropName, L"Hint");
  EXPECT_EQ(list.Item(2).iID, 7);
  EXPECT_EQ(list.Item(2).wsDefLangValue, L"another hint");
  EXPECT_EQ(list.IndexOfID(3), 1);
  EXPECT_EQ(list.IndexOfID(99), -1);
  EXPECT_EQ(list.IndexOfPropName(L"CAPTION"), 0);
  EXPECT_EQ(list.IndexOfPropName(L"Text"), -1);
  int at = -1;
  EXPECT_FALSE(list.FindPropName(L"Font", at));
  EXPECT_EQ(at, 2);  // where it would go
  ASSERT_NE(list.FindPropByName(L"columns[1].caption"), nullptr);
  EXPECT_EQ(list.FindPropByName(L"columns[1].caption")->iID, 3);
  EXPECT_EQ(list.FindPropByName(L"Columns[2].Caption"), nullptr);
}

TEST(LangFormEntries, MaskListsStaySortedWithoutDuplicates) {
  SortedStringList list;
  const std::wstring_view masks[] = {L"LabelSP.Caption", L".Caption", L"labelsp.caption", L"LabelOS.Caption"};
  list.Assign(masks);
  EXPECT_EQ(list.Items(), (std::vector<std::wstring>{L".Caption", L"LabelOS.Caption", L"LabelSP.Caption"}));
}

L::Form DesignWindow() {
  return L::Form{
      .name = L"SRBox",
      .caption = L"System Protection",
      .children =
          {
              L::Label{.name = L"Title", .caption = L"Restore point"},
              L::ComboBox{.name = L"CrashMode", .items = {L"Ask", L"Send", L"Never"}},
              L::ListView{.name = L"ListStartUp", .columns = {{.Caption = L"Name"}, {.Caption = L"Path"}}},
              L::Frame{
                  .name = L"MenuFrame",
                  .children = {L::SpeedButton{.name = L"System", .caption = L"System", .hint = L"Logon"}}},
              L::Button{.name = L"Apply", .caption = L"Apply"},
          },
  };
}

TEST(LangFormEntries, RecordingGivesIdsInWindowOrderAndStoresTheBuiltInTexts) {
  Form form;
  L::Build(form, DesignWindow());
  TDKLang_CompEntry root;
  Record(root, form);

  const struct {
    const wchar_t* component;
    const wchar_t* property;
    std::int32_t id;
    const wchar_t* text;
  } expected[] = {
      {L"", L"Caption", 1, L"System Protection"},
      {L"Title", L"Caption", 2, L"Restore point"},
      {L"CrashMode", L"Items", 3, L"Ask\r\nSend\r\nNever\r\n"},
      {L"ListStartUp", L"Columns[0].Caption", 4, L"Name"},
      {L"ListStartUp", L"Columns[1].Caption", 5, L"Path"},
      {L"MenuFrame.System", L"Caption", 6, L"System"},
      {L"MenuFrame.System", L"Hint", 7, L"Logon"},
      {L"Apply", L"Caption", 8, L"Apply"},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(ToUtf8(std::wstring(e.component) + L"." + e.property));
    const TDKLang_PropEntry* entry = Find(root, e.component, e.property);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->iID, e.id);
    EXPECT_EQ(entry->wsDefLangValue, e.text);
    EXPECT_TRUE(entry->bCaptured);
  }
  EXPECT_EQ(CountEntries(root), 8);
  EXPECT_EQ(root.Name(), L"SRBox");
  // Every named component has an entry, recorded properties or not.
  ASSERT_NE(root.OwnedCompEntries(), nullptr);
  EXPECT_EQ(root.OwnedCompEntries()->Count(), 5);
}

TEST(LangFormEntries, RebuildingKeepsIdsAndGivesNewPathsTheNextFreeId) {
  Form before;
  L::Build(before, DesignWindow());
  TDKLang_CompEntry root;
  Record(root, before);
  auto stored = root.SaveToDFMResource();

  // The next release: a column and the Title label are gone, the combo's
  // items changed, and a label and a second column header are new.
  L::Form changed = DesignWindow();
  changed.children = {
      L::ComboBox{.name = L"CrashMode", .items = {L"Ask", L"Never"}},
      L::ListView{.name = L"ListStartUp", .columns = {{.Caption = L"Name"}}},
      L::Frame{.name = L"MenuFrame",
               .children = {L::SpeedButton{.name = L"System", .caption = L"System", .hint = L"Logon"}}},
      L::Button{.name = L"Apply", .caption = L"Apply", .hint = L"Apply the changes"},
      L::Label{.name = L"Warning", .caption = L"Restart needed"},
  };
  Form after;
  L::Build(after, changed);
  TDKLang_CompEntry again;
  again.LoadFromDFMResource(stored);
  Record(again, after);

  EXPECT_EQ(IdOf(again, L"", L"Caption"), 1);
  EXPECT_EQ(IdOf(again, L"CrashMode", L"Items"), 3);
  EXPECT_EQ(Find(again, L"CrashMode", L"Items")->wsDefLangValue, L"Ask\r\nNever\r\n");
  EXPECT_EQ(IdOf(again, L"ListStartUp", L"Columns[0].Caption"), 4);
  EXPECT_EQ(IdOf(again, L"MenuFrame.System", L"Hint"), 7);
  EXPECT_EQ(IdOf(again, L"Apply", L"Caption"), 8);
  // New paths, in window order, above every ID in use.
  EXPECT_EQ(IdOf(again, L"Apply", L"Hint"), 9);
  EXPECT_EQ(IdOf(again, L"Warning", L"Caption"), 10);
  // Gone with their properties; their IDs stay unused.
  EXPECT_EQ(Find(again, L"Title", L"Caption"), nullptr);
  EXPECT_EQ(Find(again, L"ListStartUp", L"Columns[1].Caption"), nullptr);
  EXPECT_EQ(again.OwnedCompEntries()->IndexOfCompName(L"Title"), -1);
  EXPECT_EQ(CountEntries(again), 8);
}

TEST(LangFormEntries, ValueFilterAndStoreMasks) {
  // Caption of the button under each set of options: recorded or not.
  const struct {
    const char* name;
    const wchar_t* caption;
    bool ignoreEmpty;
    bool ignoreNonAlpha;
    bool storeMask;
    bool recorded;
  } cases[] = {
      {"a separator is no text", L"-", true, true, false, false},
      {"digits are no text", L"1 2 3", true, true, false, false},
      {"Cyrillic counts as letters", L"Применить", true, true, false, true},
      {"U+040D and below do not", L"\u0401\u040D", true, true, false, false},
      {"just above U+040D does", L"\u040E", true, true, false, true},
      {"non-letters pass when allowed", L"-", true, false, false, true},
      {"empty stays out while empty is ignored", L"", true, false, true, false},
      {"empty is never stored by the layout", L"", false, false, false, false},
      {"a store mask records the empty text", L"", false, false, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Form form;
    L::Build(form, L::Form{.name = L"F", .children = {L::Button{.name = L"B", .caption = c.caption}}});
    TDKLang_CompEntry root;
    Record(root, form, {}, c.storeMask ? std::vector<std::wstring>{L"B.Cap*"} : std::vector<std::wstring>{},
           c.ignoreEmpty, c.ignoreNonAlpha);
    EXPECT_EQ(Find(root, L"B", L"Caption") != nullptr, c.recorded);
  }
}

TEST(LangFormEntries, IgnoreMasksSkipAPropertyAndEverythingBelowIt) {
  Form form;
  L::Build(form,
           L::Form{.name = L"F",
                   .caption = L"Window",
                   .children = {
                       L::ListView{.name = L"List", .columns = {{.Caption = L"Name"}, {.Caption = L"Path"}}},
                       L::TaskDialog{.name = L"TD",
                                     .caption = L"Welcome",
                                     .buttons = {{.Caption = L"Create"}, {.Caption = L"Continue"}}},
                       L::OpenDialog{.name = L"OpenDialogCmd",
                                     .fileTypes = {{.DisplayName = L"Programs", .FileMask = L"*.exe"}}},
                   }});
  TDKLang_CompEntry root;
  Record(root, form,
         {L".Caption", L"List.Columns", L"TD.Buttons[1]", L"OpenDialogCmd.FileTypes[0].FileMask"});
  EXPECT_EQ(Find(root, L"", L"Caption"), nullptr);
  EXPECT_EQ(Find(root, L"List", L"Columns[0].Caption"), nullptr);
  EXPECT_EQ(Find(root, L"List", L"Columns[1].Caption"), nullptr);
  EXPECT_NE(Find(root, L"TD", L"Buttons[0].Caption"), nullptr);
  EXPECT_EQ(Find(root, L"TD", L"Buttons[1].Caption"), nullptr);
  EXPECT_NE(Find(root, L"TD", L"Caption"), nullptr);
  EXPECT_NE(Find(root, L"OpenDialogCmd", L"FileTypes[0].DisplayName"), nullptr);
  EXPECT_EQ(Find(root, L"OpenDialogCmd", L"FileTypes[0].FileMask"), nullptr);
}

TEST(LangFormEntries, UnnamedComponentsGetNoEntry) {
  Form form;
  L::Build(form, L::Form{.name = L"F", .children = {L::Label{.name = L"Named", .caption = L"Named"}}});
  form.Create<Label>().SetCaption(L"Unnamed");
  TDKLang_CompEntry root;
  Record(root, form);
  ASSERT_NE(root.OwnedCompEntries(), nullptr);
  EXPECT_EQ(root.OwnedCompEntries()->Count(), 1);
  EXPECT_EQ(CountEntries(root), 1);
}

// --- "LangData" --------------------------------------------------------------

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<std::uint8_t> bytes;
  for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
  return bytes;
}

// Window "F" with "Caption" = 7; one child "B" with "Hint" = 9 and no children.
// clang-format off
const std::vector<std::uint8_t> kSmallTree = Bytes({
    1, 0, 'F',                                           // window name
    1, 1, 0, 0, 0,                                       // properties: 1
    7, 0, 0, 0, 7, 0, 'C', 'a', 'p', 't', 'i', 'o', 'n', // ID 7, "Caption"
    1, 1, 0, 0, 0,                                       // children: 1
    1, 0, 'B',                                           // child name
    1, 1, 0, 0, 0,                                       // properties: 1
    9, 0, 0, 0, 4, 0, 'H', 'i', 'n', 't',                // ID 9, "Hint"
    0,                                                   // no children
});
// clang-format on

TEST(LangFormData, TheStoredLayout) {
  TDKLang_CompEntry root;
  root.LoadFromDFMResource(kSmallTree);
  EXPECT_EQ(root.Name(), L"F");
  EXPECT_EQ(IdOf(root, L"", L"Caption"), 7);
  EXPECT_EQ(IdOf(root, L"B", L"Hint"), 9);
  EXPECT_EQ(root.OwnedCompEntries()->Item(0).Path(), L"B");
  EXPECT_EQ(root.OwnedCompEntries()->Item(0).Owner(), &root);
  EXPECT_FALSE(Find(root, L"B", L"Hint")->bCaptured);
  EXPECT_EQ(root.SaveToDFMResource(), kSmallTree);
}

TEST(LangFormData, RoundTripOfARecordedWindow) {
  Form form;
  L::Build(form, DesignWindow());
  form.Find<Label>(L"Title").SetCaption(L"Точка восстановления");
  TDKLang_CompEntry root;
  Record(root, form);
  auto stored = root.SaveToDFMResource();

  TDKLang_CompEntry loaded;
  loaded.LoadFromDFMResource(stored);
  EXPECT_EQ(loaded.SaveToDFMResource(), stored);
  EXPECT_EQ(FormatLangIds(loaded), FormatLangIds(root));
  EXPECT_EQ(IdOf(loaded, L"MenuFrame.System", L"Hint"), 7);
}

std::vector<std::uint8_t> Patched(std::vector<std::uint8_t> bytes, std::size_t at,
                                  std::vector<std::uint8_t> with) {
  bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at),
              bytes.begin() + static_cast<std::ptrdiff_t>(at + with.size()));
  bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), with.begin(), with.end());
  return bytes;
}

TEST(LangFormData, MalformedDataIsRefusedAndChangesNothing) {
  auto trailing = kSmallTree;
  trailing.push_back(0);
  std::vector<std::uint8_t> tooDeep;
  for (int i = 0; i < 40; ++i) tooDeep.insert(tooDeep.end(), {1, 0, 'X', 0, 1, 1, 0, 0, 0});
  tooDeep.insert(tooDeep.end(), {1, 0, 'X', 0, 0});

  const struct {
    const char* name;
    std::vector<std::uint8_t> data;
    const wchar_t* message;
  } cases[] = {
      {"empty", {}, L"Invalid LangData at byte 0: the data ends too early"},
      {"flag of 2", Patched(kSmallTree, 3, {2}), L"Invalid LangData at byte 3: a flag is neither 0 nor 1"},
      {"negative count", Patched(kSmallTree, 4, {0xFF, 0xFF, 0xFF, 0xFF}),
       L"Invalid LangData at byte 4: the count -1 does not fit the data"},
      {"count beyond the data", Patched(kSmallTree, 4, {0, 0, 0, 0x10}),
       L"Invalid LangData at byte 4: the count 268435456 does not fit the data"},
      {"ID of 0", Patched(kSmallTree, 8, {0}),
       L"Invalid LangData at byte 8: the property ID 0 is not positive"},
      {"negative ID", Patched(kSmallTree, 8, {0xFE, 0xFF, 0xFF, 0xFF}),
       L"Invalid LangData at byte 8: the property ID -2 is not positive"},
      {"name longer than the data", Patched(kSmallTree, 38, {0x40}),
       L"Invalid LangData at byte 40: the data ends too early"},
      {"invalid UTF-8", Patched(kSmallTree, 2, {0xC3}),
       L"Invalid LangData at byte 2: a name is not valid UTF-8"},
      {"ID given twice", Patched(kSmallTree, 34, {7}), L"Invalid LangData: the property ID 7 is given twice"},
      {"trailing byte", trailing, L"Invalid LangData at byte 45: data follows the entries"},
      {"nested too deeply", tooDeep, L"Invalid LangData at byte 288: the entries are nested too deeply"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TDKLang_CompEntry root;
    root.LoadFromDFMResource(kSmallTree);
    try {
      root.LoadFromDFMResource(c.data);
      ADD_FAILURE() << "loaded";
    } catch (const EDKLangError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(root.SaveToDFMResource(), kSmallTree);
  }

  // Every cut-off form of valid data is refused.
  for (std::size_t size = 0; size < kSmallTree.size(); ++size) {
    TDKLang_CompEntry root;
    EXPECT_THROW(root.LoadFromDFMResource(std::span(kSmallTree).first(size)), EDKLangError) << size;
  }
}

TEST(LangFormData, RepeatedNamesAreRefused) {
  // A window with the property path "Caption" twice, and one with two
  // children both named "B" (in different case).
  auto twice = Bytes({1,   0,   'F', 1, 2, 0, 0, 0, 1, 0,   0,   0,   7,   0,   'C', 'a', 'p', 't',
                      'i', 'o', 'n', 2, 0, 0, 0, 7, 0, 'c', 'a', 'p', 't', 'i', 'o', 'n', 0});
  auto children = Bytes({1, 0, 'F', 0, 1, 2, 0, 0, 0, 1, 0, 'B', 0, 0, 1, 0, 'b', 0, 0});
  auto unnamed = Bytes({1, 0, 'F', 0, 1, 1, 0, 0, 0, 0, 0, 0, 0});
  TDKLang_CompEntry root;
  EXPECT_THROW(root.LoadFromDFMResource(twice), EDKLangError);
  EXPECT_THROW(root.LoadFromDFMResource(children), EDKLangError);
  EXPECT_THROW(root.LoadFromDFMResource(unnamed), EDKLangError);
}

// --- ID files ----------------------------------------------------------------

TEST(LangFormIds, TextRoundTripSortedById) {
  TDKLang_CompEntry root;
  root.LoadFromDFMResource(kSmallTree);
  std::string text = FormatLangIds(root);
  EXPECT_NE(text.find("\n7     . Caption\n9     B Hint\n"), std::string::npos) << text;

  TDKLang_CompEntry parsed;
  parsed.SetStoredName(L"F");
  ParseLangIds(text, parsed);
  EXPECT_EQ(parsed.SaveToDFMResource(), kSmallTree);

  TDKLang_CompEntry nested;
  ParseLangIds("12 MenuFrame.System Caption\r\n; comment\n\n4 Apply Hint", nested);
  EXPECT_EQ(IdOf(nested, L"MenuFrame.System", L"Caption"), 12);
  EXPECT_EQ(IdOf(nested, L"Apply", L"Hint"), 4);
}

TEST(LangFormIds, MalformedLinesNameTheirLine) {
  const struct {
    const char* name;
    const char* text;
    const wchar_t* message;
  } cases[] = {
      {"not a number", "; header\nx Apply Caption", L"Line 2: the ID \"x\" is not a positive number"},
      {"zero", "0 Apply Caption", L"Line 1: the ID \"0\" is not a positive number"},
      {"too large", "2147483648 Apply Caption", L"Line 1: the ID \"2147483648\" is not a positive number"},
      {"two fields", "5 Apply", L"Line 1: expected an ID, a component path and a property path"},
      {"ID twice", "5 Apply Caption\n5 Cancel Caption", L"Line 2: the ID 5 is given twice"},
      {"property twice", "5 Apply Caption\n6 apply caption",
       L"Line 2: the property apply caption is given twice"},
      {"empty name", "5 MenuFrame..System Caption", L"Line 1: the component path has an empty name"},
      {"invalid UTF-8", "5 Appl\xC3 Caption", L"Line 1: the text is not valid UTF-8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TDKLang_CompEntry root;
    try {
      ParseLangIds(c.text, root);
      ADD_FAILURE() << "parsed";
    } catch (const EDKLangError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

}  // namespace
}  // namespace zt::ui
