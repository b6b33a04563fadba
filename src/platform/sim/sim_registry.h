// An in-memory registry that answers as Wine's advapi32 does (measured, see
// the comments in sim_registry.cpp), plus setup and inspection helpers for
// tests. Key paths in the helpers are relative to a root, e.g.
// (RegRoot::CurrentUser, "Software\\Spoolcat").
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/failure_plan.h"
#include "platform/sim/nocase.h"

namespace sc::sim {

constexpr long kErrorInvalidParameter = 87;
constexpr long kErrorBadPathname = 161;
constexpr long kErrorKeyDeleted = 1018;

struct RegValue {
  std::uint32_t type = kRegNone;
  std::vector<std::uint8_t> bytes;
};

class SimRegistry final : public Registry {
 public:
  SimRegistry();
  ~SimRegistry() override;

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

  // Setup. Missing keys on the way are created.
  void addKey(RegRoot root, const std::string& path);
  void removeKey(RegRoot root, const std::string& path);  // with its subkeys
  void putValue(RegRoot root, const std::string& path, const std::string& name, RegValue value);
  // `terminated` false stores the characters without their zero, as some
  // installers write them.
  void putString(RegRoot root, const std::string& path, const std::string& name,
                 const std::string& text, bool terminated = true);
  void putDword(RegRoot root, const std::string& path, const std::string& name,
                std::uint32_t number);
  // Opening or creating the key or any key below it asking for any bit of
  // `accessBits` fails with ERROR_ACCESS_DENIED, as HKLM does for a user.
  void denyAccess(RegRoot root, const std::string& path, std::uint32_t accessBits);

  // Inspection.
  bool hasKey(RegRoot root, const std::string& path) const;
  std::optional<RegValue> value(RegRoot root, const std::string& path,
                                const std::string& name) const;
  // The characters before the first zero; nullopt unless a string type.
  std::optional<std::string> stringValue(RegRoot root, const std::string& path,
                                         const std::string& name) const;
  std::optional<std::uint32_t> dwordValue(RegRoot root, const std::string& path,
                                          const std::string& name) const;
  std::vector<std::string> subKeyNames(RegRoot root, const std::string& path) const;
  // "HKCU\Software\..." of every handle not yet closed, in opening order.
  std::vector<std::string> openKeys() const;

  // Operations: createKey openKey openSubKey queryValue setValue enumKey
  // closeKey. Subject: the key's full path ("HKCU\Software\Spoolcat");
  // detail: the value name for queryValue and setValue.
  FailurePlan& failures() { return failures_; }

 private:
  struct Node {
    std::string name;
    std::map<std::string, std::unique_ptr<Node>, NoCaseLess> children;
    std::map<std::string, RegValue, NoCaseLess> values;
    std::uint32_t denied = 0;
  };
  struct Handle {
    RegRoot root;
    std::vector<std::string> parts;
    std::uint32_t access;
  };

  Node& rootNode(RegRoot root);
  const Node* find(RegRoot root, const std::vector<std::string>& parts) const;
  Node& make(RegRoot root, const std::vector<std::string>& parts, bool* created);
  std::uint32_t deniedOnPath(RegRoot root, const std::vector<std::string>& parts) const;
  long openParts(RegRoot root, std::vector<std::string> parts, std::uint32_t access, RegKey* key);
  RegKey issue(RegRoot root, std::vector<std::string> parts, std::uint32_t access);
  // The handle's key, or null with the error to answer in *error.
  Node* resolve(RegKey key, std::uint32_t needed, long* error);
  std::string fullPath(RegRoot root, const std::vector<std::string>& parts) const;

  Node localMachine_;
  Node currentUser_;
  std::map<RegKey, Handle> handles_;
  RegKey nextHandle_ = 0x100;
  FailurePlan failures_;
};

}  // namespace sc::sim
