#pragma once
// The table of message constants: named texts kept sorted by name, their
// stored (stream) form, and the lookup the program uses.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "l10n/lang_const.h"
#include "platform/files.h"
#include "platform/session.h"

namespace zt {

enum TDKLang_TranslationState : std::uint8_t { dktsUntranslated, dktsAutotranslated };

// A set of TDKLang_TranslationState.
class TDKLang_TranslationStates {
 public:
  constexpr TDKLang_TranslationStates() = default;
  constexpr TDKLang_TranslationStates(std::initializer_list<TDKLang_TranslationState> states) {
    for (auto s : states) Include(s);
  }
  constexpr bool Contains(TDKLang_TranslationState s) const { return (bits_ & Bit(s)) != 0; }
  constexpr void Include(TDKLang_TranslationState s) { bits_ |= Bit(s); }
  constexpr void Exclude(TDKLang_TranslationState s) { bits_ &= static_cast<std::uint8_t>(~Bit(s)); }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(TDKLang_TranslationStates, TDKLang_TranslationStates) = default;

 private:
  static constexpr std::uint8_t Bit(TDKLang_TranslationState s) { return static_cast<std::uint8_t>(1u << s); }
  std::uint8_t bits_ = 0;
};

struct TDKLang_Constant {
  std::wstring wsName;
  std::wstring wsValue;
  std::wstring wsDefValue;  // the text given to Add
  TDKLang_TranslationStates TranStates;
};

// Names are identifiers (ASCII letter or "_", then letters, digits, "_"),
// compared without regard to case, with "_" after the letters.
class TDKLang_Constants : public LangConstSource {
 public:
  static constexpr std::uint8_t kStreamVersion = 3;
  // Gives the language whose ANSI code page decodes the texts of old streams.
  using LangIdCallback = std::function<std::uint16_t()>;

  // The session is needed only to read streams of versions 0 to 2, whose
  // texts are 8-bit; without a language callback their values decode in
  // the system ANSI code page.
  explicit TDKLang_Constants(platform::Session* session = nullptr, LangIdCallback langId = {});

  void SetSession(platform::Session* session) { session_ = session; }
  void SetLangIdCallback(LangIdCallback langId) { langId_ = std::move(langId); }

  bool AutoSaveLangSource() const { return autoSaveLangSource_; }
  void SetAutoSaveLangSource(bool value) { autoSaveLangSource_ = value; }

  int Count() const { return static_cast<int>(items_.size()); }
  const TDKLang_Constant& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  void Clear() { items_.clear(); }

  // Inserts in name order with wsDefValue = value and returns the position.
  // Throws EDKLangError for an invalid or already present name.
  int Add(std::wstring_view name, std::wstring_view value, TDKLang_TranslationStates states = {});
  // -1 when absent.
  int IndexOfName(std::wstring_view name) const;
  // True when found; index is the position found or where the name would go.
  bool FindName(std::wstring_view name, int& index) const;
  const TDKLang_Constant* FindConstName(std::wstring_view name) const;

  // Replaces the table and the flag with the stream's. On any error throws
  // EDKLangError and leaves the table as it was.
  void LoadFromStream(std::span<const std::uint8_t> stream);
  // Always the current form (version 3) with the current texts. Throws
  // EDKLangError when a name or text exceeds 65535 UTF-16 units.
  std::vector<std::uint8_t> SaveToStream() const;
  // False, and the table unchanged, when the module has no such RCDATA.
  bool LoadFromResource(platform::Files& files, std::wstring_view name);

  // With none, every text goes back to its wsDefValue; otherwise texts of
  // names present in the other table are taken from it.
  void TranslateFrom(const TDKLang_Constants* other);

  std::vector<std::uint8_t> AsRawString() const { return SaveToStream(); }
  // An empty byte string changes nothing.
  void SetAsRawString(std::span<const std::uint8_t> bytes);

  std::wstring LangConst(std::wstring_view name) const override;

 private:
  std::vector<TDKLang_Constant> items_;
  bool autoSaveLangSource_ = true;
  platform::Session* session_;
  LangIdCallback langId_;
};

}  // namespace zt
