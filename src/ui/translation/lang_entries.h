#pragma once
// The entry tree of a translated window: which string properties of which
// components carry which translation ID, the built-in texts captured from
// them, and the stored form of the tree ("LangData").
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "l10n/lang_file.h"
#include "ui/component.h"

namespace zt::ui {

// File-name masks: "*" matches any run of characters (dots included), "?"
// any one character, everything else itself (brackets too), without regard
// to (ASCII) case.
bool MaskMatches(std::wstring_view mask, std::wstring_view name);

class TDKLang_MaskList {
 public:
  explicit TDKLang_MaskList(std::vector<std::wstring> maskStrings = {}) : masks_(std::move(maskStrings)) {}
  // True when any mask matches.
  bool Matches(std::wstring_view name) const;

 private:
  std::vector<std::wstring> masks_;
};

// Reads "LangData". Every fault throws EDKLangError naming the byte offset;
// nothing is read beyond the data.
class LangDataReader {
 public:
  explicit LangDataReader(std::span<const std::uint8_t> data) : data_(data) {}
  std::uint8_t Flag();  // 0 or 1
  std::int32_t Count(std::size_t minItemSize);
  std::int32_t Int32();
  std::int32_t PositiveId();
  std::wstring Utf8();
  // Entered around each nested entry; a tree deeper than any window is refused.
  void Enter();
  void Leave() { --depth_; }
  bool AtEnd() const { return offset_ == data_.size(); }
  [[noreturn]] void Fail(const std::wstring& what) const;

 private:
  const std::uint8_t* Take(std::size_t size);

  std::span<const std::uint8_t> data_;
  std::size_t offset_ = 0;
  int depth_ = 0;
};

class LangDataWriter {
 public:
  void Flag(bool value) { bytes_.push_back(value ? 1 : 0); }
  void Int32(std::int32_t value);
  // Throws EDKLangError when the UTF-8 form exceeds 65535 bytes.
  void Utf8(std::wstring_view text);
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

struct TDKLang_PropEntry {
  std::int32_t iID = 0;
  std::wstring wsPropName;      // the property path: "Caption", "Columns[0].Caption", ...
  std::wstring wsDefLangValue;  // the built-in text
  bool bValidated = false;      // seen while the list is rebuilt
  bool bCaptured = false;       // wsDefLangValue was taken from the window
};

// Kept sorted by property path compared without regard to (ASCII) case.
class TDKLang_PropEntries {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const TDKLang_PropEntry& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  TDKLang_PropEntry& Item(int index) { return items_.at(static_cast<std::size_t>(index)); }

  // A new path is inserted with `iID`; a known one keeps its ID. Either way
  // the entry takes the text and is marked validated. True when the path
  // was new.
  bool Add(std::int32_t iID, std::wstring_view wsPropName, std::wstring_view wsDefLangValue);
  void Delete(int index) { items_.erase(items_.begin() + index); }
  // -1 when absent.
  int IndexOfID(std::int32_t iID) const;
  int IndexOfPropName(std::wstring_view wsPropName) const;
  // True when found; index is the position found or where the path would go.
  bool FindPropName(std::wstring_view wsPropName, int& index) const;
  TDKLang_PropEntry* FindPropByName(std::wstring_view wsPropName);
  std::int32_t MaxID() const;

  // Entries are added with an empty, uncaptured text; a repeated path, or an
  // ID that is not positive, is a fault of the data.
  void LoadFromDFMResource(LangDataReader& reader);
  void SaveToDFMResource(LangDataWriter& writer) const;

 private:
  std::vector<TDKLang_PropEntry> items_;
};

class TDKLang_CompEntries;

// One component of the window: the root stands for the window itself, its
// children for the components the window owns, and theirs for components
// owned by those (an embedded frame's controls).
class TDKLang_CompEntry {
 public:
  explicit TDKLang_CompEntry(TDKLang_CompEntry* owner = nullptr);
  ~TDKLang_CompEntry();
  TDKLang_CompEntry(const TDKLang_CompEntry&) = delete;
  TDKLang_CompEntry& operator=(const TDKLang_CompEntry&) = delete;

  // The bound component's name, else the stored one.
  std::wstring Name() const;
  void SetStoredName(std::wstring name) { name_ = std::move(name); }
  ui::Component* BoundComponent() const { return component_; }
  TDKLang_CompEntry* Owner() const { return owner_; }
  // The component's path within the window: "" for the root, "LabelOS",
  // "MenuFrame.System".
  std::wstring Path() const;

