// Feeds arbitrary bytes to the language-file reader, in full and for the
// parameters only. A clean EDKLangError is the only acceptable failure; a
// file that loads must write and read back to the same contents (line
// breaks in texts all come back as CR LF).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "l10n/dklang_error.h"
#include "l10n/lang_file.h"
#include "l10n/lang_text_escape.h"
#include "platform/fake/fake_session.h"

namespace {

bool SameText(std::wstring_view a, std::wstring_view b) { return zt::EscapeText(a) == zt::EscapeText(b); }

bool SameContents(const zt::TDKLang_CompTranslations& a, const zt::TDKLang_CompTranslations& b) {
  if (a.Params().size() != b.Params().size() || a.Count() != b.Count() ||
      a.Constants().Count() != b.Constants().Count())
    return false;
  for (std::size_t i = 0; i < a.Params().size(); ++i)
    if (a.Params()[i].wsName != b.Params()[i].wsName || a.Params()[i].wsValue != b.Params()[i].wsValue)
      return false;
  for (int i = 0; i < a.Count(); ++i) {
    const auto &x = a.Item(i), &y = b.Item(i);
    if (x.ComponentName() != y.ComponentName() || x.Count() != y.Count()) return false;
    for (int k = 0; k < x.Count(); ++k)
      if (x.Item(k).iID != y.Item(k).iID || !SameText(x.Item(k).wsValue, y.Item(k).wsValue)) return false;
  }
  for (int i = 0; i < a.Constants().Count(); ++i)
    if (a.Constants().Item(i).wsName != b.Constants().Item(i).wsName ||
        !SameText(a.Constants().Item(i).wsValue, b.Constants().Item(i).wsValue))
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zt::platform::FakeSession session;
  session.ansiCodePage = 1251;
  std::span<const std::uint8_t> bytes(data, size);

  zt::TDKLang_CompTranslations params(session);
  params.Text_LoadFromStream(bytes, true);

  zt::TDKLang_CompTranslations full(session);
  try {
    full.Text_LoadFromStream(bytes);
  } catch (const zt::EDKLangError&) {
    if (full.Count() != 0 || !full.Params().empty() || full.Constants().Count() != 0) std::abort();
    return 0;
  }
  // Reading only the parameters stops at any line starting with "[", even
  // one that is no header: what it finds is where the full reading starts.
  if (params.Params().size() > full.Params().size()) std::abort();
  for (std::size_t i = 0; i < params.Params().size(); ++i)
    if (params.Params()[i].wsName != full.Params()[i].wsName ||
        params.Params()[i].wsValue != full.Params()[i].wsValue)
      std::abort();

  zt::TDKLang_CompTranslations again(session);
  again.Text_LoadFromStream(full.Text_SaveToStream());
  if (!SameContents(full, again)) std::abort();
  return 0;
}
