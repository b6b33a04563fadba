// A night on a real PC: the PC kept awake exactly while a job runs, the end
// of the Windows session refused with a reason while the robot works, and the
// choices kept however the program ends.
#include "settings/settings_store.h"
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

constexpr std::uint32_t kDriveE = 1u << 4;
constexpr const char* kReason = "give Spoolcat waits for the disc robot to answer a command.";

class SessionTest : public MainWindowTest {
 protected:
  std::optional<std::uint32_t> Stored(const char* name) const {
    return sim.registry.dwordValue(kUser, kOwnKey, name);
  }
};

// Each way a job ends lets the PC sleep again; the last row is the failed
// unload, after which the disc's return carries the job on.
struct JobEnd {
  const char* name;
  std::vector<NoticeFields> answers;  // after the disc left the drive
  bool awakeAfter;
};

class JobEndTest : public SessionTest, public ::testing::WithParamInterface<JobEnd> {};

TEST_P(JobEndTest, ThePcIsKeptAwakeFromTheClickUntilTheJobEnds) {
  StartReady();
  EXPECT_FALSE(sim.session.awake());
  form->btnWMP.click();
  EXPECT_EQ(sim.session.awakeCalls(), std::vector<bool>{true});
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  Volume(kDbtDeviceArrival, kDriveE);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  for (const NoticeFields& answer : GetParam().answers) NotifyAndSettle(answer);
  EXPECT_EQ(sim.session.awake(), GetParam().awakeAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, JobEndTest,
    ::testing::Values(
        JobEnd{"JobDone",
               {{"Autoloader", "unload", "OK", ""}, {"Autoloader", "load", "Error", ""}},
               false},
        JobEnd{"Occupied",
               {{"Autoloader", "unload", "OK", ""}, {"Autoloader", "load", "Error", "Occupied"}},
               false},
        JobEnd{"UnloadFailed", {{"Autoloader", "unload", "Error", ""}}, false},
        JobEnd{"NextDiscLoading", {{"Autoloader", "unload", "OK", ""}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SessionTest, AStoppedJobsDiscComingBackKeepsThePcAwakeAgainAndCarriesTheJobOn) {
  StartJob();
  Volume(kDbtDeviceArrival, kDriveE);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  NotifyAndSettle({"Autoloader", "unload", "Error", ""});
  EXPECT_EQ(form->lblStatus.text(), "Disc Unloading");
  EXPECT_TRUE(form->btnExit.enabled());
  EXPECT_FALSE(form->btnWMP.enabled());
  Volume(kDbtDeviceArrival, kDriveE);
  EXPECT_EQ(form->lblStatus.text(), "Disc Loaded");
  EXPECT_TRUE(sim.session.awake());
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action unload --target E: Writer 1");
  NotifyAndSettle({"Autoloader", "unload", "OK", ""});
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action load --target E: Writer 1");
}

TEST_F(SessionTest, ClosingDuringAJobLetsThePcSleep) {
  StartJob();
  ASSERT_TRUE(form->close());
  EXPECT_EQ(sim.session.awakeCalls(), (std::vector<bool>{true, false}));
}

// The end of the session follows the close rule; a refusal tells Windows
// why, once, and the reason goes when the robot's answer lets the user go.
TEST_F(SessionTest, TheEndOfTheSessionIsRefusedWithAReasonWhileACommandIsOut) {
  StartReady();
  EXPECT_TRUE(form->queryEndSession());
  form->btnWMP.click();
  EXPECT_FALSE(form->queryEndSession());
  EXPECT_FALSE(form->queryEndSession());
  EXPECT_EQ(sim.session.reasonCalls(), std::vector<std::string>{kReason});
  EXPECT_NE(sim.session.reason(form->handle()), "");
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  EXPECT_EQ(sim.session.reasonCalls(), (std::vector<std::string>{kReason, "withdraw"}));
  EXPECT_EQ(sim.session.reason(form->handle()), "");
  EXPECT_TRUE(form->queryEndSession());
}

TEST_F(SessionTest, WithoutShutdownReasonsAsOnXpTheRefusalStandsAlone) {
  sim.session.setReasonsSupported(false);
  StartReady();
  form->btnWMP.click();
  EXPECT_FALSE(form->queryEndSession());
  EXPECT_EQ(sim.session.reason(form->handle()), "");
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  EXPECT_TRUE(form->queryEndSession());
}

// The session's end saves what the close would save, and stops the
// responder, but leaves the player alone; a cancelled end changes nothing.
struct EndRow {
  bool ending;
  std::optional<std::uint32_t> replaceSongs;
  std::size_t terminations;
};

class EndSessionTest : public SessionTest, public ::testing::WithParamInterface<EndRow> {};

TEST_P(EndSessionTest, SavesTheChoicesAsTheCloseDoesOnlyWhenTheSessionEnds) {
  StartReady();
  form->RadioGroup1.setItemIndex(1);  // iTunes: its options are shown
  form->ckxReplaceExitFile.click();
  const std::size_t shellCalls = sim.shell.calls().size();
  form->endSession(GetParam().ending);
  form->endSession(GetParam().ending);  // the taskbar's window passes it on too
  EXPECT_EQ(Stored(kReplaceSongsValue), GetParam().replaceSongs);
  EXPECT_EQ(sim.threads.terminations().size(), GetParam().terminations);
  EXPECT_EQ(sim.shell.calls().size(), shellCalls);
  EXPECT_TRUE(sim.desktop.closeRequests().empty());
}

INSTANTIATE_TEST_SUITE_P(Ends, EndSessionTest,
                         ::testing::Values(EndRow{true, 0u, 1u}, EndRow{false, std::nullopt, 0u}),
                         [](const auto& info) {
                           return std::string(info.param.ending ? "Ending" : "Cancelled");
                         });

TEST_F(SessionTest, AJobsStartSavesTheChoicesBeforeAnythingElse) {
  StartReady();
  form->RadioGroup1.setItemIndex(1);
  form->ckxRippingNoneCDB.click();
  ASSERT_EQ(Stored(kImportUnknownValue), std::nullopt);  // the first run stores none
  form->btnWMP.click();
  EXPECT_EQ(Stored(kImportUnknownValue), 0u);
  EXPECT_EQ(sim.registry.stringValue(kUser, kOwnKey, kRippingApplicationValue), "iTunes");
}

}  // namespace
}  // namespace sc::testing
