// The registry over advapi32's ...ExA calls, passed through as they are: the
// contract tests hold the simulated registry to whatever these answer.
#pragma once

#include "platform/platform.h"

namespace sc::win32 {

class Win32Registry final : public Registry {
 public:
  long createKey(RegRoot root, const char* path, std::uint32_t access, RegKey* key,
                 std::uint32_t* disposition) override;
  long openKey(RegRoot root, const char* path, std::uint32_t access, RegKey* key) override;
  long openSubKey(RegKey parent, const char* name, std::uint32_t access, RegKey* key) override;
  long queryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                  std::uint32_t* size) override;
  long setValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                std::uint32_t size) override;
  long enumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize) override;
  long closeKey(RegKey key) override;
};

}  // namespace sc::win32
