#include "contract/registry_contract.h"
#include "platform/fake/fake_registry.h"

namespace zt::test {

std::vector<RegistryTarget> RegistryTargets() {
  using platform::FakeRegistry;
  using platform::FakeWindows;
  const std::wstring user = FakeRegistry::KernelName(platform::kHKeyCurrentUser, L"");
  return {
      {"Fake64", true, user, [] { return std::make_unique<FakeRegistry>(FakeWindows::Bits64); }},
      {"Fake32", false, user, [] { return std::make_unique<FakeRegistry>(FakeWindows::Bits32); }},
  };
}

}  // namespace zt::test
