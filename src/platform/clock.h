#pragma once
// The time port.
#include <cstdint>

namespace zt::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace zt::platform
