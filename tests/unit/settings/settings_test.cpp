#include "settings/registry_root.h"
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

TEST(RegistryRootTest, FollowsTheMajorVersion) {
  sim::SimSystemInfo system;
  system.setMajorVersion(5);
  EXPECT_EQ(ChooseRegistryRoot(system), RegRoot::LocalMachine);
  system.setMajorVersion(6);
  EXPECT_EQ(ChooseRegistryRoot(system), RegRoot::CurrentUser);
  system.setMajorVersion(10);
  EXPECT_EQ(ChooseRegistryRoot(system), RegRoot::CurrentUser);
}

TEST(RegistryRootTest, FallsBackToThePlainRecordAndThenToTheMachineRoot) {
  sim::SimSystemInfo system;
  system.failures().always("getVersion", 87, "156");
  EXPECT_EQ(ChooseRegistryRoot(system), RegRoot::CurrentUser);
  system.failures().always("getVersion", 87, "148");
  EXPECT_EQ(ChooseRegistryRoot(system), RegRoot::LocalMachine);
}

class SettingsTest : public MainWindowTest {
 protected:
  void StoreOptions(std::uint32_t import, std::uint32_t alternate, std::uint32_t replace) {
    sim.registry.putDword(kUser, kOwnKey, "Import unknown CD anyway", import);
    sim.registry.putDword(kUser, kOwnKey, "Unload unknown CD to alternate output", alternate);
    sim.registry.putDword(kUser, kOwnKey, "Replace existing songs", replace);
  }
  void CloseWindow() {
    form->btnExit.setEnabled(true);
    ASSERT_TRUE(form->close());
  }
  std::optional<std::uint32_t> Stored(const char* name) {
    return sim.registry.dwordValue(kUser, kOwnKey, name);
  }
};

TEST_F(SettingsTest, FirstRunCreatesTheKeyWithTheProgramPathAndAllOptionsOn) {
  InstallWmp();
  Start();
  EXPECT_EQ(sim.registry.stringValue(kUser, kOwnKey, ""),
            std::string(kProgramDir) + "\\spoolcat.exe");
  EXPECT_TRUE(form->ckxRippingNoneCDB.checked());
  EXPECT_TRUE(form->ckxAlternateOutputt.checked());
  EXPECT_TRUE(form->ckxReplaceExitFile.checked());
  EXPECT_EQ(form->RadioGroup1.itemIndex(), 0);
  EXPECT_FALSE(sim.registry.value(kUser, kOwnKey, "Ripping Application"));
  CloseWindow();
  EXPECT_EQ(Stored("Import unknown CD anyway"), 1u);
  EXPECT_EQ(Stored("Unload unknown CD to alternate output"), 1u);
  EXPECT_EQ(Stored("Replace existing songs"), 1u);
  EXPECT_EQ(sim.registry.stringValue(kUser, kOwnKey, "Ripping Application"),
            "Windows Media Player");
}

TEST_F(SettingsTest, LaterRunsReadTheOptionsAndNormaliseThemAtClose) {
  InstallWmp();
  StoreOptions(7, 0, 1);
  sim.registry.putString(kUser, kOwnKey, "", "D:\\old\\place\\spoolcat.exe");
  Start();
  EXPECT_TRUE(form->ckxRippingNoneCDB.checked());
  EXPECT_FALSE(form->ckxAlternateOutputt.checked());
  EXPECT_TRUE(form->ckxReplaceExitFile.checked());
  CloseWindow();
  EXPECT_EQ(Stored("Import unknown CD anyway"), 1u);
  EXPECT_EQ(Stored("Unload unknown CD to alternate output"), 0u);
  // The default value is written only when the key is created.
  EXPECT_EQ(sim.registry.stringValue(kUser, kOwnKey, ""), "D:\\old\\place\\spoolcat.exe");
}

TEST_F(SettingsTest, AnUncheckedOptionIsStoredAndShownUncheckedNextTime) {
  InstallITunes();
  sim.registry.putString(kUser, kOwnKey, "Ripping Application", "iTunes");
  Start();
  form->ckxReplaceExitFile.click();
  CloseWindow();
  EXPECT_EQ(Stored("Replace existing songs"), 0u);
  Start();
  EXPECT_FALSE(form->ckxReplaceExitFile.checked());
}

