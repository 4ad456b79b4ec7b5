#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/utf16.h"
#include "base/utf8.h"
#include "l10n/dklang_error.h"
#include "l10n/lang_file.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_session.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using zt::TDKLang_CompTranslations;

Bytes Utf16Le(std::wstring_view text) {
  Bytes bytes{0xFF, 0xFE};
  auto units = zt::ToUtf16LeBytes(text);
  bytes.insert(bytes.end(), units.begin(), units.end());
  return bytes;
}

Bytes Raw(std::string_view text) { return Bytes(text.begin(), text.end()); }

// Everything the reader keeps, one item a line: "P name=value" for a
// parameter, "[name]" for a form section followed by its "id=text" lines,
// "C name=text" for a constant.
std::wstring Dump(const TDKLang_CompTranslations& t) {
  std::wstring out;
  for (const auto& p : t.Params()) out += L"P " + p.wsName + L"=" + p.wsValue + L"\n";
  for (int i = 0; i < t.Count(); ++i) {
    out += L"[" + t.Item(i).ComponentName() + L"]\n";
    for (int k = 0; k < t.Item(i).Count(); ++k)
      out += std::to_wstring(t.Item(i).Item(k).iID) + L"=" + t.Item(i).Item(k).wsValue + L"\n";
  }
  for (int i = 0; i < t.Constants().Count(); ++i)
    out += L"C " + t.Constants().Item(i).wsName + L"=" + t.Constants().Item(i).wsValue + L"\n";
  return out;
}

class LangFile : public ::testing::Test {
 protected:
  std::wstring Load(const Bytes& bytes, bool paramsOnly = false) {
    TDKLang_CompTranslations t(session);
    t.Text_LoadFromStream(bytes, paramsOnly);
    return Dump(t);
  }
  // The message of the error, and that the object is left empty.
  std::wstring LoadError(const Bytes& bytes) {
    TDKLang_CompTranslations t(session);
    t.Params().push_back({L"OLD", L"1"});
    try {
      t.Text_LoadFromStream(bytes);
    } catch (const zt::EDKLangError& e) {
      EXPECT_EQ(Dump(t), L"");
      return e.Message();
    }
    ADD_FAILURE() << "no error";
    return {};
  }

  zt::platform::FakeSession session;
};

struct ReadCase {
  const char* name;
  Bytes file;
  std::wstring expected;
};

TEST_F(LangFile, Encodings) {
  session.ansiCodePage = 1251;
  Bytes utf16be{0xFE, 0xFF};
  for (char16_t u : std::u16string(u"[F]\n1=\u041f\u0440")) {
    utf16be.push_back(static_cast<std::uint8_t>(u >> 8));
    utf16be.push_back(static_cast<std::uint8_t>(u & 0xFF));
  }
  Bytes oddLength = Utf16Le(L"[F]\n1=ab");
  oddLength.push_back('c');
  const ReadCase cases[] = {
      {"utf-16le", Utf16Le(L"[F]\n1=\u041f\u0440"), L"[F]\n1=\u041f\u0440\n"},
      {"utf-16be", utf16be, L"[F]\n1=\u041f\u0440\n"},
      {"utf-16 odd last byte dropped", oddLength, L"[F]\n1=ab\n"},
      {"utf-8", Raw("\xEF\xBB\xBF[F]\n1=\xD0\x9F\xD1\x80"), L"[F]\n1=\u041f\u0440\n"},
      {"utf-8 faults become U+FFFD", Raw("\xEF\xBB\xBF[F]\n1=a\xFF\xC3(\xE2\x82"),
       L"[F]\n1=a\uFFFD\uFFFD(\uFFFD\uFFFD\n"},
      {"no mark: system ANSI code page", Raw("[F]\n1=\xCF\xF0"), L"[F]\n1=\u041f\u0440\n"},
      {"empty", {}, L""},
      {"mark only", Bytes{0xFF, 0xFE}, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Load(c.file), c.expected);
  }
}

