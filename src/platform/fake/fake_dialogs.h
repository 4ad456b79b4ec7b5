#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace zt::platform {

// Records every message box and answers from a script (kIdOk when empty).
class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    std::wstring text;
    std::wstring caption;
    std::uint32_t style;
  };
  std::vector<Shown> shown;
  std::deque<int> answers;

  int ShowMessageBox(std::wstring_view text, std::wstring_view caption, std::uint32_t style) override {
    shown.push_back({std::wstring(text), std::wstring(caption), style});
    if (answers.empty()) return kIdOk;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace zt::platform