TEST_F(SettingsTest, SavedPlayerNamesMatchExactly) {
  InstallWmp();
  InstallITunes();
  struct Case {
    const char* saved;
    int selected;
  } cases[] = {{"iTunes", 1},  {"Windows Media Player", 0},
               {"itunes", 0},  {"ITUNES", 0},
               {"iTunes ", 0}, {"", 0}};
  for (const auto& c : cases) {
    sim.registry.putString(kUser, kOwnKey, "Ripping Application", c.saved);
    Start();
    EXPECT_EQ(form->RadioGroup1.itemIndex(), c.selected) << c.saved;
  }
}

TEST_F(SettingsTest, ValuesOfTheWrongShapeKeepTheirDefaults) {
  InstallWmp();
  InstallITunes();
  sim.registry.putString(kUser, kOwnKey, "Import unknown CD anyway", "0");
  sim.registry.putValue(kUser, kOwnKey, "Unload unknown CD to alternate output",
                        {kRegDword, {0, 0}});
  sim.registry.putValue(kUser, kOwnKey, "Replace existing songs", {kRegBinary, {0, 0, 0, 0}});
  sim.registry.putString(kUser, kOwnKey, "Ripping Application", std::string(300, 'x'));
  Start();
  EXPECT_TRUE(form->ckxRippingNoneCDB.checked());
  EXPECT_TRUE(form->ckxAlternateOutputt.checked());
  EXPECT_TRUE(form->ckxReplaceExitFile.checked());
  EXPECT_EQ(TextOf(form->SavedPlayerName), "");
}

// A limit of a job's waits, set by a user: a minute to a day, else the default.
TEST(WaitLimitsTest, OnlyAMinuteToADayIsTaken) {
  const std::pair<std::uint32_t, std::uint32_t> cases[] = {
      {1440, 1440}, {0, 5}, {1441, 5}, {0xFFFFFFFF, 5}};
  for (const auto& [stored, minutes] : cases) {
    sim::SimRegistry registry;
    registry.putDword(kUser, kOwnKey, kRobotAnswerMinutesValue, stored);
    EXPECT_EQ(LoadSettingsFrom(registry, kUser, "").waitLimits.robotAnswerMinutes, minutes);
  }
}

// The notify command: text up to 2,047 characters, its references marked
// for expansion when stored as such; anything else is ignored, and said to be.
TEST(NotifyCommandSettingTest, TextUpTo2047CharactersIsTaken) {
  using F = NotifyCommandFault;
  const auto text = [](const std::string& chars, bool zero = true) {
    std::vector<std::uint8_t> bytes(chars.begin(), chars.end());
    if (zero) bytes.push_back(0);
    return bytes;
  };
  const struct Case {
    std::optional<sim::RegValue> stored;
    std::string command;
    bool expand;
    F fault;
  } cases[] = {
      {std::nullopt, "", false, F::None},
      {sim::RegValue{kRegSz, text("")}, "", false, F::None},
      {sim::RegValue{kRegSz, text("cmd /c echo %x%")}, "cmd /c echo %x%", false, F::None},
      {sim::RegValue{kRegExpandSz, text("%USERPROFILE%\\n.cmd")}, "%USERPROFILE%\\n.cmd", true,
       F::None},
      {sim::RegValue{kRegSz, text("abc", false)}, "abc", false, F::None},
      {sim::RegValue{kRegSz, text(std::string("abc\0zz", 6))}, "abc", false, F::None},
      {sim::RegValue{kRegSz, text(std::string(2047, 'c'))}, std::string(2047, 'c'), false, F::None},
      {sim::RegValue{kRegSz, text(std::string(2048, 'c'))}, "", false, F::TooLong},
      {sim::RegValue{kRegSz, text(std::string(1024 * 1024, 'c'))}, "", false, F::TooLong},
      {sim::RegValue{kRegDword, {1, 0, 0, 0}}, "", false, F::NotText},
      {sim::RegValue{kRegBinary, text("cmd")}, "", false, F::NotText},
  };
  for (const Case& c : cases) {
    sim::SimRegistry registry;
    registry.addKey(kUser, kOwnKey);
    if (c.stored) registry.putValue(kUser, kOwnKey, kNotifyCommandValue, *c.stored);
    const NotifyCommandSetting setting = LoadSettingsFrom(registry, kUser, "").notifyCommand;
    EXPECT_EQ(setting.command, c.command) << c.command.size();
    EXPECT_EQ(setting.expand, c.expand) << c.command;
    EXPECT_EQ(setting.fault, c.fault) << c.command.size();
  }
}

