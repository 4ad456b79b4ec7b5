#include "contract/registry_contract.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_session.h"

namespace zt::test {

std::vector<RegistryTarget> RegistryTargets() {
  // A 32-bit test process runs under WOW64 exactly when Windows is 64-bit.
  platform::Win32Session session;
  const bool windows64 = session.IsWow64Process() == platform::Wow64Answer::Yes;
  return {{"Win32", windows64, platform::CurrentUserKernelName(),
           [] { return std::make_unique<platform::Win32Registry>(); }}};
}

}  // namespace zt::test
