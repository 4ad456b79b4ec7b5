#pragma once
// The readable source of the built-in constants (constants_en.txt), turned
// into a table at build time.
#include <cstddef>
#include <string>
#include <string_view>

#include "l10n/dklang_constants.h"
#include "l10n/dklang_error.h"

namespace zt {

// A fault of the source, with its 1-based line number.
class ConstantsSourceError : public EDKLangError {
 public:
  ConstantsSourceError(std::size_t line, std::wstring message)
      : EDKLangError(L"line " + std::to_wstring(line) + L": " + message), line_(line), reason_(message) {}
  std::size_t Line() const { return line_; }
  std::wstring Reason() const { return reason_; }

 private:
  std::size_t line_;
  std::wstring reason_;
};

// UTF-8 text (an optional BOM is skipped): one NAME=text per line, ";"
// starts a comment line, empty lines are skipped, name and text are trimmed
// and the text is unescaped with UnescapeText. Invalid UTF-8, a line without
// "=" and an invalid or duplicate name throw ConstantsSourceError.
TDKLang_Constants ParseConstantsSource(std::string_view source);

}  // namespace zt
