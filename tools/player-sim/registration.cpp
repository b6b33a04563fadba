#include "registration.h"

#include <windows.h>

#include <string>

#include "files.h"
#include "log_line.h"

namespace sc::tools {
namespace {

struct Entry {
  const char* key;
  const char* value;  // null: the key's default value
  std::string data;
};

Entry EntryFor(const PlayerIdentity& identity) {
  if (identity.kind == PlayerKind::MediaPlayer) {
    return {"SOFTWARE\\Microsoft\\MediaPlayer", "Installation Directory", ExeDir()};
  }
  return {"SOFTWARE\\Clients\\Media\\iTunes\\shell\\open\\command", nullptr,
          ExeDir() + "\\" + ExeBaseName() + ".exe"};
}

std::string Describe(const Entry& entry) {
  return Quoted("key", std::string("HKLM\\") + entry.key) + " " +
         Quoted("value", entry.value != nullptr ? entry.value : "") + " " +
         Quoted("data", entry.data);
}

}  // namespace

bool Register(const PlayerIdentity& identity, const ToolLog& log) {
  Entry entry = EntryFor(identity);
  HKEY key = nullptr;
  LONG error = RegCreateKeyExA(HKEY_LOCAL_MACHINE, entry.key, 0, nullptr, 0, KEY_ALL_ACCESS,
                               nullptr, &key, nullptr);
  if (error == ERROR_SUCCESS) {
    error = RegSetValueExA(key, entry.value, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(entry.data.c_str()),
                           static_cast<DWORD>(entry.data.size() + 1));
    RegCloseKey(key);
  }
  log.Write("REGISTER " + Describe(entry) + " " +
            (error == ERROR_SUCCESS ? "ok" : "error=" + std::to_string(error)));
  return error == ERROR_SUCCESS;
}

bool Unregister(const PlayerIdentity& identity, const ToolLog& log) {
  Entry entry = EntryFor(identity);
  HKEY key = nullptr;
  LONG error = RegOpenKeyExA(HKEY_LOCAL_MACHINE, entry.key, 0, KEY_ALL_ACCESS, &key);
  if (error == ERROR_SUCCESS) {
    error = RegDeleteValueA(key, entry.value);
    RegCloseKey(key);
  }
  log.Write("UNREGISTER " + Describe(entry) + " " +
            (error == ERROR_SUCCESS ? "ok" : "error=" + std::to_string(error)));
  return error == ERROR_SUCCESS;
}

}  // namespace sc::tools
