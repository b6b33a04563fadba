// The release's setup in a Wine prefix: a silent install, the installed
// program with the robot software registered elsewhere, its help, and a
// silent uninstall that leaves the user's settings.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "fixture.h"
#include "installed_copy.h"

namespace e2e {
namespace {

constexpr DWORD kSetupTime = 60000;
constexpr const char* kRobotKey = "SOFTWARE\\Venmora\\Kelvomat";
constexpr const char* kSettingsKey = "SOFTWARE\\Venmora\\Spoolcat";

std::set<std::string> FileNamesIn(const std::string& dir) {
  std::set<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (std::strcmp(entry.cFileName, ".") != 0 && std::strcmp(entry.cFileName, "..") != 0) {
      names.insert(entry.cFileName);
    }
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return names;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Each file of the folder: its size, the time it was last written and an
// FNV-1a digest of its bytes.
std::map<std::string, std::string> Contents(const std::string& dir) {
  std::map<std::string, std::string> contents;
  for (const std::string& name : FileNamesIn(dir)) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA((dir + "\\" + name).c_str(), GetFileExInfoStandard, &data);
    std::ifstream file(dir + "\\" + name, std::ios::binary);
    std::uint64_t digest = 14695981039346656037ull;
    for (std::istreambuf_iterator<char> byte(file), end; byte != end; ++byte)
      digest = (digest ^ static_cast<unsigned char>(*byte)) * 1099511628211ull;
    contents[name] = std::to_string(data.nFileSizeLow) + " bytes, written " +
                     std::to_string(data.ftLastWriteTime.dwLowDateTime) + ", digest " +
                     std::to_string(digest);
  }
  return contents;
}

// How many entries of "Programs and Features" (the 32-bit view) show `name`.
int EntriesNamed(const std::string& name) {
  const std::string entries = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, entries.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
      ERROR_SUCCESS)
    return 0;
  int found = 0;
  char entry[256];
  for (DWORD i = 0, size = sizeof entry;
       RegEnumKeyExA(key, i, entry, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i, size = sizeof entry)
    found += Reg::String(HKEY_LOCAL_MACHINE, entries + "\\" + entry, "DisplayName") == name;
  RegCloseKey(key);
  return found;
}

// A silent setup or uninstaller that finds Spoolcat running.
constexpr DWORD kSpoolcatRuns = 2;
constexpr const char* kChosenFolder = "C:\\Tools\\Spoolcat";

class Install : public SpoolcatE2e {
 protected:
  void SetUp() override {
    SpoolcatE2e::SetUp();
    if (IsSkipped()) return;
    // The setup comes from scripts/package.sh, not from the build. By hand a
    // missing setup skips; the test command sets SPOOLCAT_REQUIRE_SETUP=1.
    const std::string setup = Built::setup();
    if (setup.empty() || !Exists(setup)) {
      const char* required = std::getenv("SPOOLCAT_REQUIRE_SETUP");
      std::string why = "no setup at \"" + setup + "\": run bash scripts/package.sh";
      if (required && std::strcmp(required, "1") == 0) FAIL() << why;
      GTEST_SKIP() << why;
    }
    KillAll("hh.exe");
    RemoveAnyInstallation();
  }

  void TearDown() override {
    SpoolcatE2e::TearDown();
    KillAll("hh.exe");
    RemoveAnyInstallation();
    EmptyFolder(kChosenFolder);
    RemoveDirectoryA(kChosenFolder);
  }

  void InstallSilently() {
    ASSERT_EQ(RunSilently(Built::setup(), kSetupTime), DWORD{0}) << "the setup failed";
  }

  // The substitute manager in a folder of its own, known to the program only
  // through the robot software's key, as an installed robot software is.
  void RegisterRobotSoftware() {
    ASSERT_FALSE(Built::ketmgr().empty()) << "ketmgr.exe is not part of this build";
    robotDir_ = install_->file("robot");
    CreateDirectoryA(robotDir_.c_str(), nullptr);
    CopyFileA(Built::ketmgr().c_str(), (robotDir_ + "\\ketmgr.exe").c_str(), FALSE);
    Reg::SetString(HKEY_CURRENT_USER, kRobotKey, "", robotDir_ + "\\ketmgr.exe");
  }

  void StartInstalledCopyToReady() {
    ASSERT_NO_FATAL_FAILURE(RegisterRobotSoftware());
    ASSERT_NO_FATAL_FAILURE(StartSpoolcatAt(InstalledCopy::File("spoolcat.exe")));
    ASSERT_TRUE(WaitForStatus("Ready", 15000)) << "status: \"" << Status() << "\"";
  }

