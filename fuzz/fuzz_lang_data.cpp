// Feeds arbitrary bytes to the reader of a window's stored entries
// ("LangData"). A clean EDKLangError that leaves the entry as it was is the
// only acceptable failure; data that loads must write out in a form that
// loads again to the same entries.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "l10n/dklang_error.h"
#include "ui/translation/lang_entries.h"

namespace {

// A window "W" with one property, as an entry holds it before the load.
const std::uint8_t kBefore[] = {1, 0, 'W', 1, 1, 0, 0, 0, 5, 0, 0, 0, 4, 0, 'H', 'i', 'n', 't', 0};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zt::ui::TDKLang_CompEntry root;
  root.LoadFromDFMResource(kBefore);
  try {
    root.LoadFromDFMResource(std::span(data, size));
  } catch (const zt::EDKLangError&) {
    auto unchanged = root.SaveToDFMResource();
    if (!std::equal(unchanged.begin(), unchanged.end(), std::begin(kBefore), std::end(kBefore))) std::abort();
    return 0;
  }
  // Property lists come back sorted, so the first writing may reorder them;
  // from then on the form is fixed.
  auto written = root.SaveToDFMResource();
  zt::ui::TDKLang_CompEntry again;
  again.LoadFromDFMResource(written);
  if (again.SaveToDFMResource() != written) std::abort();
  if (again.MaxWindowID() != root.MaxWindowID()) std::abort();
  return 0;
}
