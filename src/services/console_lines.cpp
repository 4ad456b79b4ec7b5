#include "services/console_lines.h"

namespace zt {

void ConsoleLines::ConsolePrint(const std::wstring& text) {
  std::wstring_view rest = text;
  for (auto end = rest.find(L"\r\n"); end != std::wstring_view::npos; end = rest.find(L"\r\n")) {
    lines_.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end + 2);
  }
  lines_.emplace_back(rest);
  lines_.emplace_back(L"--");
}

}  // namespace zt
