#include "l10n/language_manager.h"

#include <algorithm>
#include <mutex>
#include <stdexcept>

namespace zt {

TDKLanguageManager::TDKLanguageManager(platform::Files& files, platform::Session& session)
    : files_(files), session_(session), constants_(&session, [this] { return LanguageID(); }) {
  codePage_ = session_.LanguageAnsiCodePage(languageID_);
  constants_.LoadFromResource(files_, L"DKLANG_CONSTS");
  ApplyTranslations(nullptr);
}

std::wstring TDKLanguageManager::LangConst(std::wstring_view name) const {
  std::shared_lock lock(synchronizer_);
  return constants_.LangConst(name);
}

int TDKLanguageManager::ScanForLangFiles(std::wstring_view dir, std::wstring_view mask, bool recursive) {
  std::wstring folder(dir);
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  int registered = 0;
  for (const auto& entry : files_.ListFolder(folder + std::wstring(mask))) {
    if (!entry.IsDirectory()) {
      if (RegisterLangFile(folder + entry.name)) ++registered;
    } else if (recursive && !entry.name.starts_with(L'.')) {
      registered += ScanForLangFiles(folder + entry.name, mask, true);
    }
  }
  return registered;
}

bool TDKLanguageManager::RegisterLangFile(std::wstring_view fileName) {
  if (!files_.FileExists(fileName)) return false;
  TDKLang_CompTranslations file(session_);
  file.Text_LoadFromFile(files_, fileName, true);
  auto langId = static_cast<std::uint16_t>(file.IntParam(L"LANGID", 0) & 0xFFFF);
  if (langId == 0) return false;

  std::unique_lock lock(synchronizer_);
  if (langId == defaultLanguageID_) return true;
  auto same = std::find_if(langResources_.begin(), langResources_.end(),
                           [&](const TDKLang_LangResource& r) { return r.wLangID == langId; });
  if (same != langResources_.end())
    same->wsName = fileName;
  else
    langResources_.push_back({std::wstring(fileName), langId});
  return true;
}

int TDKLanguageManager::LanguageCount() const {
  std::shared_lock lock(synchronizer_);
  return static_cast<int>(langResources_.size()) + 1;
}

std::uint16_t TDKLanguageManager::LanguageIDAt(int index) const {
  std::shared_lock lock(synchronizer_);
  if (index == 0) return defaultLanguageID_;
  if (index < 0 || static_cast<std::size_t>(index) > langResources_.size())
    throw std::out_of_range("language index " + std::to_string(index) + " out of range");
  return langResources_[static_cast<std::size_t>(index) - 1].wLangID;
}

std::wstring TDKLanguageManager::LanguageNameAt(int index) const {
  std::uint16_t langId = LanguageIDAt(index);
  std::wstring name = session_.LanguageName(langId);
  return name.empty() ? std::to_wstring(langId) : name;
}

int TDKLanguageManager::IndexOfLanguageIDLocked(std::uint16_t langId) const {
  if (langId == defaultLanguageID_) return 0;
  for (std::size_t i = 0; i < langResources_.size(); ++i)
    if (langResources_[i].wLangID == langId) return static_cast<int>(i) + 1;
  return 0;
}

int TDKLanguageManager::IndexOfLanguageID(std::uint16_t langId) const {
  std::shared_lock lock(synchronizer_);
  return IndexOfLanguageIDLocked(langId);
}

std::uint16_t TDKLanguageManager::LanguageID() const {
  std::shared_lock lock(synchronizer_);
  return languageID_;
}

void TDKLanguageManager::SetLanguageID(std::uint16_t langId) {
  std::unique_ptr<TDKLang_CompTranslations> translations;
  {
    std::unique_lock lock(synchronizer_);
    translations = LoadTranslationsLocked(langId);
    std::uint16_t effective = translations ? langId : defaultLanguageID_;
    if (effective == languageID_) return;
    languageID_ = effective;
    codePage_ = session_.LanguageAnsiCodePage(effective);
  }
  ApplyTranslations(translations.get());
}

int TDKLanguageManager::LanguageIndex() const {
  std::shared_lock lock(synchronizer_);
  return IndexOfLanguageIDLocked(languageID_);
}

void TDKLanguageManager::SetLanguageIndex(int index) { SetLanguageID(LanguageIDAt(index)); }

std::uint16_t TDKLanguageManager::DefaultLanguageID() const {
  std::shared_lock lock(synchronizer_);
  return defaultLanguageID_;
}

void TDKLanguageManager::SetDefaultLanguageID(std::uint16_t langId) {
  std::unique_lock lock(synchronizer_);
  defaultLanguageID_ = langId;
}

std::uint32_t TDKLanguageManager::CodePage() const {
  std::shared_lock lock(synchronizer_);
  return codePage_;
}

void TDKLanguageManager::TranslateFromStream(std::span<const std::uint8_t> bytes) {
  auto translations = std::make_unique<TDKLang_CompTranslations>(session_);
  translations->Text_LoadFromStream(bytes);
  {
    std::unique_lock lock(synchronizer_);
    languageID_ = translations->LangID();
    codePage_ = session_.LanguageAnsiCodePage(languageID_);
  }
  ApplyTranslations(translations.get());
}

std::unique_ptr<TDKLang_CompTranslations> TDKLanguageManager::LoadTranslationsLocked(
    std::uint16_t langId) const {
  if (langId == defaultLanguageID_) return nullptr;
  auto found = std::find_if(langResources_.begin(), langResources_.end(),
                            [&](const TDKLang_LangResource& r) { return r.wLangID == langId; });
  if (found == langResources_.end()) return nullptr;
  auto translations = std::make_unique<TDKLang_CompTranslations>(session_);
  translations->Text_LoadFromFile(files_, found->wsName);
  return translations;
}

std::unique_ptr<TDKLang_CompTranslations> TDKLanguageManager::LoadTranslations(std::uint16_t langId) const {
  std::shared_lock lock(synchronizer_);
  return LoadTranslationsLocked(langId);
}

void TDKLanguageManager::ApplyTranslations(const TDKLang_CompTranslations* translations) {
  std::vector<LanguageController*> controllers;
  std::uint32_t codePage;
  {
    // The constants change under the exclusive lock: readers of LangConst
    // must never see a text half replaced.
    std::unique_lock lock(synchronizer_);
    constants_.TranslateFrom(translations ? &translations->Constants() : nullptr);
    controllers = controllers_;
    codePage = codePage_;
  }
  for (auto* controller : controllers) TranslateController(translations, *controller, codePage);
}

void TDKLanguageManager::TranslateController(const TDKLang_CompTranslations* translations,
                                             LanguageController& controller, std::uint32_t codePage) {
  const TDKLang_CompTranslation* section =
      translations ? translations->FindComponentName(controller.ActualSectionName()) : nullptr;
  controller.OnLanguageChanging();
  try {
    controller.ApplyTranslation(section, codePage);
  } catch (...) {
    controller.OnLanguageChanged();
    throw;
  }
  controller.OnLanguageChanged();
}

void TDKLanguageManager::AddController(LanguageController& controller) {
  std::unique_lock lock(synchronizer_);
  if (std::find(controllers_.begin(), controllers_.end(), &controller) == controllers_.end())
    controllers_.push_back(&controller);
}

void TDKLanguageManager::RemoveController(LanguageController& controller) {
  std::unique_lock lock(synchronizer_);
  std::erase(controllers_, &controller);
}

void TDKLanguageManager::TranslateLoadedController(LanguageController& controller) {
  std::unique_ptr<TDKLang_CompTranslations> translations;
  std::uint32_t codePage;
  {
    std::shared_lock lock(synchronizer_);
    if (languageID_ == defaultLanguageID_) return;
    translations = LoadTranslationsLocked(languageID_);
    codePage = codePage_;
  }
  TranslateController(translations.get(), controller, codePage);
}

}  // namespace zt
