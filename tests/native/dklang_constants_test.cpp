#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/utf16.h"
#include "base/utf8.h"
#include "l10n/builtin_constants.h"
#include "l10n/dklang_constants.h"
#include "l10n/dklang_error.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_session.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using zt::EDKLangError;
using zt::TDKLang_Constants;

// Builders for hand-made streams.
struct StreamBuilder {
  Bytes bytes;
  StreamBuilder& U8(unsigned v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  StreamBuilder& U16(unsigned v) { return U8(v & 0xFF).U8(v >> 8); }
  StreamBuilder& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  StreamBuilder& Raw(std::string_view s) {
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
  }
  StreamBuilder& Ansi(std::string_view s) { return U16(static_cast<unsigned>(s.size())).Raw(s); }
  StreamBuilder& Wide(std::wstring_view s) {
    auto units = zt::ToUtf16LeBytes(s);
    U16(static_cast<unsigned>(units.size() / 2));
    bytes.insert(bytes.end(), units.begin(), units.end());
    return *this;
  }
};

std::vector<std::wstring> Names(const TDKLang_Constants& t) {
  std::vector<std::wstring> out;
  for (int i = 0; i < t.Count(); ++i) out.push_back(t.Item(i).wsName);
  return out;
}

std::wstring ErrorOf(auto&& action) {
  try {
    action();
  } catch (const EDKLangError& e) {
    return e.Message();
  }
  return L"(no error)";
}

TEST(DKLangConstants, KeepsCaseInsensitiveOrderWithUnderscoreAfterLetters) {
  TDKLang_Constants t;
  for (const wchar_t* name :
       {L"ADMIN_WARNING", L"zeta", L"ADMINWARN", L"ADV_DESC", L"A1", L"adv", L"_X", L"ADMINw2"})
    t.Add(name, L"text");
  EXPECT_EQ(Names(t), (std::vector<std::wstring>{L"A1", L"ADMINw2", L"ADMINWARN", L"ADMIN_WARNING", L"adv",
                                                 L"ADV_DESC", L"zeta", L"_X"}));
}

TEST(DKLangConstants, LooksUpWithoutRegardToCase) {
  TDKLang_Constants t;
  t.Add(L"TD_SAVE_CHANGES", L"Save changes?");
  t.Add(L"REG_CHANGES", L"Registry changes");
  EXPECT_EQ(t.LangConst(L"td_save_changes"), L"Save changes?");
  EXPECT_EQ(t.IndexOfName(L"Reg_Changes"), 0);
  ASSERT_NE(t.FindConstName(L"TD_save_CHANGES"), nullptr);
  EXPECT_EQ(t.FindConstName(L"TD_SAVE_CHANGE"), nullptr);
  EXPECT_EQ(t.IndexOfName(L"NOPE"), -1);

  int index = -7;
  EXPECT_FALSE(t.FindName(L"S", index));
  EXPECT_EQ(index, 1);  // where it would be inserted
  EXPECT_FALSE(t.FindName(L"ZZZ", index));
  EXPECT_EQ(index, 2);
  EXPECT_EQ(ErrorOf([&] { t.LangConst(L"NO_SUCH"); }), L"Constant \"NO_SUCH\" not found");
}

TEST(DKLangConstants, AddRejectsBadAndDuplicateNames) {
  TDKLang_Constants t;
  EXPECT_EQ(t.Add(L"Name_1", L"v", {zt::dktsUntranslated}), 0);
  const auto& added = t.Item(0);
  EXPECT_EQ(added.wsDefValue, L"v");
  EXPECT_TRUE(added.TranStates.Contains(zt::dktsUntranslated));
  EXPECT_FALSE(added.TranStates.Contains(zt::dktsAutotranslated));

  for (const wchar_t* bad : {L"1ABC", L"", L"A-B", L"A B", L"\u00c4B", L"A\u0661"}) {
    SCOPED_TRACE(zt::ToUtf8(bad));
    EXPECT_EQ(ErrorOf([&] { t.Add(bad, L"x"); }), L"Invalid constant name (\"" + std::wstring(bad) + L"\")");
  }
  EXPECT_EQ(ErrorOf([&] { t.Add(L"NAME_1", L"x"); }), L"Duplicate constant name (\"NAME_1\")");
  EXPECT_EQ(t.Count(), 1);
}

TEST(DKLangConstants, SavesTheStoredFormInNameOrder) {
  TDKLang_Constants t;
  t.Add(L"b", L"x\r\n");
  t.Add(L"A", L"");
  Bytes expected = StreamBuilder{}.U8(3).U8(1).U32(2).Wide(L"A").Wide(L"").Wide(L"b").Wide(L"x\r\n").bytes;
  EXPECT_EQ(t.SaveToStream(), expected);

  t.SetAutoSaveLangSource(false);
  EXPECT_EQ(t.SaveToStream()[1], 0);
}

TEST(DKLangConstants, RoundTripsThroughTheStream) {
  TDKLang_Constants t;
  t.Add(L"TEXT", L"Two lines\r\n\r\nand a TAB\t");
  t.Add(L"EMPTY", L"");
  t.Add(L"WIDE", L"\u041f\u0440\u0438 \U0001F600 \u20ac");
  t.Add(L"NUL", std::wstring(L"a\0b", 3));
  t.SetAutoSaveLangSource(false);

  TDKLang_Constants back;
  back.LoadFromStream(t.SaveToStream());
  ASSERT_EQ(Names(back), Names(t));
  for (int i = 0; i < t.Count(); ++i) {
    EXPECT_EQ(back.Item(i).wsValue, t.Item(i).wsValue);
    EXPECT_EQ(back.Item(i).wsDefValue, t.Item(i).wsValue);
  }
  EXPECT_FALSE(back.AutoSaveLangSource());
}

TEST(DKLangConstants, LoadsRecordsInAnyOrderAndReplacesTheTable) {
  TDKLang_Constants t;
  t.Add(L"OLD", L"gone");
  t.LoadFromStream(StreamBuilder{}.U8(3).U8(1).U32(2).Wide(L"Z").Wide(L"z").Wide(L"A").Wide(L"a").bytes);
  EXPECT_EQ(Names(t), (std::vector<std::wstring>{L"A", L"Z"}));
}

TEST(DKLangConstants, SaveRefusesTextsLongerThanTheLengthField) {
  TDKLang_Constants t;
  t.Add(L"MAX", std::wstring(0xFFFF, L'a'));
  EXPECT_NO_THROW(t.SaveToStream());

  // Astral characters take two UTF-16 units each.
  TDKLang_Constants wide;
  std::wstring text;
  for (int i = 0; i < 0x8000; ++i) text += L"\U0001F600";
  wide.Add(L"LONG", text);
  EXPECT_EQ(ErrorOf([&] { wide.SaveToStream(); }),
            L"Constant \"LONG\" is too long to be stored (more than 65535 UTF-16 units)");
}

// Old streams keep 8-bit texts: names in the system code page (1252 here),
// values of versions 0 and 1 in the code page of the callback's language.
class OldStreams : public ::testing::Test {
 protected:
  zt::platform::FakeSession session;
  TDKLang_Constants table{&session, [] { return std::uint16_t{1049}; }};
};

TEST_F(OldStreams, Version2HasAnsiNamesAndWideValues) {
  table.LoadFromStream(
      StreamBuilder{}.U8(2).U8(0).U32(2).Ansi("B").Wide(L"\u0416").Ansi("a").Wide(L"x").bytes);
  EXPECT_EQ(Names(table), (std::vector<std::wstring>{L"a", L"B"}));
  EXPECT_EQ(table.LangConst(L"B"), L"\u0416");
  EXPECT_FALSE(table.AutoSaveLangSource());
}

TEST_F(OldStreams, Versions0And1DecodeValuesInTheLanguageCodePage) {
  for (unsigned version : {0u, 1u}) {
    SCOPED_TRACE(version);
    table.LoadFromStream(
        StreamBuilder{}.U8(version).U32(1).Ansi("HELLO").Ansi("\xCF\xF0\xE8\xE2\xE5\xF2").bytes);
    EXPECT_EQ(table.LangConst(L"HELLO"), L"\u041f\u0440\u0438\u0432\u0435\u0442");
    EXPECT_EQ(table.AutoSaveLangSource(), version == 1);
  }
}

TEST_F(OldStreams, WithoutCallbackValuesDecodeInTheSystemCodePage) {
  TDKLang_Constants plain(&session);
  plain.LoadFromStream(StreamBuilder{}.U8(1).U32(1).Ansi("E").Ansi("\x80\xC0").bytes);
  EXPECT_EQ(plain.LangConst(L"E"), L"\u20ac\u00c0");
}

TEST_F(OldStreams, NamesDecodeInTheSystemCodePage) {
  session.ansiCodePage = 1251;
  // 0xC0 is a Cyrillic letter in 1251, which no name may hold.
  EXPECT_EQ(
      ErrorOf([&] { table.LoadFromStream(StreamBuilder{}.U8(2).U8(1).U32(1).Ansi("\xC0").Wide(L"").bytes); }),
      L"Invalid constant name (\"\u0410\")");
}

TEST_F(OldStreams, FlagOfVersions2And3IsStored) {
  for (unsigned version : {2u, 3u})
    for (unsigned flag : {0u, 1u}) {
      table.LoadFromStream(StreamBuilder{}.U8(version).U8(flag).U32(0).bytes);
      EXPECT_EQ(table.AutoSaveLangSource(), flag == 1) << version;
    }
}

TEST(DKLangConstants, OldStreamWithoutSessionIsAnError) {
  TDKLang_Constants t;
  auto message = ErrorOf([&] { t.LoadFromStream(StreamBuilder{}.U8(1).U32(1).Ansi("A").Ansi("b").bytes); });
  EXPECT_NE(message.find(L"no session"), std::wstring::npos) << zt::ToUtf8(message);
  EXPECT_NO_THROW(t.LoadFromStream(StreamBuilder{}.U8(2).U8(1).U32(0).bytes));
}

TEST(DKLangConstants, BadStreamsFailAndLeaveTheTableAlone) {
  auto v3 = [](std::uint32_t count) { return StreamBuilder{}.U8(3).U8(1).U32(count); };
  Bytes cutMidUnit = v3(1).Wide(L"A").Wide(L"xyz").bytes;
  cutMidUnit.pop_back();
  struct Case {
    const char* name;
    Bytes stream;
    std::wstring expected;  // a part of the message
  } cases[] = {
      {"empty", {}, L"truncated: the stream version at byte 0"},
      {"no flag", {3}, L"truncated: the AutoSaveLangSource flag"},
      {"cut count", {3, 1, 5, 0, 0}, L"truncated: the constant count at byte 2 needs 4 bytes, 3 left"},
      {"version 4", {4, 1, 0, 0, 0, 0}, L"Stream version (4) is greater than the current one (3)"},
      {"version 255", {255}, L"Stream version (255) is greater than the current one (3)"},
      {"no records", v3(1).bytes, L"declares 1 constants but holds 0"},
      {"count above data", v3(0xFFFFFFFF).Wide(L"A").Wide(L"a").bytes,
       L"declares 4294967295 constants but holds 1"},
      {"cut name length", v3(1).U8(1).bytes, L"truncated: the constant name at byte 6 needs 2 bytes, 1 left"},
      {"name longer than data", v3(1).U16(40).Raw(std::string_view("A\0B\0", 4)).bytes,
       L"truncated: the constant name at byte 8"},
      {"no value", v3(1).Wide(L"A").bytes, L"truncated: the constant value"},
      {"value cut mid-unit", cutMidUnit, L"ends inside a UTF-16 unit of the constant value"},
      {"value length 0xFFFF", v3(1).Wide(L"A").U16(0xFFFF).bytes, L"truncated: the constant value"},
      {"empty name", v3(1).Wide(L"").Wide(L"x").bytes, L"Invalid constant name (\"\")"},
      {"digit first", v3(1).Wide(L"9LIVES").Wide(L"x").bytes, L"Invalid constant name (\"9LIVES\")"},
      {"duplicate", v3(2).Wide(L"abc").Wide(L"").Wide(L"ABC").Wide(L"").bytes,
       L"Duplicate constant name (\"ABC\")"},
      {"v2 cut name", StreamBuilder{}.U8(2).U8(1).U32(1).U16(5).Raw("AB").bytes,
       L"truncated: the constant name"},
      {"v1 cut value", StreamBuilder{}.U8(1).U32(1).Ansi("A").U16(3).Raw("x").bytes,
       L"truncated: the constant value"},
      {"v0 no value length", StreamBuilder{}.U8(0).U32(1).Ansi("A").bytes,
       L"truncated: the constant value length"},
  };
  zt::platform::FakeSession session;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TDKLang_Constants t(&session);
    t.Add(L"KEEP", L"kept");
    auto message = ErrorOf([&] { t.LoadFromStream(c.stream); });
    EXPECT_NE(message.find(c.expected), std::wstring::npos) << zt::ToUtf8(message);
    EXPECT_EQ(Names(t), std::vector<std::wstring>{L"KEEP"});
    EXPECT_TRUE(t.AutoSaveLangSource());
  }
}

