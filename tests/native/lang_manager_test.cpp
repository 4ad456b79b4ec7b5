#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "base/utf16.h"
#include "base/utf8.h"
#include "l10n/builtin_constants.h"
#include "l10n/dklang_error.h"
#include "l10n/language_manager.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_session.h"

namespace {

using zt::TDKLanguageManager;

const std::wstring kDir = L"C:\\Program Files\\Zentory";

// Writes what it is asked to do into a log shared by all controllers.
class RecordingController : public zt::LanguageController {
 public:
  RecordingController(std::string name, std::wstring section, TDKLanguageManager& manager,
                      std::vector<std::string>& log)
      : name_(std::move(name)), section_(std::move(section)), manager_(manager), log_(log) {}

  std::wstring ActualSectionName() const override { return section_; }
  // The section's first text, the code page, and a constant as the window
  // would read it while being translated.
  void ApplyTranslation(const zt::TDKLang_CompTranslation* section, std::uint32_t codePage) override {
    std::string text = section ? zt::ToUtf8(section->Item(0).wsValue) : "none";
    log_.push_back(name_ + " apply " + text + " " + std::to_string(codePage) + " " +
                   zt::ToUtf8(manager_.LangConst(L"LangTTL")));
    if (fail) throw std::runtime_error("setter failed");
  }
  void OnLanguageChanging() override { log_.push_back(name_ + " changing"); }
  void OnLanguageChanged() override { log_.push_back(name_ + " changed"); }

  bool fail = false;

 private:
  std::string name_;
  std::wstring section_;
  TDKLanguageManager& manager_;
  std::vector<std::string>& log_;
};

class LangManager : public ::testing::Test {
 protected:
  LangManager() {
    auto builtin = zt::BuiltinConstantsStream();
    files.rcData[L"DKLANG_CONSTS"] = {builtin.begin(), builtin.end()};
  }

  void AddFile(const std::wstring& name, std::wstring_view text) {
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    auto units = zt::ToUtf16LeBytes(text);
    bytes.insert(bytes.end(), units.begin(), units.end());
    files.files[kDir + L"\\" + name] = {bytes};
  }

  std::vector<std::uint16_t> Ids(const TDKLanguageManager& m) {
    std::vector<std::uint16_t> ids;
    for (int i = 0; i < m.LanguageCount(); ++i) ids.push_back(m.LanguageIDAt(i));
    return ids;
  }

  // Russian and German files with a window section and some constants.
  void AddRussianAndGerman() {
    AddFile(L"russian.lng",
            L"LANGID=1049\n[MainForm]\n4=Применить\n[$CONSTANTS]\nLangTTL=Язык\nREG_CHANGES=Изменения");
    AddFile(L"german.lng", L"LANGID=1031\n[mainform]\n4=Anwenden\n[$constants]\nLangTTL=Sprache");
  }

