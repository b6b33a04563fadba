#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

class RobotStatusPollTest : public MainWindowTest {
 protected:
  void SetUp() override {
    InstallManagerAndPlayers();
    sim.registry.addKey(kUser, kRobotKey);
  }
  void Report(const std::string& text) {
    sim.registry.putString(kUser, kRobotKey, "Robot Report", text);
  }
  void Unit(const std::string& name, std::uint32_t online, std::uint32_t writers,
            const std::vector<std::pair<int, std::string>>& keys) {
    const std::string unit = std::string(kRobotKey) + "\\" + name;
    sim.registry.putDword(kUser, unit, "Online", online);
    sim.registry.putDword(kUser, unit, "Writers", writers);
    for (const auto& [n, text] : keys)
      sim.registry.putString(kUser, unit + "\\Writer" + std::to_string(n), "", text);
  }
  void StartPoll() {
    Start();
    NotifyAndSettle({"Autoloader", "Check", "", ""});
  }
};

TEST_F(RobotStatusPollTest, WaitIsPolledEvery100MsUntilReady) {
  Report("Wait");
  Unit("Unit1", 1, 1, {{1, "E: Writer"}});
  StartPoll();
  int polls = 0;
  while (form->tmrInit.enabled() && polls < 100) {
    EXPECT_EQ(ui.clock.remaining(form->tmrInit), 100);
    if (++polls == 20) Report("Ready");
    Advance(99);
    EXPECT_EQ(form->lblStatus.text().rfind("Initializing", 0), 0u);
    Advance(1);
  }
  EXPECT_EQ(polls, 20);
  EXPECT_EQ(form->lblStatus.text(), "Ready");
  EXPECT_EQ(form->StatusCode, 1);
  EXPECT_EQ(form->cbxWriters.items(), std::vector<std::string>{"E: Writer"});
  EXPECT_EQ(form->cbxWriters.text(), "E: Writer");
  EXPECT_TRUE(form->btnWMP.enabled());
  EXPECT_TRUE(form->btnExit.enabled());
  EXPECT_TRUE(sim.registry.openKeys().empty());
}

TEST_F(RobotStatusPollTest, AnyOtherReportEndsThePollAfterOneRead) {
  Unit("Unit1", 1, 1, {{1, "E: Writer"}});
  for (const char* text : {"ready", "Check", "", "Ready "}) {
    Report(text);
    StartPoll();
    Advance(100);
    EXPECT_FALSE(form->tmrInit.enabled()) << text;
    EXPECT_EQ(form->cbxWriters.count(), 0) << text;
    EXPECT_FALSE(form->btnWMP.enabled()) << text;
    EXPECT_EQ(form->StatusCode, 0) << text;
  }
}

TEST_F(RobotStatusPollTest, OnlineUnitsListTheirWritersInOrder) {
  Report("Ready");
  Unit("UnitA", 1, 2, {{1, "E: A1"}, {2, "F: A2"}});
  Unit("UnitB", 0, 1, {{1, "G: offline"}});
  Unit("UnitC", 1, 1, {{1, "H: C1"}});
  Unit("UnitD", 1, 3, {{1, "I: D1"}, {3, "J: D3"}});
  StartPoll();
  Advance(100);
  EXPECT_EQ(form->cbxWriters.items(),
            (std::vector<std::string>{"E: A1", "F: A2", "H: C1", "I: D1", "J: D3"}));
  EXPECT_EQ(form->cbxWriters.itemIndex(), 0);
}

// As HKEY_LOCAL_MACHINE is to a standard account on XP: the robot's keys may
// be read, not written.
TEST_F(RobotStatusPollTest, KeysThatRefuseWritingStillListTheWriters) {
  Report("Ready");
  Unit("Unit1", 1, 1, {{1, "E: Writer"}});
  sim.registry.denyAccess(kUser, kRobotKey, kKeyAllAccess & ~kKeyRead);
  StartPoll();
  Advance(100);
  EXPECT_EQ(form->cbxWriters.items(), std::vector<std::string>{"E: Writer"});
}