TEST(DKLangConstants, TranslateFrom) {
  TDKLang_Constants t;
  t.Add(L"A", L"a");
  t.Add(L"B", L"b");
  t.Add(L"C", L"c");
  TDKLang_Constants first;
  first.Add(L"a", L"a1");
  first.Add(L"b", L"b1");
  first.Add(L"D", L"d1");
  TDKLang_Constants second;
  second.Add(L"B", L"b2");

  t.TranslateFrom(&first);
  t.TranslateFrom(&second);
  EXPECT_EQ(t.LangConst(L"A"), L"a1");  // missing from the second file: keeps the first's text
  EXPECT_EQ(t.LangConst(L"B"), L"b2");
  EXPECT_EQ(t.LangConst(L"C"), L"c");
  EXPECT_EQ(t.IndexOfName(L"D"), -1);
  EXPECT_EQ(t.Item(0).wsDefValue, L"a");

  t.TranslateFrom(nullptr);
  for (int i = 0; i < t.Count(); ++i) EXPECT_EQ(t.Item(i).wsValue, t.Item(i).wsDefValue);
  EXPECT_EQ(t.LangConst(L"B"), L"b");
}

TEST(DKLangConstants, LoadsFromTheModuleResource) {
  zt::platform::FakeFiles files;
  TDKLang_Constants t;
  t.Add(L"KEEP", L"kept");
  EXPECT_FALSE(t.LoadFromResource(files, L"DKLANG_CONSTS"));
  EXPECT_EQ(Names(t), std::vector<std::wstring>{L"KEEP"});

  files.rcData[L"DKLANG_CONSTS"] = StreamBuilder{}.U8(3).U8(0).U32(1).Wide(L"NO_KEY").Wide(L"no key:").bytes;
  EXPECT_TRUE(t.LoadFromResource(files, L"DKLANG_CONSTS"));
  EXPECT_EQ(t.LangConst(L"NO_KEY"), L"no key:");
  EXPECT_FALSE(t.AutoSaveLangSource());

  files.rcData[L"DKLANG_CONSTS"] = {9};
  EXPECT_THROW(t.LoadFromResource(files, L"DKLANG_CONSTS"), EDKLangError);
}

TEST(DKLangConstants, RawStringAndEmptyAssignment) {
  TDKLang_Constants source;
  source.Add(L"X", L"x");
  TDKLang_Constants t;
  t.SetAsRawString(source.AsRawString());
  EXPECT_EQ(t.LangConst(L"X"), L"x");
  t.SetAsRawString({});
  EXPECT_EQ(t.Count(), 1);
}

TEST(DKLangConstants, BuiltInStreamIsWhatTheTableWouldSave) {
  TDKLang_Constants t;
  t.LoadFromStream(zt::BuiltinConstantsStream());
  ASSERT_GT(t.Count(), 0);
  auto stream = zt::BuiltinConstantsStream();
  EXPECT_EQ(t.SaveToStream(), Bytes(stream.begin(), stream.end()));
  EXPECT_TRUE(t.AutoSaveLangSource());
}

}  // namespace
