#include "ui/translation/lang_entries.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <set>

#include "base/utf8.h"
#include "l10n/dklang_error.h"
#include "ui/translation/language_controller.h"

namespace zt::ui {

namespace {

// Deeper than any window: the window, its components, an embedded frame's
// components, and frames within frames.
constexpr int kMaxDepth = 32;

wchar_t FoldAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

int CompareNoCase(std::wstring_view a, std::wstring_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    wchar_t x = FoldAscii(a[i]), y = FoldAscii(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// A property is skipped together with everything below it, so a mask for
// "OpenDialog.FileTypes" or "OpenDialog.FileTypes[0]" also covers
// "OpenDialog.FileTypes[0].FileMask".
bool Ignored(const TDKLang_MaskList& masks, const std::wstring& componentPath,
             std::wstring_view propertyPath) {
  std::wstring prefix = componentPath + L".";
  for (std::size_t i = 0; i <= propertyPath.size(); ++i) {
    if (i < propertyPath.size() && propertyPath[i] != L'.' && propertyPath[i] != L'[') continue;
    if (i > 0 && masks.Matches(prefix + std::wstring(propertyPath.substr(0, i)))) return true;
  }
  return false;
}

// A Latin letter, or any character above U+040D (Cyrillic and beyond).
bool HasLetter(std::wstring_view text) {
  return std::any_of(text.begin(), text.end(), [](wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || static_cast<std::uint32_t>(c) > 0x040D;
  });
}

bool PassesValueFilter(std::wstring_view value, bool ignoreEmpty, bool ignoreNonAlpha) {
  if (ignoreNonAlpha) return HasLetter(value);
  return !ignoreEmpty || !value.empty();
}

}  // namespace

bool MaskMatches(std::wstring_view mask, std::wstring_view name) {
  // Greedy matching with one backtrack point: the last "*" seen.
  std::size_t m = 0, n = 0;
  std::size_t starMask = std::wstring_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == L'*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == L'?' || FoldAscii(mask[m]) == FoldAscii(name[n]))) {
      ++m;
      ++n;
    } else if (starMask != std::wstring_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == L'*') ++m;
  return m == mask.size();
}

bool TDKLang_MaskList::Matches(std::wstring_view name) const {
  return std::any_of(masks_.begin(), masks_.end(),
                     [&](const std::wstring& mask) { return MaskMatches(mask, name); });
}

// --- LangData --------------------------------------------------------------

void LangDataReader::Fail(const std::wstring& what) const {
  throw EDKLangError(L"Invalid LangData at byte " + std::to_wstring(offset_) + L": " + what);
}

const std::uint8_t* LangDataReader::Take(std::size_t size) {
  if (data_.size() - offset_ < size) Fail(L"the data ends too early");
  const std::uint8_t* at = data_.data() + offset_;
  offset_ += size;
  return at;
}

std::uint8_t LangDataReader::Flag() {
  std::uint8_t value = *Take(1);
  if (value > 1) {
    --offset_;
    Fail(L"a flag is neither 0 nor 1");
  }
  return value;
}

std::int32_t LangDataReader::Count(std::size_t minItemSize) {
  std::int32_t count = Int32();
  // Every item takes at least minItemSize bytes, so a count the rest of the
  // data cannot hold is refused before anything is allocated.
  if (count < 0 || static_cast<std::size_t>(count) > (data_.size() - offset_) / minItemSize) {
    offset_ -= 4;
    Fail(L"the count " + std::to_wstring(count) + L" does not fit the data");
  }
  return count;
}

std::int32_t LangDataReader::PositiveId() {
  std::int32_t id = Int32();
  if (id <= 0) {
    offset_ -= 4;
    Fail(L"the property ID " + std::to_wstring(id) + L" is not positive");
  }
  return id;
}

std::int32_t LangDataReader::Int32() {
  const std::uint8_t* p = Take(4);
  std::uint32_t value = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
  std::int32_t result;
  std::memcpy(&result, &value, sizeof result);
  return result;
}

std::wstring LangDataReader::Utf8() {
  const std::uint8_t* p = Take(2);
  std::size_t size = p[0] | (p[1] << 8);
  std::size_t start = offset_;
  const std::uint8_t* bytes = Take(size);
  std::wstring text;
  std::size_t errorOffset = 0;
  if (!FromUtf8(std::string_view(reinterpret_cast<const char*>(bytes), size), text, errorOffset)) {
    offset_ = start + errorOffset;
    Fail(L"a name is not valid UTF-8");
  }
  return text;
}

void LangDataReader::Enter() {
  if (++depth_ > kMaxDepth) Fail(L"the entries are nested too deeply");
}

void LangDataWriter::Int32(std::int32_t value) {
  auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

void LangDataWriter::Utf8(std::wstring_view text) {
  std::string utf8 = ToUtf8(text);
  if (utf8.size() > 0xFFFF) throw EDKLangError(L"A name is too long for LangData");
  bytes_.push_back(static_cast<std::uint8_t>(utf8.size() & 0xFF));
  bytes_.push_back(static_cast<std::uint8_t>(utf8.size() >> 8));
  bytes_.insert(bytes_.end(), utf8.begin(), utf8.end());
}

// --- Property entries --------------------------------------------------------

bool TDKLang_PropEntries::FindPropName(std::wstring_view wsPropName, int& index) const {
  auto it = std::lower_bound(items_.begin(), items_.end(), wsPropName,
                             [](const TDKLang_PropEntry& e, std::wstring_view name) {
                               return CompareNoCase(e.wsPropName, name) < 0;
                             });
  index = static_cast<int>(it - items_.begin());
  return it != items_.end() && CompareNoCase(it->wsPropName, wsPropName) == 0;
}

int TDKLang_PropEntries::IndexOfPropName(std::wstring_view wsPropName) const {
  int index = 0;
  return FindPropName(wsPropName, index) ? index : -1;
}

TDKLang_PropEntry* TDKLang_PropEntries::FindPropByName(std::wstring_view wsPropName) {
  int index = 0;
  return FindPropName(wsPropName, index) ? &items_[static_cast<std::size_t>(index)] : nullptr;
}

int TDKLang_PropEntries::IndexOfID(std::int32_t iID) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].iID == iID) return static_cast<int>(i);
  return -1;
}

