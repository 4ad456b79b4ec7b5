#pragma once
// All ports, handed down from the program entry as one reference.
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/session.h"

namespace zt::platform {

struct Platform {
  Registry& registry;
  Session& session;
  Files& files;
  Dialogs& dialogs;
  Clock& clock;
};

}  // namespace zt::platform
