// The Windows versions the end-to-end tests run the program under: Wine tells
// spoolcat.exe and the substitute manager a version of its choice, and the
// version decides the registry root of the program's key and the robot's.
#pragma once

#include <ostream>
#include <string>

#include "fixture.h"

namespace e2e {

struct WindowsVersion {
  const char* name;  // as the test's name ends
  const char* wine;  // Wine's per-program "Version"
  HKEY root;
  const char* rootName;  // as the manager's log names it
};

// XP keeps both keys under the machine's root, Vista and later under the user's.
extern const WindowsVersion kWindowsVersions[3];

std::string VersionName(const ::testing::TestParamInfo<WindowsVersion>& info);
void PrintTo(const WindowsVersion& version, std::ostream* out);

// A test under one version, from the program's first start on.
class SpoolcatOnWindows : public SpoolcatE2e, public ::testing::WithParamInterface<WindowsVersion> {
 protected:
  void SetUp() override;
  HKEY Root() const { return GetParam().root; }
  HKEY OtherRoot() const;
};

}  // namespace e2e
