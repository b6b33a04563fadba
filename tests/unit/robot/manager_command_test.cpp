#include "robot/manager_command.h"

#include "robot/manager_locator.h"
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

TEST(ManagerCommandTest, FormatsTwoAndThreePairsInTheOrderGiven) {
  EXPECT_EQ(BuildManagerCommand({{"caller", "Spoolcat:"}, {"action", "Check"}}),
            "--caller Spoolcat: --action Check");
  EXPECT_EQ(BuildManagerCommand(
                {{"caller", "Spoolcat:"}, {"target", "E: Writer 1"}, {"action", "Release"}}),
            "--caller Spoolcat: --target E: Writer 1 --action Release");
  // Values go in as they are: no quotes, no escapes.
  EXPECT_EQ(BuildManagerCommand({{"caller", "a\"b"}, {"action", "x --y"}}),
            "--caller a\"b --action x --y");
}

// A cut line would name another writer, or lose the action of a Release.
TEST(ManagerCommandTest, ALineThatDoesNotFitItsBufferIsNotBuiltCut) {
  const std::string prefix = "--caller c --action load --target ";
  const std::string fits(2047 - prefix.size(), 'w');
  EXPECT_EQ(BuildManagerCommand({{"caller", "c"}, {"action", "load"}, {"target", fits}}),
            prefix + fits);
  EXPECT_FALSE(BuildManagerCommand({{"caller", "c"}, {"action", "load"}, {"target", fits + "w"}}));
  EXPECT_FALSE(BuildManagerCommand(
      {{"caller", "c"}, {"target", std::string(5000, 'w')}, {"action", "Release"}}));
}

class ManagerJobCommandsTest : public MainWindowTest {};

TEST_F(ManagerJobCommandsTest, EveryCommandOfAJobIsSentExactly) {
  StartReady({"E: Writer 1 (Unit A)"});
  form->btnWMP.click();
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  Volume(kDbtDeviceRemoveComplete, 1u << 4);
  NotifyAndSettle({"Autoloader", "unload", "OK", ""});
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  watch.UnknownDiscSeen = true;
  Volume(kDbtDeviceRemoveComplete, 1u << 4);
  NotifyAndSettle({"Autoloader", "reject", "OK", ""});
  NotifyAndSettle({"Autoloader", "load", "Error", "Stack empty"});
  EXPECT_EQ(ManagerCommands(),
            (std::vector<std::string>{
                "--caller Spoolcat: --action Check",
                "--caller Spoolcat: --action load --target E: Writer 1 (Unit A)",
                "--caller Spoolcat: --action unload --target E: Writer 1 (Unit A)",
                "--caller Spoolcat: --action load --target E: Writer 1 (Unit A)",
                "--caller Spoolcat: --action reject --target E: Writer 1 (Unit A)",
                "--caller Spoolcat: --action load --target E: Writer 1 (Unit A)",
                "--caller Spoolcat: --target E: Writer 1 (Unit A) --action Release",
            }));
  for (const auto& call : sim.shell.calls()) {
    if (call.parameters->rfind("--caller", 0) != 0) continue;
    EXPECT_EQ(call.showCommand, kSwHide);
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.owner, form->handle());
  }
}

class LocateManagerTest : public MainWindowTest {
 protected:
  std::string Locate(const std::string& program) {
    sim.system.setModulePath(program);
    return LocateManager(sim.platform(), kUser);
  }
  std::optional<std::string> Report() {
    return sim.registry.stringValue(kUser, kRobotKey, "Robot Report");
  }
};

TEST_F(LocateManagerTest, ManagerBesideTheProgramIsUsedAndTheRobotKeyLeftAlone) {
  sim.files.addFile("C:\\Apps\\Rip\\ketmgr.exe");
  EXPECT_EQ(Locate("C:\\Apps\\Rip\\prog.exe"), "C:\\Apps\\Rip\\ketmgr.exe");
  EXPECT_FALSE(sim.registry.hasKey(kUser, kRobotKey));
  sim.files.addFile("C:\\ketmgr.exe");
  EXPECT_EQ(Locate("C:\\prog.exe"), "C:\\ketmgr.exe");
}

TEST_F(LocateManagerTest, DirectoryOrFileWithoutArchiveBitFallsBackToTheRegistry) {
  sim.registry.putString(kUser, kRobotKey, "", "D:\\Robot\\ketmgr.exe");
  sim.files.addDirectory("C:\\Apps\\Rip\\ketmgr.exe");
  EXPECT_EQ(Locate("C:\\Apps\\Rip\\prog.exe"), "D:\\Robot\\ketmgr.exe");
  EXPECT_EQ(Report(), "Check");
  EXPECT_EQ(sim.registry.value(kUser, kRobotKey, "Robot Report")->bytes.size(), 6u);

  sim.files.addFile("C:\\Other\\ketmgr.exe", 0x01);
  EXPECT_EQ(Locate("C:\\Other\\prog.exe"), "D:\\Robot\\ketmgr.exe");
}

TEST_F(LocateManagerTest, RobotKeyWithoutDefaultValueGivesNoPath) {
  sim.registry.addKey(kUser, kRobotKey);
  EXPECT_EQ(Locate("C:\\Apps\\prog.exe"), "");
  EXPECT_EQ(Report(), "Check");
}

TEST_F(LocateManagerTest, MissingRobotKeyIsCreatedAndThePathBesideTheProgramKept) {
  EXPECT_EQ(Locate("C:\\Apps\\prog.exe"), "C:\\Apps\\ketmgr.exe");
  EXPECT_EQ(Report(), "Check");
  EXPECT_TRUE(sim.registry.openKeys().empty());
}

TEST_F(LocateManagerTest, RobotKeyThatCannotBeOpenedKeepsThePathBesideTheProgram) {
  sim.registry.denyAccess(kUser, "SOFTWARE\\Venmora", kKeyAllAccess);
  EXPECT_EQ(Locate("C:\\Apps\\prog.exe"), "C:\\Apps\\ketmgr.exe");
  EXPECT_FALSE(Report());
}

TEST_F(LocateManagerTest, ProgramPathWithoutBackslashKeepsItsWholeName) {
  sim.files.addFile("prog.exe\\ketmgr.exe");
  EXPECT_EQ(Locate("prog.exe"), "prog.exe\\ketmgr.exe");
}

TEST_F(LocateManagerTest, DirectoryTooLongForTheManagerNameGivesNoCutPath) {
  // 249 characters of directory leave no room for "\ketmgr.exe" in 260 bytes.
  const std::string directory = "C:\\" + std::string(246, 'd');
  EXPECT_EQ(Locate(directory + "\\p.exe"), "");
  const std::string fits = "C:\\" + std::string(245, 'd');
  sim.files.addFile(fits + "\\ketmgr.exe");
  EXPECT_EQ(Locate(fits + "\\p.exe"), fits + "\\ketmgr.exe");
  EXPECT_EQ((fits + "\\ketmgr.exe").size(), 259u);
  // A registered manager is still found.
  sim.registry.putString(kUser, kRobotKey, "", "D:\\Robot\\ketmgr.exe");
  EXPECT_EQ(Locate(directory + "\\p.exe"), "D:\\Robot\\ketmgr.exe");
}

TEST_F(LocateManagerTest, RegisteredPathTooLongForTheBufferGivesNoPath) {
  sim.registry.putString(kUser, kRobotKey, "", std::string(300, 'p'));
  EXPECT_EQ(Locate("C:\\Apps\\prog.exe"), "");
}

}  // namespace
}  // namespace sc::testing
