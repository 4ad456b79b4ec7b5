#include "l10n/constants_source.h"

#include <cstdint>

#include "base/utf8.h"
#include "l10n/lang_text_escape.h"

namespace zt {

namespace {

std::wstring_view Trim(std::wstring_view s) {
  while (!s.empty() && static_cast<std::uint32_t>(s.front()) <= 32) s.remove_prefix(1);
  while (!s.empty() && static_cast<std::uint32_t>(s.back()) <= 32) s.remove_suffix(1);
  return s;
}

}  // namespace

TDKLang_Constants ParseConstantsSource(std::string_view source) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (source.substr(0, kBom.size()) == kBom) source.remove_prefix(kBom.size());

  TDKLang_Constants table;
  std::size_t lineNo = 0;
  while (!source.empty()) {
    ++lineNo;
    std::size_t end = source.find('\n');
    std::string_view raw = source.substr(0, end);
    source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);

    std::wstring wide;
    std::size_t bad = 0;
    if (!FromUtf8(raw, wide, bad))
      throw ConstantsSourceError(lineNo, L"invalid UTF-8 at column " + std::to_wstring(bad + 1));
    // Trimming also drops the CR of CR LF line ends.
    std::wstring_view line = Trim(wide);
    if (line.empty() || line.front() == L';') continue;
    std::size_t eq = line.find(L'=');
    if (eq == std::wstring_view::npos) throw ConstantsSourceError(lineNo, L"expected NAME=text");
    try {
      table.Add(Trim(line.substr(0, eq)), UnescapeText(Trim(line.substr(eq + 1))));
    } catch (const EDKLangError& e) {
      throw ConstantsSourceError(lineNo, e.Message());
    }
  }
  return table;
}

}  // namespace zt
