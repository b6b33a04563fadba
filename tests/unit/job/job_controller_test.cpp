#include <gmock/gmock.h>

#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

class JobControllerTest : public MainWindowTest {
 protected:
  bool OptionsEnabled() const {
    return form->ckxRippingNoneCDB.enabled() && form->ckxAlternateOutputt.enabled() &&
           form->ckxReplaceExitFile.enabled();
  }
};

TEST_F(JobControllerTest, RippingStartsThePlayerDisablesTheControlsAndLoads) {
  StartReady();
  form->btnWMP.click();
  const auto& player = sim.shell.calls()[1];
  EXPECT_EQ(player.owner, 0u);
  EXPECT_EQ(player.file, "C:\\Program Files\\Windows Media Player\\wmplayer.exe");
  EXPECT_EQ(player.parameters, "");
  EXPECT_EQ(player.showCommand, kSwShow);
  EXPECT_FALSE(form->PlayerIsITunes);
  EXPECT_FALSE(form->RadioGroup1.enabled());
  EXPECT_FALSE(form->btnWMP.enabled());
  EXPECT_FALSE(form->btnExit.enabled());
  EXPECT_FALSE(OptionsEnabled());
  EXPECT_EQ(form->StatusCode, 3);
  EXPECT_EQ(form->lblStatus.text(), "Disc Loading");
  EXPECT_FALSE(form->close());
}

TEST_F(JobControllerTest, LoadOkArmsTheResponderAndKeepsDiscLoading) {
  StartJob();
  EXPECT_TRUE(watch.WatchActive);
  EXPECT_EQ(form->lblStatus.text(), "Disc Loading");
  EXPECT_TRUE(form->btnExit.enabled());
  EXPECT_FALSE(OptionsEnabled());
  EXPECT_THAT(form->Memo1.lines(),
              ::testing::ElementsAre("ProcessAutoladerMessage() Writer loaded"));
}

TEST_F(JobControllerTest, RefusedLoadEndsTheJobAndReleasesTheWriter) {
  for (const char* result : {"Error", "ok", "OK "}) {
    StartReady();
    form->btnWMP.click();
    NotifyAndSettle({"Autoloader", "load", result, "No disc"});
    EXPECT_EQ(form->StatusCode, 6) << result;
    EXPECT_EQ(form->lblStatus.text(), "Job Done");
    EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --target E: Writer 1 --action Release");
    EXPECT_TRUE(form->RadioGroup1.enabled());
    EXPECT_TRUE(form->btnWMP.enabled());
    EXPECT_TRUE(form->btnExit.enabled());
    EXPECT_TRUE(OptionsEnabled());
    EXPECT_FALSE(JobRuns(form->Job()));
  }
}

TEST_F(JobControllerTest, OccupiedShowsTheTopMostBoxThenReturnsToReady) {
  StartReady();
  form->btnWMP.click();
  bool topMostDuringBox = false;
  ui.recordedBoxes.whileOpen = [&] { topMostDuringBox = form->topMost(); };
  NotifyAndSettle({"Autoloader", "load", "Error", "Occupied"});
  ASSERT_EQ(ui.recordedBoxes.shown.size(), 1u);
  const auto& box = ui.recordedBoxes.shown[0];
  EXPECT_FALSE(box.error);
  EXPECT_EQ(box.owner, form->handle());
  EXPECT_EQ(box.title, "Spoolcat");
  EXPECT_EQ(box.text,
            "Some Autoloader applications interfere with KETMGR;\nplease disable/close other "
            "Autoloader applications first and try again.");
  EXPECT_TRUE(topMostDuringBox);
  EXPECT_FALSE(form->topMost());
  EXPECT_EQ(form->StatusCode, 1);
  EXPECT_EQ(form->lblStatus.text(), "Ready");
  EXPECT_TRUE(form->btnWMP.enabled());
  EXPECT_TRUE(form->btnExit.enabled());
  EXPECT_TRUE(OptionsEnabled());
  EXPECT_FALSE(form->RadioGroup1.enabled());
  EXPECT_EQ(ManagerCommands().size(), 2u);
}

TEST_F(JobControllerTest, WhileTheOccupiedBoxIsOpenNoticesTakeANestedTurnButOpenNoSecondBox) {
  StartReady();
  form->btnWMP.click();
  int nested = 0;
  ui.recordedBoxes.whileOpen = [&] {
    if (nested++ > 0) return;
    NotifyAndSettle({"Autoloader", "Terminate", "", ""});
    // A flood of refusals, as another autoloader program may send: none of
    // them answers a load of ours any more.
    for (int i = 0; i < 1000; ++i) NotifyAndSettle({"Autoloader", "load", "Error", "Occupied"});
  };
  NotifyAndSettle({"Autoloader", "load", "Error", "Occupied"});
  EXPECT_EQ(ui.recordedBoxes.shown.size(), 1u);
  EXPECT_TRUE(form->Halted());
  // The outer call finishes its own notice, not the one that replaced it.
  EXPECT_EQ(form->lblStatus.text(), "Ready");
  EXPECT_FALSE(form->topMost());
  EXPECT_TRUE(form->btnWMP.enabled());
  EXPECT_EQ(ManagerCommands().size(), 2u);
}