bool TDKLang_PropEntries::Add(std::int32_t iID, std::wstring_view wsPropName,
                              std::wstring_view wsDefLangValue) {
  int index = 0;
  bool isNew = !FindPropName(wsPropName, index);
  if (isNew)
    items_.insert(items_.begin() + index,
                  TDKLang_PropEntry{iID, std::wstring(wsPropName), L"", false, false});
  TDKLang_PropEntry& entry = items_[static_cast<std::size_t>(index)];
  entry.wsDefLangValue = wsDefLangValue;
  entry.bValidated = true;
  return isNew;
}

std::int32_t TDKLang_PropEntries::MaxID() const {
  std::int32_t result = 0;
  for (const auto& entry : items_) result = std::max(result, entry.iID);
  return result;
}

void TDKLang_PropEntries::LoadFromDFMResource(LangDataReader& reader) {
  // An ID (4 bytes) and a path length (2 bytes) at least.
  std::int32_t count = reader.Count(6);
  std::vector<TDKLang_PropEntry> loaded;
  loaded.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) {
    std::int32_t id = reader.PositiveId();
    std::wstring path = reader.Utf8();
    if (path.empty()) reader.Fail(L"a property path is empty");
    loaded.push_back(TDKLang_PropEntry{id, std::move(path), L"", true});
  }
  // Sorted once rather than inserted one by one: any order loads in linear
  // time after the sort.
  std::sort(loaded.begin(), loaded.end(), [](const TDKLang_PropEntry& a, const TDKLang_PropEntry& b) {
    return CompareNoCase(a.wsPropName, b.wsPropName) < 0;
  });
  for (std::size_t i = 1; i < loaded.size(); ++i)
    if (CompareNoCase(loaded[i - 1].wsPropName, loaded[i].wsPropName) == 0)
      reader.Fail(L"the property path \"" + loaded[i].wsPropName + L"\" is given twice");
  for (auto& entry : loaded) {
    int index = 0;
    if (FindPropName(entry.wsPropName, index))
      reader.Fail(L"the property path \"" + entry.wsPropName + L"\" is given twice");
    items_.insert(items_.begin() + index, std::move(entry));
  }
}

