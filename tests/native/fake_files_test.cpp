#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "platform/fake/fake_files.h"

namespace {

using namespace zt::platform;

std::vector<std::wstring> Names(const std::vector<FolderEntry>& entries) {
  std::vector<std::wstring> names;
  for (const auto& e : entries) names.push_back(e.name + (e.IsDirectory() ? L"\\" : L""));
  return names;
}

TEST(FakeFiles, ListsAFolderLikeFindFirstFile) {
  FakeFiles fs;
  fs.files[L"C:\\Z\\b.LNG"] = {{1}, kFileAttributeHidden};
  fs.files[L"C:\\Z\\a.lng"] = {};
  fs.files[L"C:\\Z\\notes.txt"] = {};
  fs.files[L"C:\\Z\\Deep\\x.lng"] = {};
  fs.folders[L"C:\\Z\\empty"] = kFileAttributeSystem;

  const struct {
    const wchar_t* pattern;
    std::vector<std::wstring> names;
  } cases[] = {
      {L"C:\\Z\\*", {L".\\", L"..\\", L"a.lng", L"b.LNG", L"Deep\\", L"empty\\", L"notes.txt"}},
      {L"c:\\z\\*.lng", {L"a.lng", L"b.LNG"}},
      {L"C:\\Z\\?.l?g", {L"a.lng", L"b.LNG"}},
      {L"C:\\Z\\\\*.txt", {L"notes.txt"}},
      {L"C:\\Z\\Deep\\*", {L".\\", L"..\\", L"x.lng"}},
      {L"C:\\*", {L"Z\\"}},
      {L"C:\\Missing\\*", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.pattern, c.pattern + std::wcslen(c.pattern)));
    EXPECT_EQ(Names(fs.ListFolder(c.pattern)), c.names);
  }
  auto entries = fs.ListFolder(L"C:\\Z\\e*");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].attributes, kFileAttributeSystem | kFileAttributeDirectory);
  EXPECT_EQ(fs.ListFolder(L"C:\\Z\\b*")[0].attributes, kFileAttributeHidden);
}

TEST(FakeFiles, ReadsWholeFilesOrFailsWithTheWindowsCode) {
  FakeFiles fs;
  fs.files[L"C:\\Z\\a.lng"] = {{1, 2, 3}};
  fs.files[L"C:\\Z\\locked.lng"] = {{1}, kFileAttributeArchive, kFileErrorSharingViolation};
  EXPECT_EQ(fs.ReadWholeFile(L"c:\\z\\A.LNG"), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_TRUE(fs.FileExists(L"C:\\Z\\A.lng"));
  EXPECT_FALSE(fs.FileExists(L"C:\\Z"));

  const struct {
    const wchar_t* path;
    std::uint32_t code;
  } failures[] = {{L"C:\\Z\\locked.lng", kFileErrorSharingViolation},
                  {L"C:\\Z\\none.lng", kFileErrorFileNotFound},
                  {L"C:\\Z", kFileErrorAccessDenied}};
  for (const auto& f : failures) {
    try {
      fs.ReadWholeFile(f.path);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.Code(), f.code);
      EXPECT_EQ(e.Path(), f.path);
    }
  }
}

}  // namespace
