#pragma once
// Where logged events go: the console panel, or anything that collects them.
#include <string>

namespace zt {

class ConsoleSink {
 public:
  virtual ~ConsoleSink() = default;
  // Appends the text (CR LF separates lines), then the separator line "--".
  virtual void ConsolePrint(const std::wstring& text) = 0;
};

}  // namespace zt
