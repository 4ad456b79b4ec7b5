#pragma once
// What the language manager needs of a translated window: the section of the
// language file that belongs to it, and a way to write a section's texts
// into the window. The form-translation layer implements it.
#include <cstdint>
#include <string>

#include "l10n/lang_file.h"

namespace zt {

class LanguageController {
 public:
  virtual ~LanguageController() = default;

  // The name of the window's section in language files.
  virtual std::wstring ActualSectionName() const = 0;
  // Writes the section's texts into the window; with no section (the default
  // language, or a file without this window) the built-in texts go back.
  // 8-bit properties take the texts in `codePage`.
  virtual void ApplyTranslation(const TDKLang_CompTranslation* section, std::uint32_t codePage) = 0;

  // Raised around ApplyTranslation.
  virtual void OnLanguageChanging() {}
  virtual void OnLanguageChanged() {}
};

}  // namespace zt
