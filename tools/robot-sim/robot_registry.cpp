#include "robot_registry.h"

namespace sc::tools {
namespace {

constexpr const char* kRobotKey = "SOFTWARE\\Venmora\\Kelvomat";

class Key {
 public:
  Key(HKEY parent, const std::string& path) {
    error_ = RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                             nullptr);
  }
  ~Key() {
    if (error_ == ERROR_SUCCESS) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  LONG error() const { return error_; }
  HKEY get() const { return key_; }

  LONG SetText(const char* name, const std::string& text) {
    return RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
  }
  LONG SetNumber(const char* name, DWORD value) {
    return RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value);
  }

 private:
  HKEY key_ = nullptr;
  LONG error_ = ERROR_SUCCESS;
};

std::vector<std::string> SubkeyNames(HKEY key) {
  std::vector<std::string> names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, size);
  }
  return names;
}

}  // namespace

HKEY RootLikeTheProgram() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return HKEY_LOCAL_MACHINE;
  return version.dwMajorVersion > 5 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

RobotRegistry::RobotRegistry(RootChoice choice) {
  switch (choice) {
    case RootChoice::CurrentUser:
      root_ = HKEY_CURRENT_USER;
      break;
    case RootChoice::LocalMachine:
      root_ = HKEY_LOCAL_MACHINE;
      break;
    default:
      root_ = RootLikeTheProgram();
  }
}

const char* RobotRegistry::RootName() const { return root_ == HKEY_CURRENT_USER ? "HKCU" : "HKLM"; }

LONG RobotRegistry::SetReport(const std::string& report) {
  Key key(root_, kRobotKey);
  return key.error() != ERROR_SUCCESS ? key.error() : key.SetText("Robot Report", report);
}

LONG RobotRegistry::SetManagerPath(const std::string& path) {
  Key key(root_, kRobotKey);
  return key.error() != ERROR_SUCCESS ? key.error() : key.SetText(nullptr, path);
}

LONG RobotRegistry::SetUnits(const std::vector<UnitConfig>& units) {
  Key robot(root_, kRobotKey);
  if (robot.error() != ERROR_SUCCESS) return robot.error();
  // Units of an earlier configuration must not linger beside the new ones.
  for (const auto& name : SubkeyNames(robot.get())) RegDeleteTreeA(robot.get(), name.c_str());
  for (const auto& unit : units) {
    Key unit_key(robot.get(), unit.name);
    if (unit_key.error() != ERROR_SUCCESS) return unit_key.error();
    unit_key.SetNumber("Online", unit.online ? 1 : 0);
    unit_key.SetNumber("Writers", unit.writers);
    for (const auto& [n, text] : unit.texts) {
      Key writer(unit_key.get(), "Writer" + std::to_string(n));
      if (writer.error() != ERROR_SUCCESS) return writer.error();
      writer.SetText(nullptr, text);
    }
  }
  return ERROR_SUCCESS;
}

}  // namespace sc::tools
