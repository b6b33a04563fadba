// The program as the release's setup installs it: where its files, its
// shortcut and its Add/Remove Programs entry go, running the setup and the
// uninstaller silently, and clearing away what an earlier run left.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Spoolcat";

struct InstalledCopy {
  // <32-bit Program Files>\Venmora\Spoolcat, and the maker's folder above it.
  static std::string Folder();
  static std::string MakerFolder();
  static std::string File(const std::string& name) { return Folder() + "\\" + name; }
  // Spoolcat.lnk in the Start menu's Programs of all users.
  static std::string Shortcut();
};

// Runs the setup (or an uninstaller) with /S and `more` arguments and waits
// for it; its exit code, none if it did not start or end within the time.
std::optional<DWORD> RunSilently(const std::string& exe, DWORD timeoutMs,
                                 const std::string& more = "");

// Runs the entry's QuietUninstallString and waits until the uninstaller's
// copy, which does the work after the started one has ended, is done too.
// False when there is no such string or it did not finish in time.
bool UninstallQuietly(DWORD timeoutMs);

// Removes whatever an earlier install left: files, folders, shortcut, entry.
void RemoveAnyInstallation();

// The path the shortcut starts, read through the shell's link object.
std::string ShortcutTarget(const std::string& lnk);

// True while some other process has the file open: an open of ours that
// shares nothing fails with a sharing violation.
bool HeldOpenByAnother(const std::string& path);

// One process of the given executable's name that shows a top-level window of
// the given class; 0 when there is none.
DWORD ProcessShowing(const std::string& exeName, const std::string& windowClass);

}  // namespace e2e
