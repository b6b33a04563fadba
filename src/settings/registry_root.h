#pragma once

#include "platform/platform.h"

namespace sc {

// Windows XP and older keep the settings under HKEY_LOCAL_MACHINE; Vista and
// later under HKEY_CURRENT_USER. When the version cannot be read at all, the
// machine-wide root is kept.
RegRoot ChooseRegistryRoot(SystemInfo& system);

}  // namespace sc