TEST_F(SettingsTest, PlayerNameWithoutItsZeroStillMatches) {
  InstallWmp();
  InstallITunes();
  sim.registry.putString(kUser, kOwnKey, "Ripping Application", "iTunes", false);
  Start();
  EXPECT_EQ(form->RadioGroup1.selectedText(), "iTunes");
}

TEST_F(SettingsTest, PlayerNameFillingTheWholeBufferDoesNotFit) {
  InstallWmp();
  sim.registry.putString(kUser, kOwnKey, "Ripping Application", std::string(256, 'y'), false);
  Start();
  EXPECT_EQ(TextOf(form->SavedPlayerName), "");
}

TEST_F(SettingsTest, LongProgramPathIsWrittenWhole) {
  for (std::size_t length : {255u, 256u, 259u}) {
    sim.registry.removeKey(kUser, kOwnKey);
    std::string path = "C:\\" + std::string(length - 3 - 13, 'd') + "\\spoolcat.exe";
    ASSERT_EQ(path.size(), length);
    sim.system.setModulePath(path);
    Start();
    EXPECT_EQ(sim.registry.stringValue(kUser, kOwnKey, ""), path);
    EXPECT_EQ(sim.registry.value(kUser, kOwnKey, "")->bytes.size(), length + 1);
  }
}

TEST_F(SettingsTest, WithoutAnyPlayerTheStoredChoiceIsKept) {
  sim.registry.putString(kUser, kOwnKey, "Ripping Application", "iTunes");
  Start();
  EXPECT_EQ(form->RadioGroup1.count(), 0);
  form->ckxRippingNoneCDB.setChecked(false);
  CloseWindow();
  EXPECT_EQ(sim.registry.stringValue(kUser, kOwnKey, "Ripping Application"), "iTunes");
  EXPECT_EQ(Stored("Import unknown CD anyway"), 0u);
}

TEST_F(SettingsTest, KeyThatCannotBeCreatedLeavesDefaultsAndSavesNothing) {
  InstallWmp();
  sim.registry.denyAccess(kUser, "SOFTWARE\\Venmora", kKeyAllAccess);
  Start();
  EXPECT_TRUE(form->ckxReplaceExitFile.checked());
  CloseWindow();
  EXPECT_FALSE(sim.registry.hasKey(kUser, kOwnKey));
}

TEST_F(SettingsTest, KeyDeletedWhileRunningIsNotRecreatedAtClose) {
  InstallWmp();
  Start();
  sim.registry.removeKey(kUser, kOwnKey);
  CloseWindow();
  EXPECT_FALSE(sim.registry.hasKey(kUser, kOwnKey));
  EXPECT_TRUE(sim.registry.openKeys().empty());
}

TEST_F(SettingsTest, OnWindowsXpTheSettingsLiveUnderTheMachineRoot) {
  sim.system.setMajorVersion(5);
  InstallWmp();
  Start();
  EXPECT_TRUE(sim.registry.hasKey(kMachine, kOwnKey));
  EXPECT_FALSE(sim.registry.hasKey(kUser, kOwnKey));
  EXPECT_EQ(form->RegistryRoot, kMachine);
}

// A standard account on XP may read HKEY_LOCAL_MACHINE but write nothing there.
TEST_F(SettingsTest, AStandardAccountOnXpReadsTheManagerAndTheChoicesAndSeesTheRobot) {
  sim.system.setMajorVersion(5);
  InstallWmp();
  InstallITunes();
  sim.registry.putString(kMachine, kOwnKey, "Ripping Application", "iTunes");
  sim.registry.putDword(kMachine, kOwnKey, "Replace existing songs", 0);
  sim.registry.putString(kMachine, kRobotKey, "", "C:\\Robot\\ketmgr.exe");
  PublishWriters({"E: Writer 1"}, kMachine);
  sim.registry.denyAccess(kMachine, "", kKeyAllAccess & ~kKeyRead);
  Start();
  ASSERT_EQ(sim.shell.calls().size(), 1u);
  EXPECT_EQ(sim.shell.calls()[0].file, "C:\\Robot\\ketmgr.exe");
  EXPECT_EQ(form->RadioGroup1.selectedText(), "iTunes");
  EXPECT_FALSE(form->ckxReplaceExitFile.checked());
  NotifyAndSettle({"Autoloader", "Check", "", ""});
  Advance(100);
  EXPECT_EQ(form->lblStatus.text(), "Ready");
  EXPECT_FALSE(sim.registry.value(kMachine, kOwnKey, ""));
  EXPECT_TRUE(sim.registry.openKeys().empty());
}

}  // namespace
}  // namespace sc::testing
