#pragma once
#include <map>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace zt::platform {

// Orders paths as Windows compares them: without regard to case.
struct NoCaseLess {
  using is_transparent = void;
  bool operator()(std::wstring_view a, std::wstring_view b) const;
};

struct FakeFile {
  std::vector<std::uint8_t> contents;
  std::uint32_t attributes = kFileAttributeArchive;
  // Non-zero: opening the file fails with this error code, as for a file
  // another program holds open for writing.
  std::uint32_t openError = 0;
};

// A file system of files and folders, and a module with RCDATA resources.
// Paths use "\" between names; every folder above a file exists.
class FakeFiles : public Files {
 public:
  std::map<std::wstring, FakeFile, NoCaseLess> files;  // by full path
  // Folders that exist even when empty, with their attributes besides
  // kFileAttributeDirectory.
  std::map<std::wstring, std::uint32_t, NoCaseLess> folders;
  std::wstring moduleFileName = L"C:\\Program Files\\Zentory\\zentory.exe";
  std::map<std::wstring, std::vector<std::uint8_t>> rcData;  // names in upper case

  bool FileExists(std::wstring_view path) override;
  // Names in case-insensitive order, after "." and ".." (which every folder
  // but a drive root has).
  std::vector<FolderEntry> ListFolder(std::wstring_view pattern) override;
  std::vector<std::uint8_t> ReadWholeFile(std::wstring_view path) override;
  std::wstring ModuleFileName() override { return moduleFileName; }
  std::optional<std::vector<std::uint8_t>> ModuleRcData(std::wstring_view name) override;

 private:
  bool FolderExists(std::wstring_view path) const;
};

// "*" and "?" wildcards, without regard to case.
bool MatchesMask(std::wstring_view name, std::wstring_view mask);

}  // namespace zt::platform
