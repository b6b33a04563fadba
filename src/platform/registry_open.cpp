#include "platform/registry_open.h"

namespace sc {

bool CreateOrOpenToRead(Registry& registry, RegRoot root, const char* path, RegKey* key,
                        std::uint32_t* disposition) {
  if (registry.createKey(root, path, kKeyAllAccess, key, disposition) == kErrorSuccess) return true;
  if (registry.openKey(root, path, kKeyRead, key) != kErrorSuccess) {
    *key = 0;
    return false;
  }
  *disposition = kRegOpenedExistingKey;
  return true;
}

}  // namespace sc
