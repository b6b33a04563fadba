// Files and drives over kernel32.
#pragma once

#include "platform/platform.h"

namespace sc::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  bool findFirst(const char* path, std::uint32_t* attributes) override;
  bool attributes(const char* path, std::uint32_t* attributes) override;
  std::uint32_t driveType(const char* rootPath) override;
};

}  // namespace sc::win32
