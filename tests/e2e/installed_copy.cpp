#include "installed_copy.h"

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "harness.h"

namespace e2e {

namespace {

std::string KnownFolder(int csidl) {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return path;
}

// A silent NSIS uninstaller copies itself to %TEMP%\~nsuN.tmp\Un.exe, starts
// the copy and ends; the copy removes the files.
constexpr const char* kUninstallerCopy = "Un.exe";

}  // namespace

std::string InstalledCopy::MakerFolder() {
  // "Program Files (x86)" on 64-bit Windows, "Program Files" on 32-bit.
  return KnownFolder(CSIDL_PROGRAM_FILESX86) + "\\Venmora";
}

std::string InstalledCopy::Folder() { return MakerFolder() + "\\Spoolcat"; }

std::string InstalledCopy::Shortcut() {
  return KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\Spoolcat.lnk";
}

std::optional<DWORD> RunSilently(const std::string& exe, DWORD timeoutMs, const std::string& more) {
  Process process;
  const std::string args = more.empty() ? "/S" : "/S " + more;
  if (!process.Start(exe, args, "") || !process.WaitExit(timeoutMs)) return std::nullopt;
  return process.ExitCode();
}

bool UninstallQuietly(DWORD timeoutMs) {
  std::optional<std::string> command =
      Reg::String(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString");
  if (!command) return false;
  // "C:\...\uninstall.exe" /S: the quoted program, then its arguments.
  if (command->size() < 2 || (*command)[0] != '"') return false;
  std::size_t close = command->find('"', 1);
  if (close == std::string::npos) return false;
  std::string exe = command->substr(1, close - 1);
  std::string args = command->substr(close + 1);
  args.erase(0, args.find_first_not_of(' '));

  Process process;
  if (!process.Start(exe, args, "") || !process.WaitExit(timeoutMs)) return false;
  return WaitUntil([] { return CountProcesses(kUninstallerCopy) == 0; }, timeoutMs, 100);
}

void RemoveAnyInstallation() {
  KillAll(kUninstallerCopy);
  EmptyFolder(InstalledCopy::Folder());
  RemoveDirectoryA(InstalledCopy::Folder().c_str());
  RemoveDirectoryA(InstalledCopy::MakerFolder().c_str());
  DeleteFileA(InstalledCopy::Shortcut().c_str());
  Reg::DeleteTree(HKEY_LOCAL_MACHINE, kUninstallKey);
}

std::string ShortcutTarget(const std::string& lnk) {
  std::string target;
  bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      std::wstring wide(lnk.begin(), lnk.end());
      char path[MAX_PATH] = {};
      if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
          SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) {
        target = path;
      }
      file->Release();
    }
    link->Release();
  }
  if (comStarted) CoUninitialize();
  return target;
}

bool HeldOpenByAnother(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return false;
  }
  return GetLastError() == ERROR_SHARING_VIOLATION;
}

DWORD ProcessShowing(const std::string& exeName, const std::string& windowClass) {
  for (DWORD id : ProcessesNamed(exeName)) {
    for (HWND hwnd : TopLevelWindowsOf(id)) {
      if (ClassName(hwnd) == windowClass) return id;
    }
  }
  return 0;
}

}  // namespace e2e