  // None while the component has no recorded property / no child entry.
  TDKLang_PropEntries* PropEntries() const { return propEntries_.get(); }
  TDKLang_PropEntries& EnsurePropEntries();
  TDKLang_CompEntries* OwnedCompEntries() const { return ownedCompEntries_.get(); }
  TDKLang_CompEntries& EnsureOwnedCompEntries();

  // Binds this entry to `component` and each child entry, by name, to a
  // component that `component` owns; children naming no such component are
  // dropped, silently.
  void BindComponents(ui::Component& component);
  // Calls `visit` for every bound component below this entry.
  template <class Visit>
  void ForEachBoundChild(Visit&& visit) const;

  // Captures the built-in texts of the recorded properties. With
  // bModifyList the list itself is rebuilt from the window: every property
  // that passes the masks and the value filter gets an entry (new paths the
  // next free ID of the window, known ones keep theirs), entries of
  // properties no longer found go, and every named component gets an entry.
  void UpdateEntries(bool bModifyList, bool bIgnoreEmptyProps, bool bIgnoreNonAlphaProps,
                     bool bIgnoreFontProps, const TDKLang_MaskList& IgnoreMasks,
                     const TDKLang_MaskList& StoreMasks);
  // Writes into every recorded property its built-in text, or the section's
  // text for its ID when the section has one; properties without a captured
  // built-in text are left alone (see the .cpp).
  void ApplyTranslation(const TDKLang_CompTranslation* Translation, std::uint32_t cCodePage);
  // Drops the child entries standing for `AComponent` (at every level with
  // bRecursive) and frees lists that become empty. True when one was found.
  bool RemoveComponent(const ui::Component& AComponent, bool bRecursive);

  // "LangData": replaces the whole subtree (names, IDs and paths only) or
  // throws EDKLangError and leaves it as it was.
  void LoadFromDFMResource(std::span<const std::uint8_t> data);
  std::vector<std::uint8_t> SaveToDFMResource() const;
  void LoadFromDFMResource(LangDataReader& reader);
  void SaveToDFMResource(LangDataWriter& writer) const;

  // The largest ID of the whole window's tree; 0 when there is none.
  std::int32_t MaxWindowID() const;

 private:
  void InvalidateProps();
  std::int32_t MaxSubtreeID() const;
  void UpdateEntries(bool bModifyList, bool bIgnoreEmptyProps, bool bIgnoreNonAlphaProps,
                     const TDKLang_MaskList& IgnoreMasks, const TDKLang_MaskList& StoreMasks,
                     std::int64_t& nextFreeId);
  void UpdateOwnedEntries(bool bModifyList, bool bIgnoreEmptyProps, bool bIgnoreNonAlphaProps,
                          const TDKLang_MaskList& IgnoreMasks, const TDKLang_MaskList& StoreMasks,
                          std::int64_t& nextFreeId);
  void CheckUniqueIDs() const;

  friend class TDKLang_CompEntries;
  TDKLang_CompEntry* owner_;
  ui::Component* component_ = nullptr;
  std::wstring name_;
  std::unique_ptr<TDKLang_PropEntries> propEntries_;
  std::unique_ptr<TDKLang_CompEntries> ownedCompEntries_;
};

class TDKLang_CompEntries {
 public:
  explicit TDKLang_CompEntries(TDKLang_CompEntry* owner) : owner_(owner) {}

  int Count() const { return static_cast<int>(items_.size()); }
  TDKLang_CompEntry& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  // A new child entry at the end.
  TDKLang_CompEntry& Add();
  void Delete(int index) { items_.erase(items_.begin() + index); }
  // -1 / none when absent.
  int IndexOfComponent(const ui::Component& component) const;
  TDKLang_CompEntry* FindComponent(const ui::Component& component) const;
  // Names compare without regard to (ASCII) case.
  int IndexOfCompName(std::wstring_view name) const;

  // A child without a name, or a name given twice, is a fault of the data.
  void LoadFromDFMResource(LangDataReader& reader);
  void SaveToDFMResource(LangDataWriter& writer) const;

 private:
  friend class TDKLang_CompEntry;
  // The list and its entries now belong to `owner`.
  void Adopt(TDKLang_CompEntry* owner);

  TDKLang_CompEntry* owner_;
  std::vector<std::unique_ptr<TDKLang_CompEntry>> items_;
};

template <class Visit>
void TDKLang_CompEntry::ForEachBoundChild(Visit&& visit) const {
  if (!ownedCompEntries_) return;
  for (int i = 0; i < ownedCompEntries_->Count(); ++i) {
    const TDKLang_CompEntry& child = ownedCompEntries_->Item(i);
    if (child.component_) visit(*child.component_);
    child.ForEachBoundChild(visit);
  }
}

}  // namespace zt::ui
