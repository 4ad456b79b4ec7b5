#pragma once
#include "platform/files.h"

namespace zt::platform {

class Win32Files : public Files {
 public:
  bool FileExists(std::wstring_view path) override;
  std::vector<FolderEntry> ListFolder(std::wstring_view pattern) override;
  std::vector<std::uint8_t> ReadWholeFile(std::wstring_view path) override;
  std::wstring ModuleFileName() override;
  std::optional<std::vector<std::uint8_t>> ModuleRcData(std::wstring_view name) override;
};

}  // namespace zt::platform
