#pragma once
// The files port: the file system and the program's own module.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt::platform {

class Files {
 public:
  virtual ~Files() = default;
  // True when a file (not a folder) exists at the path.
  virtual bool FileExists(std::wstring_view path) = 0;
  // The full path of the program's own module.
  virtual std::wstring ModuleFileName() = 0;
  // The bytes of an RCDATA resource of the program's own module.
  virtual std::optional<std::vector<std::uint8_t>> ModuleRcData(std::wstring_view name) = 0;
};

}  // namespace zt::platform
