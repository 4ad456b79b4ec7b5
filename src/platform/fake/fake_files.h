#pragma once
#include <map>
#include <set>

#include "platform/files.h"

namespace zt::platform {

// A file system of named files and a module with RCDATA resources.
class FakeFiles : public Files {
 public:
  std::set<std::wstring> files;  // full paths; compared without regard to case
  std::wstring moduleFileName = L"C:\\Program Files\\Zentory\\zentory.exe";
  std::map<std::wstring, std::vector<std::uint8_t>> rcData;  // names in upper case

  bool FileExists(std::wstring_view path) override;
  std::wstring ModuleFileName() override { return moduleFileName; }
  std::optional<std::vector<std::uint8_t>> ModuleRcData(std::wstring_view name) override;
};

}  // namespace zt::platform
