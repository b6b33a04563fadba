#include "settings/registry_root.h"

namespace sc {

namespace {
constexpr std::uint32_t kVersionInfoExSize = 156;
constexpr std::uint32_t kVersionInfoSize = 148;
}  // namespace

RegRoot ChooseRegistryRoot(SystemInfo& system) {
  std::uint32_t major = 0;
  if (!system.getVersion(kVersionInfoExSize, &major) &&
      !system.getVersion(kVersionInfoSize, &major))
    return RegRoot::LocalMachine;
  return major > 5 ? RegRoot::CurrentUser : RegRoot::LocalMachine;
}

}  // namespace sc
