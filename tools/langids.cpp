// Keeps the translation IDs of every translatable window in step with its
// layout, and turns them into what the program embeds.
//
//   langids update <lang dir> <constants.txt>   rewrite <Window>.ids and English.lng
//   langids check <lang dir> <constants.txt>    fail when either is out of date
//   langids langdata <out dir> <out.cpp|-> <Window>.ids...
//                                               write <out dir>/<Window>.langdata for
//                                               each file, and a source embedding them
//
// An update builds each window from its layout, starts from the committed
// IDs and records the window's properties as its language controller would:
// known properties keep their IDs, new ones get the next free IDs, vanished
// ones go. English.lng is the template for translators: every window's
// section and every message constant, in English.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/translatable_windows.h"
#include "base/utf8.h"
#include "l10n/constants_source.h"
#include "l10n/dklang_error.h"
#include "l10n/lang_file.h"
#include "platform/fake/fake_session.h"
#include "ui/form.h"
#include "ui/translation/lang_entries.h"
#include "ui/translation/lang_ids_file.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kTemplateName = "English.lng";
constexpr const char* kUpdateCommand = "make langids";

// Paths and window names in messages; bytes that are no UTF-8 show as "?".
std::wstring Wide(const std::string& text) {
  std::wstring wide;
  std::size_t errorOffset = 0;
  if (zt::FromUtf8(text, wide, errorOffset)) return wide;
  wide.clear();
  for (char c : text) wide += static_cast<unsigned char>(c) < 0x80 ? static_cast<wchar_t>(c) : L'?';
  return wide;
}

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteFile(const fs::path& path, std::string_view content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.close();
  if (out) return true;
  std::cerr << "langids: cannot write " << path.string() << "\n";
  return false;
}

// The committed entries of a window, or none when it has no ID file yet.
void LoadIds(const fs::path& file, zt::ui::TDKLang_CompEntry& root) {
  auto text = ReadFile(file);
  if (!text) return;
  try {
    zt::ui::ParseLangIds(*text, root);
  } catch (const zt::EDKLangError& e) {
    throw zt::EDKLangError(Wide(file.string()) + L": " + e.Message());
  }
}

struct Generated {
  fs::path path;
  std::string content;
  std::string source;  // what it is made from
};

// Every window's ID file and the template, as the layouts make them now.
std::vector<Generated> Generate(const fs::path& langDir, const fs::path& constantsFile) {
  auto constantsSource = ReadFile(constantsFile);
  if (!constantsSource) throw zt::EDKLangError(L"cannot read " + Wide(constantsFile.string()));
  zt::TDKLang_Constants constants = zt::ParseConstantsSource(*constantsSource);

  // The writer never decodes 8-bit text, so a fake session stands in.
  zt::platform::FakeSession session;
  zt::TDKLang_CompTranslations english(session);
  english.Params().push_back({L"LANGID", std::to_wstring(zt::kLangIdUSEnglish)});

  std::vector<Generated> out;
  for (const zt::TranslatableWindow& window : zt::TranslatableWindows()) {
    fs::path idsFile = langDir / (zt::ToUtf8(window.name) + ".ids");
    zt::ui::TDKLang_CompEntry root;
    LoadIds(idsFile, root);

    zt::ui::Form form;
    zt::ui::layout::Build(form, window.layout());
    root.BindComponents(form);
    std::vector<std::wstring> ignoreMasks(window.ignoreList.begin(), window.ignoreList.end());
    // The options every window's controller has: all four filters.
    root.UpdateEntries(true, true, true, true, zt::ui::TDKLang_MaskList(std::move(ignoreMasks)),
                       zt::ui::TDKLang_MaskList());
    out.push_back({idsFile, zt::ui::FormatLangIds(root), "the layout of " + zt::ToUtf8(window.name)});

    zt::TDKLang_CompTranslation& section = english.Add(window.name);
    auto addSection = [&section](const zt::ui::TDKLang_CompEntry& entry, auto& self) -> void {
      if (const auto* props = entry.PropEntries())
        for (int i = 0; i < props->Count(); ++i)
          section.Add(props->Item(i).iID, props->Item(i).wsDefLangValue);
      if (const auto* children = entry.OwnedCompEntries())
        for (int i = 0; i < children->Count(); ++i) self(children->Item(i), self);
    };
    addSection(root, addSection);
  }
  for (int i = 0; i < constants.Count(); ++i)
    english.Constants().Add(constants.Item(i).wsName, constants.Item(i).wsValue);
  auto bytes = english.Text_SaveToStream();
  out.push_back({langDir / kTemplateName, std::string(bytes.begin(), bytes.end()),
                 "the layouts and the message constants"});
  return out;
}

