#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace sc::win32 {
namespace {

HKEY rootKey(RegRoot root) {
  return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

HKEY toHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }

// DWORD is unsigned long here, not std::uint32_t; every in/out count goes
// through one of these so that "not passed" stays a null pointer and a count
// the API leaves alone comes back unchanged.
class DwordInOut {
 public:
  explicit DwordInOut(std::uint32_t* target)
      : target_(target), value_(target != nullptr ? *target : 0) {}
  ~DwordInOut() {
    if (target_ != nullptr) *target_ = static_cast<std::uint32_t>(value_);
  }
  DwordInOut(const DwordInOut&) = delete;
  DwordInOut& operator=(const DwordInOut&) = delete;
  DWORD* get() { return target_ != nullptr ? &value_ : nullptr; }

 private:
  std::uint32_t* target_;
  DWORD value_;
};

}  // namespace

long Win32Registry::createKey(RegRoot root, const char* path, std::uint32_t access, RegKey* key,
                              std::uint32_t* disposition) {
  HKEY opened = nullptr;
  DwordInOut result(disposition);
  const LONG error = RegCreateKeyExA(rootKey(root), path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     access, nullptr, &opened, result.get());
  *key = reinterpret_cast<RegKey>(opened);
  return error;
}

long Win32Registry::openKey(RegRoot root, const char* path, std::uint32_t access, RegKey* key) {
  HKEY opened = nullptr;
  const LONG error = RegOpenKeyExA(rootKey(root), path, 0, access, &opened);
  *key = reinterpret_cast<RegKey>(opened);
  return error;
}

long Win32Registry::openSubKey(RegKey parent, const char* name, std::uint32_t access, RegKey* key) {
  HKEY opened = nullptr;
  const LONG error = RegOpenKeyExA(toHkey(parent), name, 0, access, &opened);
  *key = reinterpret_cast<RegKey>(opened);
  return error;
}

long Win32Registry::queryValue(RegKey key, const char* name, std::uint32_t* type,
                               std::uint8_t* data, std::uint32_t* size) {
  DwordInOut typeOut(type);
  DwordInOut sizeInOut(size);
  return RegQueryValueExA(toHkey(key), name, nullptr, typeOut.get(), data, sizeInOut.get());
}

long Win32Registry::setValue(RegKey key, const char* name, std::uint32_t type,
                             const std::uint8_t* data, std::uint32_t size) {
  return RegSetValueExA(toHkey(key), name, 0, type, data, size);
}

long Win32Registry::enumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize) {
  DwordInOut sizeInOut(nameSize);
  return RegEnumKeyExA(toHkey(key), index, name, sizeInOut.get(), nullptr, nullptr, nullptr,
                       nullptr);
}

long Win32Registry::closeKey(RegKey key) { return RegCloseKey(toHkey(key)); }

}  // namespace sc::win32