  zt::platform::FakeFiles files;
  zt::platform::FakeSession session;
};

TEST_F(LangManager, StartsInEnglishWithTheBuiltInTexts) {
  TDKLanguageManager m(files, session);
  EXPECT_EQ(m.LanguageCount(), 1);
  EXPECT_EQ(m.LanguageIDAt(0), 1033);
  EXPECT_EQ(m.LanguageNameAt(0), L"English (United States)");
  EXPECT_EQ(m.LanguageID(), 1033);
  EXPECT_EQ(m.DefaultLanguageID(), 1033);
  EXPECT_EQ(m.LanguageIndex(), 0);
  EXPECT_EQ(m.CodePage(), 1252u);
  EXPECT_EQ(m.LangConst(L"td_save_changes"), L"Do you want to apply changed settings?");
  EXPECT_THROW(m.LanguageIDAt(1), std::out_of_range);
  EXPECT_THROW(m.LanguageIDAt(-1), std::out_of_range);

  files.rcData.clear();
  TDKLanguageManager empty(files, session);
  try {
    empty.LangConst(L"LangTTL");
    ADD_FAILURE() << "no error";
  } catch (const zt::EDKLangError& e) {
    EXPECT_EQ(e.Message(), L"Constant \"LangTTL\" not found");
  }
}

TEST_F(LangManager, ScanListsUsableFilesInListingOrder) {
  AddFile(L"a_german.lng", L"; German\nLANGID=1031");
  AddFile(L"b_english.lng", L"LANGID=1033");
  AddFile(L"c_russian.lng", L"LANGID=1049\n[$CONSTANTS]\n1ABC=not read while scanning");
  AddFile(L"d_no_id.lng", L"Name=none");
  AddFile(L"e_zero_low_bits.lng", L"LANGID=65536");
  AddFile(L"f_not_a_number.lng", L"LANGID=Russian");
  AddFile(L"g_unknown.lng", L"LANGID=1234");
  AddFile(L"readme.txt", L"LANGID=1036");
  AddFile(L"sub.lng\\nested.lng", L"LANGID=1036");

  TDKLanguageManager m(files, session);
  EXPECT_EQ(m.ScanForLangFiles(kDir + L"\\", L"*.lng", false), 4);
  EXPECT_EQ(Ids(m), (std::vector<std::uint16_t>{1033, 1031, 1049, 1234}));
  EXPECT_EQ(m.LanguageNameAt(1), L"German (Germany)");
  EXPECT_EQ(m.LanguageNameAt(3), L"1234");

  const struct {
    std::uint16_t id;
    int index;
  } indexes[] = {{1033, 0}, {1031, 1}, {1049, 2}, {1234, 3}, {1036, 0}, {2057, 0}};
  for (const auto& c : indexes) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(m.IndexOfLanguageID(c.id), c.index);
  }

  EXPECT_FALSE(m.RegisterLangFile(kDir + L"\\missing.lng"));
  EXPECT_FALSE(m.RegisterLangFile(kDir + L"\\d_no_id.lng"));
  EXPECT_TRUE(m.RegisterLangFile(kDir + L"\\b_english.lng"));
  EXPECT_EQ(m.LanguageCount(), 4);
}

TEST_F(LangManager, ALaterFileOfTheSameLanguageTakesTheFirstOnesPlace) {
  AddFile(L"1_old_russian.lng", L"LANGID=1049\n[$CONSTANTS]\nLangTTL=old");
  AddFile(L"2_german.lng", L"LANGID=1031");
  AddFile(L"3_new_russian.lng", L"LANGID=1049\n[$CONSTANTS]\nLangTTL=new");
  TDKLanguageManager m(files, session);
  EXPECT_EQ(m.ScanForLangFiles(kDir, L"*.lng", false), 3);
  EXPECT_EQ(Ids(m), (std::vector<std::uint16_t>{1033, 1049, 1031}));
  m.SetLanguageID(1049);
  EXPECT_EQ(m.LangConst(L"LangTTL"), L"new");
}

TEST_F(LangManager, RecursiveScanDescendsIntoMatchingFoldersOnly) {
  AddFile(L"top.lng", L"LANGID=1049");
  AddFile(L"more.lng\\de.lng", L"LANGID=1031");
  AddFile(L".hidden.lng\\fr.lng", L"LANGID=1036");
  AddFile(L"other\\uk.lng", L"LANGID=1058");
  TDKLanguageManager m(files, session);
  EXPECT_EQ(m.ScanForLangFiles(kDir, L"*.lng", true), 2);
  EXPECT_EQ(Ids(m), (std::vector<std::uint16_t>{1033, 1031, 1049}));

  // "*" also lists "." and "..", which must not be followed.
  TDKLanguageManager all(files, session);
  EXPECT_EQ(all.ScanForLangFiles(kDir, L"*", true), 3);
  EXPECT_EQ(Ids(all), (std::vector<std::uint16_t>{1033, 1031, 1058, 1049}));
}

