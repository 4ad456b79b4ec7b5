#pragma once
#include "platform/clock.h"

namespace zt::platform {

class Win32Clock : public Clock {
 public:
  void Sleep(std::uint32_t milliseconds) override;
};

}  // namespace zt::platform