TEST_F(JobControllerTest, UnloadOkLoadsTheNextDiscAndFailureStopsQuietly) {
  StartJob();
  Volume(kDbtDeviceRemoveComplete, 1u << 4);
  EXPECT_TRUE((form->Job().phase == JobPhase::Unloading));
  EXPECT_FALSE(watch.WatchActive);
  EXPECT_EQ(form->lblStatus.text(), "Disc Unloading");
  EXPECT_FALSE(form->btnExit.enabled());
  NotifyAndSettle({"Autoloader", "unload", "OK", ""});
  EXPECT_FALSE((form->Job().phase == JobPhase::Unloading));
  EXPECT_EQ(form->lblStatus.text(), "Disc Loading");
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action load --target E: Writer 1");
  // The next load waits for its answer as the first did: no closing meanwhile.
  EXPECT_FALSE(form->btnExit.enabled());
  EXPECT_FALSE(form->close());

  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  Volume(kDbtDeviceRemoveComplete, 1u << 4);
  NotifyAndSettle({"Autoloader", "unload", "Jammed", ""});
  EXPECT_EQ(form->lblStatus.text(), "Disc Unloading");
  EXPECT_FALSE(form->btnWMP.enabled());
  EXPECT_FALSE(form->RadioGroup1.enabled());
  EXPECT_TRUE(form->btnExit.enabled());
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action unload --target E: Writer 1");
}

TEST_F(JobControllerTest, RejectNeedsTheOptionAndAnUnidentifiedDisc) {
  struct Case {
    bool alternate;
    bool unknown;
    const char* action;
  } cases[] = {{true, true, "reject"}, {true, false, "unload"}, {false, true, "unload"}};
  for (const auto& c : cases) {
    StartJob();
    form->ckxAlternateOutputt.setChecked(c.alternate);
    watch.UnknownDiscSeen = c.unknown;
    form->tmrUnload.setEnabled(true);
    Advance(20);
    EXPECT_EQ(LastManagerCommand(),
              std::string("--caller Spoolcat: --action ") + c.action + " --target E: Writer 1");
    EXPECT_FALSE(watch.UnknownDiscSeen);
    EXPECT_FALSE(form->tmrUnload.enabled());
  }
}

TEST_F(JobControllerTest, TerminateHaltsTheStatusLineButNoticesGoOn) {
  StartJob();
  NotifyAndSettle({"Autoloader", "Terminate", "", ""});
  EXPECT_EQ(form->lblStatus.text(), "Conflict with other application");
  Advance(5000);
  EXPECT_EQ(form->lblStatus.text(), "Conflict with other application");
  Volume(kDbtDeviceRemoveComplete, 1u << 4);
  NotifyAndSettle({"Autoloader", "unload", "OK", ""});
  NotifyAndSettle({"Autoloader", "load", "Error", "Done"});
  EXPECT_EQ(form->lblStatus.text(), "Job Done");
}

TEST_F(JobControllerTest, RefreshDuringAJobRereadsTheWritersButTheJobGoesOn) {
  StartJob();
  Volume(kDbtDeviceArrival, 1u << 4);
  PublishWriters({"F: Other writer", "E: Writer 1"});
  NotifyAndSettle({"Autoloader", "Refresh", "", ""});
  Advance(100);
  EXPECT_EQ(form->cbxWriters.items().size(), 2u);
  EXPECT_EQ(form->lblStatus.text().rfind("Disc Loaded", 0), 0u) << form->lblStatus.text();
  EXPECT_EQ(form->StatusCode, 4);
  EXPECT_FALSE(form->btnWMP.enabled());
  EXPECT_FALSE(form->RadioGroup1.enabled());
  EXPECT_TRUE(form->btnExit.enabled());
  // The disc leaving the job's writer is unloaded there; a second click
  // cannot start the player again.
  form->btnWMPClick();
  Volume(kDbtDeviceRemoveComplete, 1u << 4);
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action unload --target E: Writer 1");
  EXPECT_EQ(sim.shell.calls().size(), 4u);  // Check, player, load, unload
}

TEST_F(JobControllerTest, RippingDoesNothingWithoutASelectedPlayer) {
  PublishWriters({"E: Writer"});
  Start();
  NotifyAndSettle({"Autoloader", "Check", "", ""});
  Advance(100);
  form->btnWMPClick();
  EXPECT_EQ(ManagerCommands().size(), 0u);
  EXPECT_TRUE(form->btnExit.enabled());
}

TEST_F(JobControllerTest, ITunesIsStartedByItsCommandAndClosedByItsTitle) {
  sim.registry.putString(kUser, kOwnKey, "Ripping Application", "iTunes");
  InstallManagerAndPlayers();
  InstallITunes("\"C:\\iTunes\\iTunes.exe\" /autorun");
  PublishWriters({"E: Writer 1"});
  Start();
  NotifyAndSettle({"Autoloader", "Check", "", ""});
  Advance(100);
  form->btnWMP.click();
  EXPECT_TRUE(form->PlayerIsITunes);
  EXPECT_EQ(sim.shell.calls()[1].file, "\"C:\\iTunes\\iTunes.exe\" /autorun");
  const WindowHandle iTunes = sim.desktop.addWindow("iTunes");
  sim.desktop.addWindow("Windows Media Player");
  NotifyAndSettle({"Autoloader", "load", "Error", "Empty"});
  ASSERT_TRUE(form->close());
  EXPECT_EQ(sim.desktop.closeRequests(), std::vector<WindowHandle>{iTunes});
}

}  // namespace
}  // namespace sc::testing
