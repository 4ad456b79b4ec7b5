#pragma once
// A console that only keeps its lines: stands in for the console panel until
// the window shows them, and lets tests read back what was printed.
#include <string>
#include <vector>

#include "services/console_sink.h"

namespace zt {

class ConsoleLines : public ConsoleSink {
 public:
  // Each CR LF of the text starts a new line; the separator "--" follows.
  void ConsolePrint(const std::wstring& text) override;

  const std::vector<std::wstring>& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

 private:
  std::vector<std::wstring> lines_;
};

}  // namespace zt
