#pragma once
// The files port: the file system and the program's own module.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/utf8.h"

namespace zt::platform {

// File attributes, as Windows numbers them.
inline constexpr std::uint32_t kFileAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kFileAttributeHidden = 0x02;
inline constexpr std::uint32_t kFileAttributeSystem = 0x04;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;
inline constexpr std::uint32_t kFileAttributeArchive = 0x20;

// Error codes of file operations (winerror.h).
inline constexpr std::uint32_t kFileErrorFileNotFound = 2;
inline constexpr std::uint32_t kFileErrorAccessDenied = 5;
inline constexpr std::uint32_t kFileErrorSharingViolation = 32;

// One match of a folder listing.
struct FolderEntry {
  std::wstring name;  // without the folder
  std::uint32_t attributes = 0;
  bool IsDirectory() const { return (attributes & kFileAttributeDirectory) != 0; }
};

// A file that could not be opened or read, with the Windows error code.
class FileError : public std::runtime_error {
 public:
  FileError(std::wstring path, std::uint32_t code)
      : std::runtime_error(ToUtf8(MessageFor(path, code))), path_(std::move(path)), code_(code) {}

  std::wstring Message() const { return MessageFor(path_, code_); }
  const std::wstring& Path() const { return path_; }
  std::uint32_t Code() const { return code_; }

 private:
  static std::wstring MessageFor(const std::wstring& path, std::uint32_t code) {
    return L"Cannot open file \"" + path + L"\" (error " + std::to_wstring(code) + L")";
  }

  std::wstring path_;
  std::uint32_t code_;
};

class Files {
 public:
  virtual ~Files() = default;
  // True when a file (not a folder) exists at the path.
  virtual bool FileExists(std::wstring_view path) = 0;
  // The matches of "folder\mask" ("*" and "?" wildcards), files and folders
  // of every attribute, in the order the file system gives them; "." and
  // ".." are included when the mask matches them. Empty when nothing
  // matches or the folder does not exist.
  virtual std::vector<FolderEntry> ListFolder(std::wstring_view pattern) = 0;
  // The whole file, opened for reading while others may read but not write
  // it. Throws FileError when it cannot be opened or read.
  virtual std::vector<std::uint8_t> ReadWholeFile(std::wstring_view path) = 0;
  // The full path of the program's own module.
  virtual std::wstring ModuleFileName() = 0;
  // The bytes of an RCDATA resource of the program's own module.
  virtual std::optional<std::vector<std::uint8_t>> ModuleRcData(std::wstring_view name) = 0;
};

}  // namespace zt::platform