TEST_F(RobotStatusPollTest, LongUnitNameEndsTheEnumeration) {
  Report("Ready");
  Unit("A", 1, 1, {{1, "E: first"}});
  Unit(std::string("B") + std::string(31, 'x'), 1, 1, {{1, "F: long"}});
  Unit("C", 1, 1, {{1, "G: after"}});
  StartPoll();
  Advance(100);
  EXPECT_EQ(form->cbxWriters.items(), std::vector<std::string>{"E: first"});
}

TEST_F(RobotStatusPollTest, NoWriterShowsNoDeviceAndDisablesRipping) {
  Report("Ready");
  Unit("Unit1", 1, 1, {{1, "E: Writer"}});
  StartPoll();
  Advance(100);
  ASSERT_TRUE(form->btnWMP.enabled());
  Unit("Unit1", 0, 1, {});
  NotifyAndSettle({"Autoloader", "Refresh", "", ""});
  Advance(100);
  EXPECT_EQ(form->StatusCode, 2);
  EXPECT_EQ(form->lblStatus.text(), "No Device");
  EXPECT_TRUE(form->btnExit.enabled());
  // Ripping would disable Exit and send nothing: the window could never close.
  EXPECT_FALSE(form->btnWMP.enabled());
}

TEST_F(RobotStatusPollTest, AfterTerminateNoDeviceKeepsTheConflictTextButReadyIsShown) {
  Report("Ready");
  StartPoll();
  NotifyAndSettle({"Autoloader", "Terminate", "", ""});
  Advance(100);
  EXPECT_EQ(form->StatusCode, 2);
  EXPECT_EQ(form->lblStatus.text(), "Conflict with other application");
  Unit("Unit1", 1, 1, {{1, "E: Writer"}});
  NotifyAndSettle({"Autoloader", "Refresh", "", ""});
  Advance(100);
  EXPECT_EQ(form->lblStatus.text(), "Ready");
}

TEST_F(RobotStatusPollTest, CorruptWriterCountIsBounded) {
  Report("Ready");
  Unit("Unit1", 1, 0xFFFFFFFFu, {{1, "E: one"}, {300, "F: beyond"}});
  StartPoll();
  Advance(100);
  EXPECT_EQ(form->cbxWriters.items(), std::vector<std::string>{"E: one"});
}

TEST_F(RobotStatusPollTest, WriterTextsAreCutToTheirBuffer) {
  Report("Ready");
  const std::string longText = "E:" + std::string(200, 'w');
  Unit("Unit1", 1, 3, {{1, longText}, {2, ""}});
  sim.registry.putString(kUser, std::string(kRobotKey) + "\\Unit1\\Writer3", "",
                         "F:" + std::string(126, 'z'), false);
  StartPoll();
  Advance(100);
  ASSERT_EQ(form->cbxWriters.count(), 3);
  EXPECT_EQ(form->cbxWriters.items()[0], longText.substr(0, 127));
  EXPECT_EQ(form->cbxWriters.items()[1], "");
  EXPECT_EQ(form->cbxWriters.items()[2], "F:" + std::string(125, 'z'));
}

TEST_F(RobotStatusPollTest, UnreadableRobotKeyEndsThePollQuietly) {
  Report("Ready");
  Unit("Unit1", 1, 1, {{1, "E: Writer"}});
  sim.registry.failures().always("openKey", kErrorAccessDenied,
                                 "HKCU\\SOFTWARE\\Venmora\\Kelvomat");
  StartPoll();
  Advance(100);
  EXPECT_EQ(form->cbxWriters.count(), 0);
  EXPECT_EQ(form->lblStatus.text().rfind("Initializing", 0), 0u);
}

}  // namespace
}  // namespace sc::testing
