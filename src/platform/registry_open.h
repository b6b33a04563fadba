// Opening a key that the program creates and writes where it may, and only
// reads where it may not.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace sc {

// Creates or opens the key with full access, as RegCreateKeyExA does. Where
// that is refused, opens the existing key with read access and reports it as
// opened (kRegOpenedExistingKey); every write through it then fails. A
// standard account on Windows XP, where the keys live under
// HKEY_LOCAL_MACHINE, may read them but neither create nor write them. False,
// with *key 0, when the key can be neither created nor opened.
bool CreateOrOpenToRead(Registry& registry, RegRoot root, const char* path, RegKey* key,
                        std::uint32_t* disposition);

}  // namespace sc