  std::string robotDir_;
};

TEST_F(Install, SilentSetupPutsTheProgramTheShortcutAndTheUninstallEntryInPlace) {
  ASSERT_NO_FATAL_FAILURE(InstallSilently());

  EXPECT_EQ(
      FileNamesIn(InstalledCopy::Folder()),
      (std::set<std::string>{"notify-test.cmd", "spoolcat.chm", "spoolcat.exe", "uninstall.exe"}))
      << "in " << InstalledCopy::Folder();
  EXPECT_EQ(FileSize(InstalledCopy::File("spoolcat.exe")), FileSize(Built::spoolcat()));
  EXPECT_EQ(ShortcutTarget(InstalledCopy::Shortcut()), InstalledCopy::File("spoolcat.exe"));

  auto entry = [](const char* name) {
    return Reg::String(HKEY_LOCAL_MACHINE, kUninstallKey, name).value_or("(missing)");
  };
  const std::string uninstaller = "\"" + InstalledCopy::File("uninstall.exe") + "\"";
  EXPECT_EQ(entry("DisplayName"), "Spoolcat");
  EXPECT_EQ(entry("DisplayVersion"), E2E_VERSION);
  EXPECT_EQ(entry("Publisher"), "Venmora Inc.");
  EXPECT_EQ(entry("DisplayIcon"), InstalledCopy::File("spoolcat.exe") + ",0");
  EXPECT_EQ(entry("UninstallString"), uninstaller);
  EXPECT_EQ(entry("QuietUninstallString"), uninstaller + " /S");
  EXPECT_EQ(Reg::Dword(HKEY_LOCAL_MACHINE, kUninstallKey, "NoModify"), DWORD{1});
  EXPECT_EQ(Reg::Dword(HKEY_LOCAL_MACHINE, kUninstallKey, "NoRepair"), DWORD{1});

  std::uint64_t bytes = 0;
  for (const std::string& name : FileNamesIn(InstalledCopy::Folder())) {
    bytes += FileSize(InstalledCopy::File(name));
  }
  std::optional<DWORD> kb = Reg::Dword(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize");
  ASSERT_TRUE(kb.has_value()) << "no EstimatedSize";
  // In kilobytes, not bytes; rounding aside.
  EXPECT_NEAR(static_cast<double>(*kb), static_cast<double>(bytes) / 1024, 3.0);

  // A 32-bit setup's entry lives in the 32-bit view (Wow6432Node on a 64-bit
  // system), where Add/Remove Programs also looks.
  HKEY key;
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  if (wow64 && RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | KEY_WOW64_64KEY,
                             &key) == ERROR_SUCCESS) {
    RegCloseKey(key);
    ADD_FAILURE() << "the entry is in the 64-bit view too";
  }
}

TEST_F(Install, InstalledProgramFindsTheManagerThroughTheRobotKeyAndReachesReady) {
  ASSERT_NO_FATAL_FAILURE(InstallSilently());
  ASSERT_NO_FATAL_FAILURE(StartInstalledCopyToReady());

  EXPECT_FALSE(Exists(InstalledCopy::File("ketmgr.exe")));
  ASSERT_TRUE(WaitForLine(robotDir_ + "\\ketmgr.log", "COMMAND", 5000));
  EXPECT_EQ(CountLines(robotDir_ + "\\ketmgr.log", "COMMAND --caller Spoolcat: --action Check"), 1);
  EXPECT_TRUE(Enabled(main_, kExit));
  EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, kSettingsKey, ""), InstalledCopy::File("spoolcat.exe"));
}

// The shell opens the document with Wine's help viewer, hh.exe, which is a
// 64-bit program whose command line a 32-bit test cannot read under Wine. So
// the viewer is known by its process and window, and the document by being
// held open by it: taken while the viewer runs, free once it has ended.
TEST_F(Install, HelpOpensTheInstalledHelpDocumentInTheHelpViewer) {
  ASSERT_NO_FATAL_FAILURE(InstallSilently());
  ASSERT_NO_FATAL_FAILURE(StartSpoolcatAt(InstalledCopy::File("spoolcat.exe")));
  const std::string document = InstalledCopy::File("spoolcat.chm");

  ASSERT_TRUE(Visible(main_, kHelp)) << "no Help button beside an installed help document";
  EXPECT_EQ(Text(Control(main_, kHelp)), "Help");
  ASSERT_FALSE(HeldOpenByAnother(document));

  Click(main_, kHelp);
  DWORD viewer = 0;
  ASSERT_TRUE(
      WaitUntil([&] { return (viewer = ProcessShowing("hh.exe", "HH Parent")) != 0; }, 15000))
      << "no help viewer window";
  EXPECT_TRUE(WaitUntil([&] { return HeldOpenByAnother(document); }, 5000))
      << "the viewer does not hold " << document;

  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, viewer);
  ASSERT_NE(process, nullptr);
  TerminateProcess(process, 0);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
  EXPECT_TRUE(WaitUntil([&] { return !HeldOpenByAnother(document); }, 5000))
      << "something other than the viewer holds " << document;
}