void TDKLang_PropEntries::SaveToDFMResource(LangDataWriter& writer) const {
  writer.Int32(Count());
  for (const auto& entry : items_) {
    writer.Int32(entry.iID);
    writer.Utf8(entry.wsPropName);
  }
}

// --- Component entries -------------------------------------------------------

TDKLang_CompEntry::TDKLang_CompEntry(TDKLang_CompEntry* owner) : owner_(owner) {}

TDKLang_CompEntry::~TDKLang_CompEntry() = default;

std::wstring TDKLang_CompEntry::Name() const { return component_ ? component_->Name() : name_; }

std::wstring TDKLang_CompEntry::Path() const {
  if (!owner_) return L"";
  std::wstring above = owner_->Path();
  return above.empty() ? Name() : above + L"." + Name();
}

TDKLang_PropEntries& TDKLang_CompEntry::EnsurePropEntries() {
  if (!propEntries_) propEntries_ = std::make_unique<TDKLang_PropEntries>();
  return *propEntries_;
}

TDKLang_CompEntries& TDKLang_CompEntry::EnsureOwnedCompEntries() {
  if (!ownedCompEntries_) ownedCompEntries_ = std::make_unique<TDKLang_CompEntries>(this);
  return *ownedCompEntries_;
}

void TDKLang_CompEntry::BindComponents(ui::Component& component) {
  component_ = &component;
  name_.clear();
  if (!ownedCompEntries_) return;
  for (int i = ownedCompEntries_->Count() - 1; i >= 0; --i) {
    TDKLang_CompEntry& child = ownedCompEntries_->Item(i);
    if (ui::Component* found = component.FindComponent(child.Name()))
      child.BindComponents(*found);
    else
      ownedCompEntries_->Delete(i);
  }
  if (ownedCompEntries_->Count() == 0) ownedCompEntries_.reset();
}

std::int32_t TDKLang_CompEntry::MaxSubtreeID() const {
  std::int32_t result = propEntries_ ? propEntries_->MaxID() : 0;
  if (ownedCompEntries_)
    for (int i = 0; i < ownedCompEntries_->Count(); ++i)
      result = std::max(result, ownedCompEntries_->Item(i).MaxSubtreeID());
  return result;
}

std::int32_t TDKLang_CompEntry::MaxWindowID() const {
  const TDKLang_CompEntry* root = this;
  while (root->owner_) root = root->owner_;
  return root->MaxSubtreeID();
}

void TDKLang_CompEntry::InvalidateProps() {
  if (propEntries_)
    for (int i = 0; i < propEntries_->Count(); ++i) propEntries_->Item(i).bValidated = false;
  if (ownedCompEntries_)
    for (int i = 0; i < ownedCompEntries_->Count(); ++i) ownedCompEntries_->Item(i).InvalidateProps();
}

void TDKLang_CompEntry::UpdateEntries(bool bModifyList, bool bIgnoreEmptyProps, bool bIgnoreNonAlphaProps,
                                      bool bIgnoreFontProps, const TDKLang_MaskList& IgnoreMasks,
                                      const TDKLang_MaskList& StoreMasks) {
  // bIgnoreFontProps needs no work here: the component model lists string
  // properties and string lists only, never the objects inside a font, so
  // font names are never recorded.
  std::int64_t nextFreeId = 0;
  if (bModifyList) {
    InvalidateProps();
    nextFreeId = std::int64_t{MaxWindowID()} + 1;
  }
  UpdateEntries(bModifyList, bIgnoreEmptyProps, bIgnoreNonAlphaProps, IgnoreMasks, StoreMasks, nextFreeId);
}

