#include "l10n/lang_file.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "base/utf16.h"
#include "l10n/dklang_error.h"
#include "l10n/lang_file_text.h"
#include "l10n/lang_text_escape.h"

namespace zt {

namespace {

EDKLangError DuplicateID(std::int32_t id) {
  return EDKLangError(L"Duplicate property value translation ID (" + std::to_wstring(id) + L")");
}

bool ByID(const TDKLang_PropValueTranslation& a, const TDKLang_PropValueTranslation& b) {
  return a.iID < b.iID;
}

// "%.8d".
std::wstring EightDigits(std::int32_t id) {
  std::wstring digits = std::to_wstring(std::llabs(static_cast<long long>(id)));
  if (digits.size() < 8) digits.insert(0, 8 - digits.size(), L'0');
  return id < 0 ? L"-" + digits : digits;
}

// The reader trims every line, so blanks at either end of a text would be
// lost; they are written with the escape of code 32, which it restores.
std::wstring EscapeValue(std::wstring_view text) {
  std::wstring escaped = EscapeText(text);
  std::size_t lead = escaped.find_first_not_of(L' ');
  if (lead == std::wstring::npos) lead = escaped.size();
  std::size_t trail = 0;
  while (trail < escaped.size() - lead && escaped[escaped.size() - 1 - trail] == L' ') ++trail;
  std::wstring out;
  for (std::size_t i = 0; i < lead; ++i) out += L"\\32";
  out.append(escaped, lead, escaped.size() - lead - trail);
  for (std::size_t i = 0; i < trail; ++i) out += L"\\32";
  return out;
}

class LineWriter {
 public:
  LineWriter() : bytes_{0xFF, 0xFE} {}
  void Line(std::wstring_view text) {
    auto units = ToUtf16LeBytes(text);
    bytes_.insert(bytes_.end(), units.begin(), units.end());
    bytes_.insert(bytes_.end(), {'\r', 0, '\n', 0});
  }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace

int TDKLang_CompTranslation::Add(std::int32_t id, std::wstring_view value, TDKLang_TranslationStates states) {
  TDKLang_PropValueTranslation item{id, std::wstring(value), states};
  auto at = std::lower_bound(items_.begin(), items_.end(), item, ByID);
  if (at != items_.end() && at->iID == id) throw DuplicateID(id);
  return static_cast<int>(items_.insert(at, std::move(item)) - items_.begin());
}

void TDKLang_CompTranslation::Assign(std::vector<TDKLang_PropValueTranslation> items) {
  std::stable_sort(items.begin(), items.end(), ByID);
  auto repeated = std::adjacent_find(items.begin(), items.end(),
                                     [](const auto& a, const auto& b) { return a.iID == b.iID; });
  if (repeated != items.end()) throw DuplicateID(repeated->iID);
  items_ = std::move(items);
}

int TDKLang_CompTranslation::IndexOfID(std::int32_t id) const {
  auto at = std::lower_bound(items_.begin(), items_.end(), TDKLang_PropValueTranslation{id, {}, {}}, ByID);
  return at != items_.end() && at->iID == id ? static_cast<int>(at - items_.begin()) : -1;
}

const TDKLang_PropValueTranslation* TDKLang_CompTranslation::FindID(std::int32_t id) const {
  int index = IndexOfID(id);
  return index < 0 ? nullptr : &items_[static_cast<std::size_t>(index)];
}

TDKLang_CompTranslations::TDKLang_CompTranslations(platform::Session& session)
    : session_(session), constants_(&session, [this] { return LangID(); }) {}

std::optional<std::wstring> TDKLang_CompTranslations::ParamValue(std::wstring_view name) const {
  for (const auto& p : params_)
    if (SameTextAscii(p.wsName, name)) return p.wsValue;
  return std::nullopt;
}

std::int32_t TDKLang_CompTranslations::IntParam(std::wstring_view name, std::int32_t fallback) const {
  auto value = ParamValue(name);
  auto number = value ? ParseInt32(*value) : std::nullopt;
  return number ? *number : fallback;
}

std::uint16_t TDKLang_CompTranslations::LangID() const {
  return static_cast<std::uint16_t>(IntParam(L"LANGID", kLangIdUSEnglish) & 0xFFFF);
}

int TDKLang_CompTranslations::IndexOfComponentName(std::wstring_view name) const {
  auto it = sectionIndex_.find(UpperAscii(name));
  return it == sectionIndex_.end() ? -1 : it->second;
}

const TDKLang_CompTranslation* TDKLang_CompTranslations::FindComponentName(std::wstring_view name) const {
  int index = IndexOfComponentName(name);
  return index < 0 ? nullptr : &sections_[static_cast<std::size_t>(index)];
}

TDKLang_CompTranslation& TDKLang_CompTranslations::Add(std::wstring_view componentName) {
  auto [it, added] = sectionIndex_.emplace(UpperAscii(componentName), Count());
  if (added) sections_.emplace_back(std::wstring(componentName));
  return sections_[static_cast<std::size_t>(it->second)];
}

void TDKLang_CompTranslations::Clear() {
  params_.clear();
  constants_.Clear();
  sections_.clear();
  sectionIndex_.clear();
}

void TDKLang_CompTranslations::Text_LoadFromFile(platform::Files& files, std::wstring_view path,
                                                 bool paramsOnly) {
  Text_LoadFromStream(files.ReadWholeFile(path), paramsOnly);
}

std::vector<std::uint8_t> TDKLang_CompTranslations::Text_SaveToStream(bool skipUntranslated) const {
  auto skipped = [&](TDKLang_TranslationStates states) {
    return skipUntranslated && states.Contains(dktsUntranslated);
  };
  LineWriter out;
  for (const auto& p : params_) out.Line(p.wsName + L"=" + p.wsValue);
  out.Line(L"");
  for (const auto& section : sections_) {
    // A bare "[]" is not a header, so an empty name keeps a blank between the brackets.
    out.Line(L"[" + (section.ComponentName().empty() ? std::wstring(L" ") : section.ComponentName()) + L"]");
    for (int i = 0; i < section.Count(); ++i) {
      const auto& item = section.Item(i);
      if (!skipped(item.TranStates)) out.Line(EightDigits(item.iID) + L"=" + EscapeValue(item.wsValue));
    }
    out.Line(L"");
  }
  out.Line(L"[$CONSTANTS]");
  for (int i = 0; i < constants_.Count(); ++i) {
    const auto& c = constants_.Item(i);
    if (!skipped(c.TranStates)) out.Line(c.wsName + L"=" + EscapeValue(c.wsValue));
  }
  return out.Take();
}

}  // namespace zt