int Update(const fs::path& langDir, const fs::path& constantsFile) {
  for (const Generated& file : Generate(langDir, constantsFile)) {
    if (ReadFile(file.path) == file.content) continue;
    if (!WriteFile(file.path, file.content)) return 1;
    std::cout << "langids: updated " << file.path.string() << "\n";
  }
  return 0;
}

int Check(const fs::path& langDir, const fs::path& constantsFile) {
  int result = 0;
  for (const Generated& file : Generate(langDir, constantsFile)) {
    if (ReadFile(file.path) == file.content) continue;
    std::cerr << "langids: " << file.path.string() << " does not match " << file.source << "; run `"
              << kUpdateCommand << "` and commit the result\n";
    result = 1;
  }
  return result;
}

std::string CppSource(const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& windows) {
  std::ostringstream cpp;
  cpp << "// Generated by langids from the windows' ID files; do not edit.\n"
         "#include \"ui/translation/builtin_lang_data.h\"\n\n"
         "namespace zt::ui {\n\nnamespace {\n";
  for (const auto& [name, bytes] : windows) {
    cpp << "\nconst std::uint8_t k" << name << "[" << bytes.size() << "] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i)
      cpp << (i % 16 == 0 ? "\n    " : " ") << static_cast<unsigned>(bytes[i]) << ',';
    cpp << "\n};\n";
  }
  cpp << "\n}  // namespace\n\n"
         "std::optional<std::span<const std::uint8_t>> BuiltinLangData(std::wstring_view window) {\n";
  for (const auto& [name, bytes] : windows)
    cpp << "  if (window == L\"" << name << "\") return k" << name << ";\n";
  cpp << "  return std::nullopt;\n}\n\n}  // namespace zt::ui\n";
  return cpp.str();
}

int LangData(const fs::path& outDir, const fs::path& cppFile, const std::vector<fs::path>& idsFiles) {
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> windows;
  for (const fs::path& idsFile : idsFiles) {
    std::string name = idsFile.stem().string();
    if (!ReadFile(idsFile)) throw zt::EDKLangError(L"cannot read " + Wide(idsFile.string()));
    zt::ui::TDKLang_CompEntry root;
    root.SetStoredName(Wide(name));
    LoadIds(idsFile, root);
    auto bytes = root.SaveToDFMResource();
    if (!WriteFile(outDir / (name + ".langdata"), std::string(bytes.begin(), bytes.end()))) return 1;
    windows.emplace_back(name, std::move(bytes));
  }
  if (cppFile == "-") return 0;
  return WriteFile(cppFile, CppSource(windows)) ? 0 : 1;
}

int Usage() {
  std::cerr << "usage: langids update|check <lang dir> <constants.txt>\n"
               "       langids langdata <out dir> <out.cpp|-> <Window>.ids...\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string_view command = argv[1];
  try {
    if ((command == "update" || command == "check") && argc == 4)
      return command == "update" ? Update(argv[2], argv[3]) : Check(argv[2], argv[3]);
    if (command == "langdata" && argc >= 4)
      return LangData(argv[2], argv[3], std::vector<fs::path>(argv + 4, argv + argc));
  } catch (const zt::ConstantsSourceError& e) {
    std::cerr << "langids: " << argv[3] << ":" << e.Line() << ": error: " << zt::ToUtf8(e.Reason()) << "\n";
    return 1;
  } catch (const zt::EDKLangError& e) {
    std::cerr << "langids: error: " << e.what() << "\n";
    return 1;
  }
  return Usage();
}