TEST_F(LangManager, AFileThatCannotBeOpenedStopsTheScan) {
  AddFile(L"ru.lng", L"LANGID=1049");
  files.files[kDir + L"\\ru.lng"].openError = zt::platform::kFileErrorSharingViolation;
  TDKLanguageManager m(files, session);
  EXPECT_THROW(m.ScanForLangFiles(kDir, L"*.lng", false), zt::platform::FileError);
  EXPECT_EQ(m.LanguageCount(), 1);
}

TEST_F(LangManager, SwitchingLanguagesKeepsOrRestoresConstants) {
  AddRussianAndGerman();
  TDKLanguageManager m(files, session);
  m.ScanForLangFiles(kDir, L"*.lng", false);

  m.SetLanguageID(1049);
  EXPECT_EQ(m.LanguageID(), 1049);
  EXPECT_EQ(m.LanguageIndex(), 2);
  EXPECT_EQ(m.CodePage(), 1251u);
  EXPECT_EQ(m.LangConst(L"LangTTL"), L"Язык");
  EXPECT_EQ(m.LangConst(L"REG_CHANGES"), L"Изменения");
  EXPECT_EQ(m.LangConst(L"DONE"), L"Operation completed");

  // German lacks REG_CHANGES: the Russian text stays.
  m.SetLanguageIndex(1);
  EXPECT_EQ(m.LanguageID(), 1031);
  EXPECT_EQ(m.CodePage(), 1252u);
  EXPECT_EQ(m.LangConst(L"LangTTL"), L"Sprache");
  EXPECT_EQ(m.LangConst(L"REG_CHANGES"), L"Изменения");

  m.SetLanguageID(1033);
  zt::TDKLang_Constants builtin;
  builtin.LoadFromStream(zt::BuiltinConstantsStream());
  for (int i = 0; i < builtin.Count(); ++i)
    EXPECT_EQ(m.LangConst(builtin.Item(i).wsName), builtin.Item(i).wsValue)
        << zt::ToUtf8(builtin.Item(i).wsName);

  // A language without a file is the default language.
  m.SetLanguageID(1049);
  m.SetLanguageID(2057);
  EXPECT_EQ(m.LanguageID(), 1033);
  EXPECT_EQ(m.LangConst(L"LangTTL"), L"Language");
}

TEST_F(LangManager, AFaultyFileLeavesTheLanguageUnchanged) {
  AddRussianAndGerman();
  AddFile(L"german.lng", L"LANGID=1031\n[$CONSTANTS]\nLangTTL=Sprache\nlangttl=again");
  TDKLanguageManager m(files, session);
  std::vector<std::string> log;
  RecordingController form("MainForm", L"MainForm", m, log);
  m.AddController(form);
  m.ScanForLangFiles(kDir, L"*.lng", false);
  m.SetLanguageID(1049);
  log.clear();

  try {
    m.SetLanguageID(1031);
    ADD_FAILURE() << "no error";
  } catch (const zt::EDKLangError& e) {
    EXPECT_EQ(e.Message(), L"Loading translations failed.\r\nLine 3: Duplicate constant name (\"langttl\")");
  }
  EXPECT_EQ(m.LanguageID(), 1049);
  EXPECT_EQ(m.CodePage(), 1251u);
  EXPECT_EQ(m.LangConst(L"LangTTL"), L"Язык");
  EXPECT_TRUE(log.empty());
}