TEST_F(LangFile, LineRules) {
  const ReadCase cases[] = {
      {"crlf, lf and cr", Utf16Le(L"A=1\r\nB=2\nC=3\rD=4"), L"P A=1\nP B=2\nP C=3\nP D=4\n"},
      {"blank and control characters trimmed", Utf16Le(L" \t\x01 A = 1 \x7 \r\n\x1f[ F ]\x02\n 1 =  x "),
       L"P A=1\n[F]\n1=x\n"},
      {"comments and empty lines", Utf16Le(L"; note\n\n  ;A=1\nB=2;3"), L"P B=2;3\n"},
      {"no equals or empty name skipped", Utf16Le(L"[F]\nfoo\n=x\n1=a=b"), L"[F]\n1=a=b\n"},
      {"before the first header: parameters", Utf16Le(L"LANGID=1049\nName=Russian\n[F]\nLANGID=1"),
       L"P LANGID=1049\nP Name=Russian\n[F]\n"},
      {"[] and an unclosed header leave the section", Utf16Le(L"[]\nA=1\n[F]\n[x\n1=a\n[]\n2=b"),
       L"P A=1\n[F]\n1=a\n2=b\n"},
      {"blanks inside the brackets", Utf16Le(L"[  Main Form ]\n1=a"), L"[Main Form]\n1=a\n"},
      {"[ ] is a section without a name", Utf16Le(L"[ ]\n1=a"), L"[]\n1=a\n"},
      {"constants header in any case", Utf16Le(L"[$constants]\nLangTTL=Язык"), L"C LangTTL=Язык\n"},
      {"repeated section continues, any case",
       Utf16Le(L"[Form]\n2=b\n[Other]\n1=x\n[FORM]\n1=a\n[$CONSTANTS]\nB=2\n[$Constants]\nA=1"),
       L"[Form]\n1=a\n2=b\n[Other]\n1=x\nC A=1\nC B=2\n"},
      {"ids sorted; non-numbers and ids up to 0 skipped",
       Utf16Le(L"[F]\n00000010=j\n3=c\nCaption=x\n0=z\n-4=n\n99999999999=o\n1a=p\n+2=b\n2147483647=m"),
       L"[F]\n2=b\n3=c\n10=j\n2147483647=m\n"},
      {"escapes", Utf16Le(L"[F]\n1=\\32x\\32\n2=a\\nb\\tc\n3=\\q\\\\\n4=\\N\\"),
       L"[F]\n1= x \n2=a\r\nb\tc\n3=\\q\\\n4=\\N\\\n"},
      {"constants unescaped, names in table order", Utf16Le(L"[$CONSTANTS]\nb_1=x\\ny\nB=\\32\nA_=\\09"),
       L"C A_=\t\nC B= \nC b_1=x\r\ny\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Load(c.file), c.expected);
  }
}

TEST_F(LangFile, ParametersOnlyStopAtTheFirstBracket) {
  const ReadCase cases[] = {
      {"form header", Utf16Le(L"LANGID=1049\n[F]\n1=a\nX=1"), L"P LANGID=1049\n"},
      {"even [] stops", Utf16Le(L"A=1\n[]\nB=2"), L"P A=1\n"},
      {"a faulty section is never read", Utf16Le(L"LANGID=1049\n[$CONSTANTS]\n1ABC=x\nA=1\nA=2"),
       L"P LANGID=1049\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Load(c.file, true), c.expected);
  }
}

TEST_F(LangFile, FaultsNameTheLineCountedFromZero) {
  const struct {
    const char* name;
    Bytes file;
    std::wstring message;
  } cases[] = {
      {"duplicate id", Utf16Le(L"[F]\n1=a\n1=b"),
       L"Loading translations failed.\r\nLine 2: Duplicate property value translation ID (1)"},
      {"duplicate id across a repeated section", Utf16Le(L"; c\n[F]\n7=a\n[G]\n7=b\n\n[f]\n00000007=c"),
       L"Loading translations failed.\r\nLine 7: Duplicate property value translation ID (7)"},
      {"constant name starting with a digit", Utf16Le(L"[$CONSTANTS]\r\n1ABC=x"),
       L"Loading translations failed.\r\nLine 1: Invalid constant name (\"1ABC\")"},
      {"constant name with a hyphen, after cr endings", Utf16Le(L"A=1\r[$CONSTANTS]\rOK=1\rA-B=x"),
       L"Loading translations failed.\r\nLine 3: Invalid constant name (\"A-B\")"},
      {"constant name in another case", Utf16Le(L"[$CONSTANTS]\nLangTTL=a\n[F]\n[$CONSTANTS]\nLANGTTL=b"),
       L"Loading translations failed.\r\nLine 4: Duplicate constant name (\"LANGTTL\")"},
      {"the first fault in the file wins", Utf16Le(L"[$CONSTANTS]\nB=1\n[F]\n1=a\n1=b\n[$CONSTANTS]\nB=2"),
       L"Loading translations failed.\r\nLine 4: Duplicate property value translation ID (1)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LoadError(c.file), c.message);
  }
}

TEST_F(LangFile, LookupsAndLanguageId) {
  TDKLang_CompTranslations t(session);
  t.Text_LoadFromStream(Utf16Le(L"langid = 1049\n[MainForm]\n5=e\n4=d\n[SRBox]\n1=a"));
  EXPECT_EQ(t.LangID(), 1049);
  EXPECT_EQ(t.IndexOfComponentName(L"srbox"), 1);
  EXPECT_EQ(t.FindComponentName(L"Missing"), nullptr);
  const auto* form = t.FindComponentName(L"MAINFORM");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->IndexOfID(5), 1);
  EXPECT_EQ(form->IndexOfID(6), -1);
  ASSERT_NE(form->FindID(4), nullptr);
  EXPECT_EQ(form->FindID(4)->wsValue, L"d");

  const struct {
    const wchar_t* file;
    std::uint16_t langId;
  } ids[] = {{L"A=1", 1033},          {L"LANGID=x", 1033},    {L"LANGID=", 1033},
             {L"LANGID=66585", 1049}, {L"LANGID=-1", 0xFFFF}, {L"LANGID=99999999999", 1033}};
  for (const auto& c : ids) {
    SCOPED_TRACE(zt::ToUtf8(c.file));
    t.Text_LoadFromStream(Utf16Le(c.file));
    EXPECT_EQ(t.LangID(), c.langId);
  }
}

TEST_F(LangFile, LoadsFromTheFileSystem) {
  zt::platform::FakeFiles files;
  files.files[L"C:\\Zentory\\ru.lng"] = {Utf16Le(L"LANGID=1049\n[F]\n1=a")};
  files.files[L"C:\\Zentory\\locked.lng"] = {Utf16Le(L"LANGID=1031"), zt::platform::kFileAttributeArchive,
                                             zt::platform::kFileErrorSharingViolation};
  TDKLang_CompTranslations t(session);
  t.Text_LoadFromFile(files, L"c:\\zentory\\RU.lng");
  EXPECT_EQ(Dump(t), L"P LANGID=1049\n[F]\n1=a\n");
  try {
    t.Text_LoadFromFile(files, L"C:\\Zentory\\locked.lng");
    ADD_FAILURE() << "no error";
  } catch (const zt::platform::FileError& e) {
    EXPECT_EQ(e.Code(), zt::platform::kFileErrorSharingViolation);
    EXPECT_EQ(e.Path(), L"C:\\Zentory\\locked.lng");
  }
  EXPECT_THROW(t.Text_LoadFromFile(files, L"C:\\Zentory\\none.lng"), zt::platform::FileError);
}

TEST(LangFileWriter, CanonicalLayoutAndRoundTrip) {
  zt::platform::FakeSession session;
  TDKLang_CompTranslations t(session);
  t.Params() = {{L"LANGID", L"1049"}, {L"Author", L"A = B"}};
  auto& form = t.Add(L"MainForm");
  form.Add(704, L"line one\r\nline two\tend");
  form.Add(4, L"C:\\dir");
  form.Add(12, L"draft", {zt::dktsUntranslated});
  EXPECT_THROW(form.Add(4, L"again"), zt::EDKLangError);
  t.Add(L"SRBox").Add(1, std::wstring(L" padded ") + wchar_t(1) + L" ");
  t.Add(L"Empty");
  t.Constants().Add(L"ADMIN_WARNING", L"Warning");
  t.Constants().Add(L"ADMINWARN", L"  two blanks");
  t.Constants().Add(L"NEW_ITEM", L"new", {zt::dktsUntranslated});
  EXPECT_EQ(&t.Add(L"mainform"), &form);

  const std::wstring all =
      L"LANGID=1049\r\nAuthor=A = B\r\n\r\n"
      L"[MainForm]\r\n00000004=C:\\\\dir\r\n00000012=draft\r\n00000704=line one\\nline two\\tend\r\n\r\n"
      L"[SRBox]\r\n00000001=\\32padded \\01\\32\r\n\r\n"
      L"[Empty]\r\n\r\n"
      L"[$CONSTANTS]\r\nADMINWARN=\\32\\32two blanks\r\nADMIN_WARNING=Warning\r\nNEW_ITEM=new\r\n";
  EXPECT_EQ(t.Text_SaveToStream(), Utf16Le(all));

  TDKLang_CompTranslations again(session);
  again.Text_LoadFromStream(t.Text_SaveToStream());
  EXPECT_EQ(Dump(again), Dump(t));

  std::wstring translatedOnly = all;
  for (std::wstring_view cut : {L"00000012=draft\r\n", L"NEW_ITEM=new\r\n"})
    translatedOnly.erase(translatedOnly.find(cut), cut.size());
  EXPECT_EQ(t.Text_SaveToStream(true), Utf16Le(translatedOnly));
}

TEST(LangFileWriter, ASectionWithoutANameStaysASection) {
  zt::platform::FakeSession session;
  TDKLang_CompTranslations t(session);
  t.Add(L"F").Add(1, L"a");
  t.Add(L"").Add(1, L"b");
  TDKLang_CompTranslations again(session);
  again.Text_LoadFromStream(t.Text_SaveToStream());
  EXPECT_EQ(Dump(again), L"[F]\n1=a\n[]\n1=b\n");
}

}  // namespace