void TDKLang_CompEntry::UpdateEntries(bool bModifyList, bool bIgnoreEmptyProps, bool bIgnoreNonAlphaProps,
                                      const TDKLang_MaskList& IgnoreMasks, const TDKLang_MaskList& StoreMasks,
                                      std::int64_t& nextFreeId) {
  if (!component_) return;
  const std::wstring path = Path();
  for (const StringProperty& property : component_->StringProperties()) {
    if (Ignored(IgnoreMasks, path, property.path)) continue;
    std::wstring value = property.get();
    // A layout leaves a property out when it has its default, and the
    // default of every string property and string list is the empty text.
    bool stored = !value.empty() || StoreMasks.Matches(path + L"." + property.path);
    if (!stored || !PassesValueFilter(value, bIgnoreEmptyProps, bIgnoreNonAlphaProps)) continue;
    if (bModifyList) {
      TDKLang_PropEntries& entries = EnsurePropEntries();
      int index = 0;
      if (!entries.FindPropName(property.path, index)) {
        if (nextFreeId > std::numeric_limits<std::int32_t>::max())
          throw EDKLangError(L"No translation ID is left");
        entries.Add(static_cast<std::int32_t>(nextFreeId++), property.path, value);
      } else {
        entries.Add(entries.Item(index).iID, property.path, value);
      }
      entries.Item(index).bCaptured = true;
    } else if (propEntries_) {
      if (TDKLang_PropEntry* entry = propEntries_->FindPropByName(property.path)) {
        entry->wsDefLangValue = std::move(value);
        entry->bCaptured = true;
      }
    }
  }
  if (bModifyList && propEntries_) {
    for (int i = propEntries_->Count() - 1; i >= 0; --i)
      if (!propEntries_->Item(i).bValidated) propEntries_->Delete(i);
    if (propEntries_->Count() == 0) propEntries_.reset();
  }
  UpdateOwnedEntries(bModifyList, bIgnoreEmptyProps, bIgnoreNonAlphaProps, IgnoreMasks, StoreMasks,
                     nextFreeId);
}

void TDKLang_CompEntry::UpdateOwnedEntries(bool bModifyList, bool bIgnoreEmptyProps,
                                           bool bIgnoreNonAlphaProps, const TDKLang_MaskList& IgnoreMasks,
                                           const TDKLang_MaskList& StoreMasks, std::int64_t& nextFreeId) {
  for (ui::Component* owned : component_->Components()) {
    if (owned->Name().empty() || dynamic_cast<TDKLanguageController*>(owned)) continue;
    TDKLang_CompEntry* child = ownedCompEntries_ ? ownedCompEntries_->FindComponent(*owned) : nullptr;
    if (!child && bModifyList) {
      child = &EnsureOwnedCompEntries().Add();
      child->component_ = owned;
    }
    if (child)
      child->UpdateEntries(bModifyList, bIgnoreEmptyProps, bIgnoreNonAlphaProps, IgnoreMasks, StoreMasks,
                           nextFreeId);
  }
}

// A recorded property whose built-in text was never captured (it is on the
// ignore list, or its text failed the filter when the window was built) is
// left as it is. Writing the entry's empty text into it would wipe what the
// program put there, on every switch of language, and the file's text would
// replace a text the window never offered for translation.
void TDKLang_CompEntry::ApplyTranslation(const TDKLang_CompTranslation* Translation,
                                         std::uint32_t cCodePage) {
  // Every string property of the component model is wide, so no text needs
  // converting to cCodePage.
  if (propEntries_ && component_) {
    for (const StringProperty& property : component_->StringProperties()) {
      const TDKLang_PropEntry* entry = propEntries_->FindPropByName(property.path);
      if (!entry || !entry->bCaptured) continue;
      const TDKLang_PropValueTranslation* text = Translation ? Translation->FindID(entry->iID) : nullptr;
      property.set(text ? text->wsValue : entry->wsDefLangValue);
    }
  }
  if (ownedCompEntries_)
    for (int i = 0; i < ownedCompEntries_->Count(); ++i)
      ownedCompEntries_->Item(i).ApplyTranslation(Translation, cCodePage);
}

bool TDKLang_CompEntry::RemoveComponent(const ui::Component& AComponent, bool bRecursive) {
  if (!ownedCompEntries_) return false;
  bool removed = false;
  int index = ownedCompEntries_->IndexOfComponent(AComponent);
  if (index >= 0) {
    ownedCompEntries_->Delete(index);
    removed = true;
  }
  if (bRecursive)
    for (int i = 0; i < ownedCompEntries_->Count(); ++i)
      removed = ownedCompEntries_->Item(i).RemoveComponent(AComponent, true) || removed;
  if (ownedCompEntries_->Count() == 0) ownedCompEntries_.reset();
  return removed;
}

