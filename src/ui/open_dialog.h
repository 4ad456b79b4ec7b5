#pragma once
// The file-open dialog component.
#include <string>
#include <vector>

#include "ui/component.h"

namespace zt::ui {

struct FileType {
  std::wstring DisplayName{};
  std::wstring FileMask;  // "*.exe;*.com"
};

enum class FileDialogOption {
  fdoOverWritePrompt,
  fdoStrictFileTypes,
  fdoNoChangeDir,
  fdoPickFolders,
  fdoForceFileSystem,
  fdoAllNonStorageItems,
  fdoNoValidate,
  fdoAllowMultiSelect,
  fdoPathMustExist,
  fdoFileMustExist,
  fdoCreatePrompt,
  fdoShareAware,
  fdoNoReadOnlyReturn,
  fdoNoTestFileCreate,
  fdoHideMRUPlaces,
  fdoHidePinnedPlaces,
  fdoNoDereferenceLinks,
  fdoDontAddToRecent,
  fdoForceShowHidden,
  fdoDefaultNoMiniMode,
  fdoForcePreviewPaneOn,
};

class OpenDialog : public Component {
 public:
  std::wstring_view ClassName() const override { return L"TFileOpenDialog"; }

  std::vector<FileType>& FileTypes() { return fileTypes_; }
  const std::vector<FileType>& FileTypes() const { return fileTypes_; }
  Set<FileDialogOption> Options() const { return options_; }
  void SetOptions(Set<FileDialogOption> options) { options_ = options; }
  const std::wstring& FileName() const { return fileName_; }
  void SetFileName(std::wstring fileName) { fileName_ = std::move(fileName); }
  const std::wstring& Title() const { return title_; }
  void SetTitle(std::wstring title) { title_ = std::move(title); }
  const std::wstring& DefaultFolder() const { return defaultFolder_; }
  void SetDefaultFolder(std::wstring folder) { defaultFolder_ = std::move(folder); }

  // Asks the host; true when the user chose a file, which is then FileName.
  // False (FileName unchanged) when cancelled or when there is no host.
  bool Execute();

  std::vector<StringProperty> StringProperties() override;

 private:
  std::vector<FileType> fileTypes_;
  Set<FileDialogOption> options_;
  std::wstring fileName_;
  std::wstring title_;
  std::wstring defaultFolder_;
};

}  // namespace zt::ui
