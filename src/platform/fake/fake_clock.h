#pragma once
#include <vector>

#include "platform/clock.h"

namespace zt::platform {

// Records waits instead of waiting.
class FakeClock : public Clock {
 public:
  std::vector<std::uint32_t> sleeps;
  void Sleep(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }
};

}  // namespace zt::platform