void TDKLang_CompEntry::LoadFromDFMResource(std::span<const std::uint8_t> data) {
  TDKLang_CompEntry loaded(owner_);
  LangDataReader reader(data);
  loaded.LoadFromDFMResource(reader);
  if (!reader.AtEnd()) reader.Fail(L"data follows the entries");
  loaded.CheckUniqueIDs();
  component_ = nullptr;
  name_ = std::move(loaded.name_);
  propEntries_ = std::move(loaded.propEntries_);
  ownedCompEntries_ = std::move(loaded.ownedCompEntries_);
  if (ownedCompEntries_) ownedCompEntries_->Adopt(this);
}

void TDKLang_CompEntry::CheckUniqueIDs() const {
  std::set<std::int32_t> seen;
  auto check = [&](const TDKLang_CompEntry& entry, auto& self) -> void {
    if (entry.propEntries_)
      for (int i = 0; i < entry.propEntries_->Count(); ++i)
        if (!seen.insert(entry.propEntries_->Item(i).iID).second)
          throw EDKLangError(L"Invalid LangData: the property ID " +
                             std::to_wstring(entry.propEntries_->Item(i).iID) + L" is given twice");
    if (entry.ownedCompEntries_)
      for (int i = 0; i < entry.ownedCompEntries_->Count(); ++i) self(entry.ownedCompEntries_->Item(i), self);
  };
  check(*this, check);
}

std::vector<std::uint8_t> TDKLang_CompEntry::SaveToDFMResource() const {
  LangDataWriter writer;
  SaveToDFMResource(writer);
  return writer.Take();
}

void TDKLang_CompEntry::LoadFromDFMResource(LangDataReader& reader) {
  reader.Enter();
  name_ = reader.Utf8();
  if (reader.Flag()) EnsurePropEntries().LoadFromDFMResource(reader);
  if (reader.Flag()) EnsureOwnedCompEntries().LoadFromDFMResource(reader);
  reader.Leave();
}

void TDKLang_CompEntry::SaveToDFMResource(LangDataWriter& writer) const {
  writer.Utf8(Name());
  writer.Flag(propEntries_ != nullptr);
  if (propEntries_) propEntries_->SaveToDFMResource(writer);
  writer.Flag(ownedCompEntries_ != nullptr);
  if (ownedCompEntries_) ownedCompEntries_->SaveToDFMResource(writer);
}

TDKLang_CompEntry& TDKLang_CompEntries::Add() {
  items_.push_back(std::make_unique<TDKLang_CompEntry>(owner_));
  return *items_.back();
}

int TDKLang_CompEntries::IndexOfComponent(const ui::Component& component) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->BoundComponent() == &component) return static_cast<int>(i);
  return -1;
}

TDKLang_CompEntry* TDKLang_CompEntries::FindComponent(const ui::Component& component) const {
  int index = IndexOfComponent(component);
  return index < 0 ? nullptr : items_[static_cast<std::size_t>(index)].get();
}

int TDKLang_CompEntries::IndexOfCompName(std::wstring_view name) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (SameName(items_[i]->Name(), name)) return static_cast<int>(i);
  return -1;
}

void TDKLang_CompEntries::LoadFromDFMResource(LangDataReader& reader) {
  // A name length (2 bytes) and two flags at least.
  std::int32_t count = reader.Count(4);
  std::set<std::wstring> names;  // folded to upper case
  for (std::int32_t i = 0; i < count; ++i) {
    TDKLang_CompEntry& child = Add();
    child.LoadFromDFMResource(reader);
    std::wstring name = child.Name();
    if (name.empty()) reader.Fail(L"a component entry has no name");
    std::transform(name.begin(), name.end(), name.begin(), FoldAscii);
    if (!names.insert(name).second) reader.Fail(L"the component \"" + child.Name() + L"\" is given twice");
  }
}

void TDKLang_CompEntries::Adopt(TDKLang_CompEntry* owner) {
  owner_ = owner;
  for (auto& item : items_) item->owner_ = owner;
}

void TDKLang_CompEntries::SaveToDFMResource(LangDataWriter& writer) const {
  writer.Int32(Count());
  for (const auto& item : items_) item->SaveToDFMResource(writer);
}

}  // namespace zt::ui