TEST_F(LangManager, ControllersAreTranslatedInRegistrationOrder) {
  AddRussianAndGerman();
  TDKLanguageManager m(files, session);
  m.ScanForLangFiles(kDir, L"*.lng", false);
  std::vector<std::string> log;
  RecordingController main("main", L"MainForm", m, log), box("box", L"SRBox", m, log),
      gone("gone", L"MainForm", m, log);
  m.AddController(main);
  m.AddController(gone);
  m.AddController(box);
  m.AddController(main);  // once only
  m.RemoveController(gone);

  m.SetLanguageID(1049);
  EXPECT_EQ(log, (std::vector<std::string>{"main changing", "main apply Применить 1251 Язык", "main changed",
                                           "box changing", "box apply none 1251 Язык", "box changed"}));

  // The current language again: nothing happens, even after its file changed.
  log.clear();
  AddFile(L"russian.lng", L"LANGID=1049\n[MainForm]\n4=Другое");
  m.SetLanguageID(1049);
  EXPECT_TRUE(log.empty());

  m.SetLanguageID(1033);
  EXPECT_EQ(log, (std::vector<std::string>{"main changing", "main apply none 1252 Language", "main changed",
                                           "box changing", "box apply none 1252 Language", "box changed"}));

  // A failing window still gets its closing hook; the error reaches the caller.
  log.clear();
  main.fail = true;
  EXPECT_THROW(m.SetLanguageID(1031), std::runtime_error);
  EXPECT_EQ(log,
            (std::vector<std::string>{"main changing", "main apply Anwenden 1252 Sprache", "main changed"}));
}

TEST_F(LangManager, AWindowBuiltLaterIsTranslatedAlone) {
  AddRussianAndGerman();
  TDKLanguageManager m(files, session);
  m.ScanForLangFiles(kDir, L"*.lng", false);
  std::vector<std::string> log;
  RecordingController first("first", L"MainForm", m, log), later("later", L"MainForm", m, log);

  m.AddController(first);
  m.TranslateLoadedController(first);
  EXPECT_TRUE(log.empty()) << "nothing to do in the default language";

  m.SetLanguageID(1031);
  log.clear();
  m.AddController(later);
  m.TranslateLoadedController(later);
  EXPECT_EQ(log, (std::vector<std::string>{"later changing", "later apply Anwenden 1252 Sprache",
                                           "later changed"}));
}

TEST_F(LangManager, TranslateFromStreamTakesItsLanguageUnlisted) {
  TDKLanguageManager m(files, session);
  std::vector<std::string> log;
  RecordingController main("main", L"MainForm", m, log);
  m.AddController(main);

  std::vector<std::uint8_t> bytes{0xFF, 0xFE};
  auto units = zt::ToUtf16LeBytes(L"LANGID=1049\n[MainForm]\n4=Применить\n[$CONSTANTS]\nLangTTL=Язык");
  bytes.insert(bytes.end(), units.begin(), units.end());
  m.TranslateFromStream(bytes);
  EXPECT_EQ(m.LanguageID(), 1049);
  EXPECT_EQ(m.LanguageIndex(), 0);
  EXPECT_EQ(m.LanguageCount(), 1);
  EXPECT_EQ(m.LangConst(L"LangTTL"), L"Язык");
  EXPECT_EQ(log,
            (std::vector<std::string>{"main changing", "main apply Применить 1251 Язык", "main changed"}));

  std::string withoutId = "[$CONSTANTS]\nDONE=Fertig";
  m.TranslateFromStream(std::vector<std::uint8_t>(withoutId.begin(), withoutId.end()));
  EXPECT_EQ(m.LanguageID(), 1033);
  EXPECT_EQ(m.LangConst(L"DONE"), L"Fertig");
  EXPECT_EQ(m.LangConst(L"LangTTL"), L"Язык");
}

// Readers on another thread never see a constant half replaced while the
// language switches back and forth (the sanitizers watch the memory).
TEST_F(LangManager, ReadersRunAlongsideLanguageSwitches) {
  AddRussianAndGerman();
  TDKLanguageManager m(files, session);
  m.ScanForLangFiles(kDir, L"*.lng", false);
  std::atomic<bool> done{false};
  std::atomic<int> unexpected{0};
  std::thread reader([&] {
    while (!done) {
      auto text = m.LangConst(L"LangTTL");
      if (text != L"Language" && text != L"Язык") ++unexpected;
      if (m.LanguageNameAt(m.LanguageIndex()).empty()) ++unexpected;
    }
  });
  for (int i = 0; i < 200; ++i) m.SetLanguageID(i % 2 ? 1033 : 1049);
  done = true;
  reader.join();
  EXPECT_EQ(unexpected, 0);
}

}  // namespace
