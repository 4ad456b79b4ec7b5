#include "app/command_line.h"

#include "app/program_context.h"

namespace zt {

namespace {

std::wstring LowerAscii(std::wstring text) {
  for (auto& c : text)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return text;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::wstring>& arguments) {
  CommandLine result;
  for (const auto& argument : arguments) {
    auto word = LowerAscii(argument);
    if (word == L"/?") {
      result.showHelp = true;
      return result;
    }
    if (word == L"/startup") result.startPage = kStartPageStartup;
    if (word == L"/uninst") result.startPage = kStartPageUninstall;
  }
  return result;
}

}  // namespace zt
