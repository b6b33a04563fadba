#include "windows_version.h"

namespace e2e {

const WindowsVersion kWindowsVersions[3] = {
    {"WinXp", "winxp", HKEY_LOCAL_MACHINE, "HKLM"},
    {"Win7", "win7", HKEY_CURRENT_USER, "HKCU"},
    // The program declares itself made for Windows 10 and sees 10.0; the
    // manager declares nothing and is told 6.2, as Windows does.
    {"Win10", "win10", HKEY_CURRENT_USER, "HKCU"},
};

std::string VersionName(const ::testing::TestParamInfo<WindowsVersion>& info) {
  return info.param.name;
}

void PrintTo(const WindowsVersion& version, std::ostream* out) {
  *out << version.wine << " (" << version.rootName << ")";
}

void SpoolcatOnWindows::SetUp() {
  SpoolcatE2e::SetUp();
  if (!IsSkipped()) PretendWindowsVersion(GetParam().wine);
}

HKEY SpoolcatOnWindows::OtherRoot() const {
  return Root() == HKEY_CURRENT_USER ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace e2e
