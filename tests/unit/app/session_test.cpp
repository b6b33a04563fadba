// A night on a real PC: a stopped job carried on, the end of the Windows
// session refused with a reason while the robot works, and the choices kept
// when it ends. The random walks hold the PC kept awake exactly while a job
// runs and the choices saved at a job's start.
#include "settings/settings_store.h"
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

constexpr std::uint32_t kDriveE = 1u << 4;
constexpr const char* kReason = "give Spoolcat waits for the disc robot to answer a command.";
constexpr const char* kBoxReason = "give A Spoolcat message waits for you to click OK.";
// The application's window, which stands for the program on the taskbar.
constexpr WindowHandle kTaskbarWindow = 0x7001;

class SessionTest : public MainWindowTest {
 protected:
  std::optional<std::uint32_t> Stored(const char* name) const {
    return sim.registry.dwordValue(kUser, kOwnKey, name);
  }
};

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

// The end of the session follows the close rule, asked of both windows; a
// refusal tells Windows why, once a window, and the reasons go when the
// robot's answer lets the user go.
TEST_F(SessionTest, TheEndOfTheSessionIsRefusedWithAReasonWhileACommandIsOut) {
  StartReady();
  EXPECT_TRUE(form->queryEndSession());
  EXPECT_TRUE(form->queryEndSession(kTaskbarWindow));
  form->btnWMP.click();
  EXPECT_FALSE(form->queryEndSession());
  EXPECT_FALSE(form->queryEndSession(kTaskbarWindow));
  EXPECT_FALSE(form->queryEndSession());
  EXPECT_EQ(sim.session.reasonCalls(), (std::vector<std::string>{kReason, kReason}));
  EXPECT_NE(sim.session.reason(form->handle()), "");
  EXPECT_NE(sim.session.reason(kTaskbarWindow), "");
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  EXPECT_EQ(sim.session.reasonCalls(),
            (std::vector<std::string>{kReason, kReason, "withdraw", "withdraw"}));
  EXPECT_EQ(sim.session.reason(form->handle()), "");
  EXPECT_EQ(sim.session.reason(kTaskbarWindow), "");
  EXPECT_TRUE(form->queryEndSession(kTaskbarWindow));
}

// While the "Occupied" message waits for OK, the robot is not what waits.
TEST_F(SessionTest, WhileTheOccupiedMessageIsOpenTheReasonSaysSo) {
  StartReady();
  form->btnWMP.click();
  EXPECT_FALSE(form->queryEndSession(kTaskbarWindow));
  ui.recordedBoxes.whileOpen = [this] { EXPECT_FALSE(form->queryEndSession(kTaskbarWindow)); };
  NotifyAndSettle({"Autoloader", "load", "Error", "Occupied"});
  EXPECT_EQ(sim.session.reasonCalls(), (std::vector<std::string>{kReason, kBoxReason, "withdraw"}));
  EXPECT_TRUE(form->queryEndSession(kTaskbarWindow));
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

}  // namespace
}  // namespace sc::testing
