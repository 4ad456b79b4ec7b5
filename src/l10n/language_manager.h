#pragma once
// The language manager: the message constants, the available languages (the
// built-in English and the registered language files), the current language,
// and the windows re-translated whenever it changes.
//
// There is no global accessor: the program entry creates the one instance
// from the platform ports, keeps it for the whole run and passes it down by
// reference; tests make their own.
#include <cstdint>
#include <memory>
#include <shared_mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "l10n/dklang_constants.h"
#include "l10n/lang_const.h"
#include "l10n/lang_file.h"
#include "l10n/language_controller.h"
#include "platform/files.h"
#include "platform/session.h"

namespace zt {

// A registered language. This program registers language files only.
struct TDKLang_LangResource {
  std::wstring wsName;  // the file's path
  std::uint16_t wLangID = 0;
};

// Safe to call from any thread: readers share the lock; registration,
// controller changes and language switches take it alone. Controllers are
// called without the lock held, so they may use the manager themselves.
class TDKLanguageManager : public LangConstSource {
 public:
  // Loads the built-in constants from the module's "DKLANG_CONSTS" resource
  // (none: the table stays empty) and gives them their built-in texts.
  TDKLanguageManager(platform::Files& files, platform::Session& session);
  TDKLanguageManager(const TDKLanguageManager&) = delete;
  TDKLanguageManager& operator=(const TDKLanguageManager&) = delete;

  // The constant's text in the current language; EDKLangError when unknown.
  std::wstring LangConst(std::wstring_view name) const override;

  // Registers the files matching `mask` in `dir`, in listing order; with
  // `recursive` also in the matching subfolders whose names do not start
  // with ".". Returns how many were accepted. A file that cannot be read
  // throws platform::FileError.
  int ScanForLangFiles(std::wstring_view dir, std::wstring_view mask, bool recursive);
  // Reads the file's parameters. False when it does not exist or its
  // "LANGID" has no low 16 bits; true otherwise, also for the default
  // language, which is not listed. A later file of a listed language takes
  // over that language's place.
  bool RegisterLangFile(std::wstring_view fileName);

  // The default language and every registered one.
  int LanguageCount() const;
  // Index 0 is the default language; std::out_of_range outside the list.
  std::uint16_t LanguageIDAt(int index) const;
  // The platform's localised name, or the ID in decimal digits.
  std::wstring LanguageNameAt(int index) const;
  // 0 for the default language and for unknown IDs.
  int IndexOfLanguageID(std::uint16_t langId) const;

  std::uint16_t LanguageID() const;
  // Loads the language's file and re-translates everything; an ID without a
  // file means the default language. Nothing happens when the language is
  // already current. A faulty file throws EDKLangError and changes nothing.
  void SetLanguageID(std::uint16_t langId);
  int LanguageIndex() const;
  void SetLanguageIndex(int index);

  std::uint16_t DefaultLanguageID() const;
  void SetDefaultLanguageID(std::uint16_t langId);
  // The ANSI code page of the current language.
  std::uint32_t CodePage() const;

  // Parses a whole language file and makes its "LANGID" (1033 when absent)
  // the current language, registered or not, then applies it.
  void TranslateFromStream(std::span<const std::uint8_t> bytes);
  // The translations of a registered language, read in full; none for the
  // default language or an unknown one.
  std::unique_ptr<TDKLang_CompTranslations> LoadTranslations(std::uint16_t langId) const;
  // Gives the constants the texts of `translations` (none: the built-in
  // texts; constants the file lacks keep their current text), then
  // translates every controller in registration order.
  void ApplyTranslations(const TDKLang_CompTranslations* translations);

  // A controller lives from AddController to RemoveController; the manager
  // does not own it.
  void AddController(LanguageController& controller);
  void RemoveController(LanguageController& controller);
  // For a controller whose window has just been built: translates it into
  // the current language unless that is the default.
  void TranslateLoadedController(LanguageController& controller);

 private:
  std::unique_ptr<TDKLang_CompTranslations> LoadTranslationsLocked(std::uint16_t langId) const;
  int IndexOfLanguageIDLocked(std::uint16_t langId) const;
  static void TranslateController(const TDKLang_CompTranslations* translations,
                                  LanguageController& controller, std::uint32_t codePage);

  platform::Files& files_;
  platform::Session& session_;
  mutable std::shared_mutex synchronizer_;
  TDKLang_Constants constants_;
  std::vector<LanguageController*> controllers_;
  std::vector<TDKLang_LangResource> langResources_;
  std::uint32_t codePage_ = 0;
  std::uint16_t defaultLanguageID_ = kLangIdUSEnglish;
  std::uint16_t languageID_ = kLangIdUSEnglish;
};

}  // namespace zt
