#pragma once
// One language file (".lng") in memory: its parameters, its message
// constants and the property texts of each form, with the reader and the
// writer of the text form.
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "l10n/dklang_constants.h"
#include "platform/files.h"
#include "platform/session.h"

namespace zt {

// English (United States): the language of the built-in texts.
inline constexpr std::uint16_t kLangIdUSEnglish = 1033;

struct TDKLang_PropValueTranslation {
  std::int32_t iID = 0;
  std::wstring wsValue;
  TDKLang_TranslationStates TranStates;
};

// The property texts of one form's section, kept sorted by ID.
class TDKLang_CompTranslation {
 public:
  explicit TDKLang_CompTranslation(std::wstring componentName) : componentName_(std::move(componentName)) {}

  const std::wstring& ComponentName() const { return componentName_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const TDKLang_PropValueTranslation& Item(int index) const {
    return items_.at(static_cast<std::size_t>(index));
  }

  // Inserts in ID order and returns the position. An ID already present
  // throws EDKLangError.
  int Add(std::int32_t id, std::wstring_view value, TDKLang_TranslationStates states = {});
  // Replaces the texts with `items`, sorted by ID; a repeated ID throws
  // EDKLangError and changes nothing.
  void Assign(std::vector<TDKLang_PropValueTranslation> items);
  // -1 when absent.
  int IndexOfID(std::int32_t id) const;
  const TDKLang_PropValueTranslation* FindID(std::int32_t id) const;

 private:
  std::wstring componentName_;
  std::vector<TDKLang_PropValueTranslation> items_;
};

struct TDKLang_Param {
  std::wstring wsName;
  std::wstring wsValue;
};

class TDKLang_CompTranslations {
 public:
  // The session decodes files without a byte-order mark (system ANSI code
  // page).
  explicit TDKLang_CompTranslations(platform::Session& session);
  // The constants' language callback refers to this object.
  TDKLang_CompTranslations(const TDKLang_CompTranslations&) = delete;
  TDKLang_CompTranslations& operator=(const TDKLang_CompTranslations&) = delete;

  // The entries before the first section, in file order.
  std::vector<TDKLang_Param>& Params() { return params_; }
  const std::vector<TDKLang_Param>& Params() const { return params_; }
  // The first parameter of that name (any case).
  std::optional<std::wstring> ParamValue(std::wstring_view name) const;
  // The parameter as a decimal integer; `fallback` when absent or not a number.
  std::int32_t IntParam(std::wstring_view name, std::int32_t fallback) const;
  // The low 16 bits of "LANGID"; 1033 when absent or not a number.
  std::uint16_t LangID() const;

  // The "$CONSTANTS" section; its language callback gives LangID().
  TDKLang_Constants& Constants() { return constants_; }
  const TDKLang_Constants& Constants() const { return constants_; }

  // The form sections in the order they first appear.
  int Count() const { return static_cast<int>(sections_.size()); }
  const TDKLang_CompTranslation& Item(int index) const {
    return sections_.at(static_cast<std::size_t>(index));
  }
  // Section names compare without regard to (ASCII) case: they are component
  // names. -1 when absent.
  int IndexOfComponentName(std::wstring_view name) const;
  const TDKLang_CompTranslation* FindComponentName(std::wstring_view name) const;
  // The section of that name, appended when there is none. The reference
  // lasts until Clear.
  TDKLang_CompTranslation& Add(std::wstring_view componentName);
  void Clear();

  // Replaces the contents with a parsed language file. With paramsOnly,
  // reading stops at the first line that starts with "[". A fault in a line
  // throws EDKLangError "Loading translations failed.\r\nLine <index from
  // 0>: <cause>" and leaves the contents empty.
  void Text_LoadFromStream(std::span<const std::uint8_t> bytes, bool paramsOnly = false);
  // The same from a file, which must open for reading with writing by
  // others denied; else platform::FileError.
  void Text_LoadFromFile(platform::Files& files, std::wstring_view path, bool paramsOnly = false);
  // The canonical layout, in UTF-16LE with a byte-order mark. With
  // skipUntranslated, entries marked dktsUntranslated are left out.
  std::vector<std::uint8_t> Text_SaveToStream(bool skipUntranslated = false) const;

 private:
  platform::Session& session_;
  std::vector<TDKLang_Param> params_;
  TDKLang_Constants constants_;
  std::deque<TDKLang_CompTranslation> sections_;        // a deque keeps Add's references valid
  std::unordered_map<std::wstring, int> sectionIndex_;  // upper-cased name -> position
};

}  // namespace zt
