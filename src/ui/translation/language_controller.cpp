#include "ui/translation/language_controller.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "l10n/dklang_error.h"

namespace zt::ui {

namespace {

wchar_t FoldAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool LessNoCase(std::wstring_view a, std::wstring_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](wchar_t x, wchar_t y) { return FoldAscii(x) < FoldAscii(y); });
}

}  // namespace

void SortedStringList::Add(std::wstring_view text) {
  auto it = std::lower_bound(items_.begin(), items_.end(), text, LessNoCase);
  if (it != items_.end() && SameName(*it, text)) return;
  items_.insert(it, std::wstring(text));
}

void SortedStringList::Assign(std::span<const std::wstring_view> texts) {
  items_.clear();
  for (std::wstring_view text : texts) Add(text);
}

TDKLanguageController::TDKLanguageController(TDKLanguageManager& manager) : manager_(manager) {
  manager_.AddController(link_);
}

TDKLanguageController::~TDKLanguageController() { manager_.RemoveController(link_); }

std::wstring TDKLanguageController::ActualSectionName() const {
  if (!sectionName_.empty()) return sectionName_;
  return Owner() ? Owner()->Name() : std::wstring();
}

void TDKLanguageController::LoadLangData(std::span<const std::uint8_t> langData) {
  root_.LoadFromDFMResource(langData);
}

void TDKLanguageController::Loaded() {
  Component* window = Owner();
  if (!window) throw std::logic_error("a language controller needs the window that owns it");
  root_.BindComponents(*window);
  // The window hears of its own components leaving, and tells this
  // controller; components of an embedded frame tell only the frame, so
  // every bound component is asked to report its end directly.
  root_.ForEachBoundChild([this](Component& component) { FreeNotification(component); });
  using enum TDKLanguageControllerOption;
  root_.UpdateEntries(false, options_.Contains(dklcoIgnoreEmptyProps),
                      options_.Contains(dklcoIgnoreNonAlphaProps), options_.Contains(dklcoIgnoreFontProps),
                      TDKLang_MaskList(ignoreList_.Items()), TDKLang_MaskList(storeList_.Items()));
  manager_.TranslateLoadedController(link_);
}

void TDKLanguageController::Notification(Component& component, Operation operation) {
  if (operation == Operation::opRemove && &component != this) root_.RemoveComponent(component, true);
  Component::Notification(component, operation);
}

std::wstring LangDataResourceName(std::wstring_view window) {
  std::wstring name = L"LANGDATA_";
  for (wchar_t c : window) name += FoldAscii(c);
  return name;
}

TDKLanguageController& AttachLanguageController(Form& form, TDKLanguageManager& manager,
                                                platform::Files& files,
                                                std::span<const std::wstring_view> ignoreList) {
  std::wstring resource = LangDataResourceName(form.Name());
  auto langData = files.ModuleRcData(resource);
  if (!langData)
    throw EDKLangError(L"The translation entries of the window \"" + form.Name() + L"\" (resource " +
                       resource + L") are missing");
  auto controller = std::make_unique<TDKLanguageController>(manager);
  controller->SetName(L"LanguageController");
  controller->IgnoreList().Assign(ignoreList);
  controller->LoadLangData(*langData);
  TDKLanguageController& result = *controller;
  form.InsertComponent(std::move(controller));
  result.Loaded();
  return result;
}

}  // namespace zt::ui
