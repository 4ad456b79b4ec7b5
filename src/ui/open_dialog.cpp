#include "ui/open_dialog.h"

#include "ui/host.h"

namespace zt::ui {

bool OpenDialog::Execute() {
  Host* host = FindHost();
  if (!host) return false;
  auto chosen = host->ExecuteOpenDialog(*this);
  if (!chosen) return false;
  fileName_ = std::move(*chosen);
  return true;
}

std::vector<StringProperty> OpenDialog::StringProperties() {
  std::vector<StringProperty> list;
  list.push_back(StringProperty{L"FileName", [this] { return fileName_; },
                                [this](const std::wstring& v) { fileName_ = v; }});
  for (std::size_t i = 0; i < fileTypes_.size(); ++i) {
    auto field = [this, i](std::wstring path, std::wstring FileType::*member) {
      return StringProperty{
          L"FileTypes[" + std::to_wstring(i) + L"]." + path,
          [this, i, member] { return i < fileTypes_.size() ? fileTypes_[i].*member : std::wstring(); },
          [this, i, member](const std::wstring& v) {
            if (i < fileTypes_.size()) fileTypes_[i].*member = v;
          }};
    };
    list.push_back(field(L"DisplayName", &FileType::DisplayName));
    list.push_back(field(L"FileMask", &FileType::FileMask));
  }
  list.push_back(
      StringProperty{L"Title", [this] { return title_; }, [this](const std::wstring& v) { title_ = v; }});
  return list;
}

}  // namespace zt::ui
