// Feeds arbitrary bytes to the constants stream reader, with a session so the
// 8-bit forms of old versions are decoded too. A clean EDKLangError is the
// only acceptable failure; whatever loads must save and load back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "l10n/dklang_constants.h"
#include "l10n/dklang_error.h"
#include "platform/fake/fake_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zt::platform::FakeSession session;
  session.ansiCodePage = 1251;
  zt::TDKLang_Constants table(&session, [] { return std::uint16_t{1252}; });
  try {
    table.LoadFromStream(std::span<const std::uint8_t>(data, size));
  } catch (const zt::EDKLangError&) {
    return 0;
  }

  auto saved = table.SaveToStream();
  zt::TDKLang_Constants again;
  again.LoadFromStream(saved);
  if (again.Count() != table.Count() || again.AutoSaveLangSource() != table.AutoSaveLangSource())
    std::abort();
  for (int i = 0; i < table.Count(); ++i) {
    if (again.Item(i).wsName != table.Item(i).wsName || again.Item(i).wsValue != table.Item(i).wsValue)
      std::abort();
    if (table.LangConst(table.Item(i).wsName) != table.Item(i).wsValue) std::abort();
  }
  return 0;
}