TEST_F(Install, SilentUninstallRemovesWhatTheSetupPutThereAndKeepsTheSettings) {
  ASSERT_NO_FATAL_FAILURE(InstallSilently());
  ASSERT_NO_FATAL_FAILURE(StartInstalledCopyToReady());
  Click(main_, kExit);
  ASSERT_TRUE(spoolcat_.WaitExit(10000)) << "the program did not close";
  const std::optional<std::string> settingsPath = Reg::String(HKEY_CURRENT_USER, kSettingsKey, "");
  const std::optional<DWORD> replaceSongs =
      Reg::Dword(HKEY_CURRENT_USER, kSettingsKey, "Replace existing songs");
  ASSERT_TRUE(replaceSongs.has_value()) << "the program saved no settings";

  ASSERT_TRUE(UninstallQuietly(kSetupTime));

  EXPECT_FALSE(Exists(InstalledCopy::Folder()));
  EXPECT_FALSE(Exists(InstalledCopy::MakerFolder()));
  EXPECT_FALSE(Exists(InstalledCopy::Shortcut()));
  EXPECT_FALSE(Reg::KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, kSettingsKey, ""), settingsPath);
  EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettingsKey, "Replace existing songs"), replaceSongs);
  // The robot software's key is the robot software's.
  EXPECT_TRUE(Reg::KeyExists(HKEY_CURRENT_USER, kRobotKey));
}

TEST_F(Install, UninstallLeavesFilesTheUserPutInTheFolder) {
  ASSERT_NO_FATAL_FAILURE(InstallSilently());
  std::ofstream(InstalledCopy::File("notes.txt")) << "the user's own\n";

  ASSERT_TRUE(UninstallQuietly(kSetupTime));

  EXPECT_EQ(FileNamesIn(InstalledCopy::Folder()), std::set<std::string>{"notes.txt"});
  EXPECT_FALSE(Exists(InstalledCopy::Shortcut()));
  EXPECT_FALSE(Reg::KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

// Neither touches a file of a running copy, nor does a setup whose page was
// open when it started; both go through once it closed. The uninstaller runs
// in place (_?=): its usual copy in %TEMP% would end with 0 before it looked.
TEST_F(Install, WhileSpoolcatRunsASilentSetupAndUninstallEndWithTwoAndTouchNothing) {
  ASSERT_EQ(RunSilently(Built::olderSetup(), kSetupTime), DWORD{0});
  Process setup;  // on a page its caption ends in MUI's blank subcaption
  ASSERT_TRUE(setup.Start(Built::setup(), "", "") && WaitForWindow("Spoolcat Setup ", kSetupTime));
  ASSERT_NO_FATAL_FAILURE(StartInstalledCopyToReady());
  const auto before = Contents(InstalledCopy::Folder());
  Click(FindWindowA(nullptr, "Spoolcat Setup "), IDOK);  // "Install": it looks again
  const std::string asked = Text(Control(WaitForWindow("Spoolcat Setup", 9000), 0xFFFF));
  EXPECT_EQ(asked.rfind("Spoolcat is running", 0), 0u) << asked;  // not a failed write's box
  const std::string uninstaller = InstalledCopy::File("uninstall.exe");
  const std::string inPlace = "_?=" + InstalledCopy::Folder();

  EXPECT_EQ(RunSilently(Built::setup(), kSetupTime), kSpoolcatRuns);
  EXPECT_EQ(RunSilently(uninstaller, kSetupTime, inPlace), kSpoolcatRuns);
  EXPECT_EQ(Contents(InstalledCopy::Folder()), before);
  EXPECT_EQ(Reg::String(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), "0.0.0.1");
  EXPECT_TRUE(Exists(InstalledCopy::Shortcut()));

  Click(main_, kExit);
  ASSERT_TRUE(spoolcat_.WaitExit(10000));
  EXPECT_EQ(RunSilently(Built::setup(), kSetupTime), DWORD{0});
  EXPECT_EQ(Reg::String(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), E2E_VERSION);
  EXPECT_EQ(RunSilently(uninstaller, kSetupTime, inPlace), DWORD{0});
  EXPECT_FALSE(Reg::KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

TEST_F(Install, AnUpgradeGoesIntoTheChosenFolderKeepsOneEntryAndTheSettings) {
  ASSERT_EQ(RunSilently(Built::olderSetup(), kSetupTime, std::string("/D=") + kChosenFolder),
            DWORD{0});
  Reg::SetDword(HKEY_CURRENT_USER, kSettingsKey, "Replace existing songs", 0);

  ASSERT_NO_FATAL_FAILURE(InstallSilently());
  const std::string exe = std::string(kChosenFolder) + "\\spoolcat.exe";
  EXPECT_EQ(FileNamesIn(kChosenFolder), (std::set<std::string>{"notify-test.cmd", "spoolcat.chm",
                                                               "spoolcat.exe", "uninstall.exe"}));
  EXPECT_FALSE(Exists(InstalledCopy::Folder()));
  EXPECT_EQ(ShortcutTarget(InstalledCopy::Shortcut()), exe);
  EXPECT_EQ(Reg::String(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), E2E_VERSION);
  EXPECT_EQ(Reg::String(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), kChosenFolder);
  EXPECT_EQ(EntriesNamed("Spoolcat"), 1);
  EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettingsKey, "Replace existing songs"), DWORD{0});
}

}  // namespace
}  // namespace e2e
