#pragma once
// The language controller of a translated window: a non-visual component
// owned by the window that holds the window's entry tree, captures the
// built-in texts once the window is built, and lets the language manager
// write the texts of the current language into the window.
//
// A window gets its controller right after its layout is built:
//
//   ui::layout::Build(form, MainFormLayout());
//   AttachLanguageController(form, manager, files, kMainFormIgnoreList);
//
// From then on every language switch of the manager re-translates the
// window; destroying the window unregisters the controller.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "l10n/language_controller.h"
#include "l10n/language_manager.h"
#include "platform/files.h"
#include "ui/component.h"
#include "ui/form.h"
#include "ui/translation/lang_entries.h"
#include "ui/types.h"

namespace zt::ui {

// A list of strings kept sorted without regard to (ASCII) case; adding a
// string already present (in any case) changes nothing.
class SortedStringList {
 public:
  void Add(std::wstring_view text);
  void Assign(std::span<const std::wstring_view> texts);
  void Clear() { items_.clear(); }
  int Count() const { return static_cast<int>(items_.size()); }
  const std::wstring& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::vector<std::wstring>& Items() const { return items_; }

 private:
  std::vector<std::wstring> items_;
};

enum class TDKLanguageControllerOption {
  dklcoAutoSaveLangSource,
  dklcoIgnoreEmptyProps,
  dklcoIgnoreNonAlphaProps,
  dklcoIgnoreFontProps,
};
using TDKLanguageControllerOptions = Set<TDKLanguageControllerOption>;

class TDKLanguageController : public Component {
 public:
  // Registers with the manager for the controller's whole life.
  explicit TDKLanguageController(TDKLanguageManager& manager);
  ~TDKLanguageController() override;
  std::wstring_view ClassName() const override { return L"TDKLanguageController"; }

  // Masks of full names ("LabelOS.Caption", ".Caption") never recorded.
  SortedStringList& IgnoreList() { return ignoreList_; }
  // Masks of full names recorded even when their text is empty.
  SortedStringList& StoreList() { return storeList_; }
  TDKLanguageControllerOptions Options() const { return options_; }
  void SetOptions(TDKLanguageControllerOptions options) { options_ = options; }
  // The window's section in language files; empty: the window's name.
  const std::wstring& SectionName() const { return sectionName_; }
  void SetSectionName(std::wstring name) { sectionName_ = std::move(name); }
  std::wstring ActualSectionName() const;
  TDKLang_CompEntry& RootCompEntry() { return root_; }

  // Reads the window's stored entries ("LangData"); EDKLangError when they
  // are malformed.
  void LoadLangData(std::span<const std::uint8_t> langData);
  // The window's layout is complete: binds the entries to its components,
  // captures their built-in texts and translates the window into the
  // current language. Throws std::logic_error without an owner.
  void Loaded();

  // A component leaving the window takes its entries along.
  void Notification(Component& component, Operation operation) override;

  // Raised before and after the manager translates the window.
  std::function<void()> OnLanguageChanging;
  std::function<void()> OnLanguageChanged;

 private:
  // The controller as the manager sees it.
  class Link : public LanguageController {
   public:
    explicit Link(TDKLanguageController& controller) : controller_(controller) {}
    std::wstring ActualSectionName() const override { return controller_.ActualSectionName(); }
    void ApplyTranslation(const TDKLang_CompTranslation* section, std::uint32_t codePage) override {
      controller_.root_.ApplyTranslation(section, codePage);
    }
    void OnLanguageChanging() override {
      if (controller_.OnLanguageChanging) controller_.OnLanguageChanging();
    }
    void OnLanguageChanged() override {
      if (controller_.OnLanguageChanged) controller_.OnLanguageChanged();
    }

   private:
    TDKLanguageController& controller_;
  };

  TDKLanguageManager& manager_;
  Link link_{*this};
  SortedStringList ignoreList_;
  SortedStringList storeList_;
  TDKLanguageControllerOptions options_{TDKLanguageControllerOption::dklcoAutoSaveLangSource,
                                        TDKLanguageControllerOption::dklcoIgnoreEmptyProps,
                                        TDKLanguageControllerOption::dklcoIgnoreNonAlphaProps,
                                        TDKLanguageControllerOption::dklcoIgnoreFontProps};
  std::wstring sectionName_;
  TDKLang_CompEntry root_;
};

// The module's RCDATA resource of a window's stored entries:
// "LANGDATA_MAINFORM" for "MainForm".
std::wstring LangDataResourceName(std::wstring_view window);

// Creates the controller of a window just built from its layout, owned by
// the window, with the ignore list given and the entries of the window's
// resource, and runs Loaded. A missing resource throws EDKLangError: every
// translated window ships its entries.
TDKLanguageController& AttachLanguageController(Form& form, TDKLanguageManager& manager,
                                                platform::Files& files,
                                                std::span<const std::wstring_view> ignoreList);

}  // namespace zt::ui
