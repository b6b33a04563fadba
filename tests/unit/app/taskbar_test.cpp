// What the taskbar button tells a user across the room: for each way a job
// can stand, the button's state, whether it flashed, and the night's figures.
// The machine's table holds every change of state; these rows hold what only
// the window shows: the flash against the foreground, the figures, the
// button made anew, and no button at all.
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

constexpr std::uint32_t kDriveE = 1u << 4;

class TaskbarTest : public MainWindowTest {
 public:
  // The situations below act on the window as the test does.
  using MainWindowRig::Advance;
  using MainWindowRig::Answer;
  using MainWindowRig::form;
  using MainWindowRig::RipDisc;
  using MainWindowRig::sim;
  using MainWindowRig::Start;
  using MainWindowRig::ui;
  using MainWindowRig::Volume;

  void Rip() { form->btnWMP.click(); }
  TaskbarProgress Shown() const { return sim.taskbar.progress(form->handle()); }
  // Just short of the limit the button shows what it showed; just past it,
  // yellow, and the tooltip's first line says what waits since when, over
  // what it told before, after a CR LF.
  void Outlast(std::uint32_t minutes, TaskbarProgress before, const std::string& line) {
    Advance(minutes * 60000 - 1);
    EXPECT_EQ(Shown(), before);
    const std::string told = sim.taskbar.tooltip(form->handle());
    Advance(1);
    EXPECT_EQ(Shown(), TaskbarProgress::Paused);
    EXPECT_EQ(sim.taskbar.tooltip(form->handle()),
              line + " since 22:14" + (told.empty() ? "" : "\r\n" + told));
  }

  TaskbarProgress shownWhileBoxOpen = TaskbarProgress::None;
};

using T = TaskbarTest;
using S = TaskbarProgress;

struct Situation {
  const char* name;
  void (*reach)(TaskbarTest&);  // from "Ready"
  bool inFront;
  S shows;
  std::size_t flashes;
  const char* tooltip;
};

void Loaded(T& t) {
  t.Rip();
  t.Answer("load", "OK");
}
void Ripping(T& t) {
  Loaded(t);
  t.Volume(kDbtDeviceArrival, kDriveE);
}
// The robot could not take the disc out, then lists no writer: the stopped
// job cannot go on.
void StoppedThenNoWriter(T& t) {
  Ripping(t);
  t.Volume(kDbtDeviceRemoveComplete, kDriveE);
  t.Answer("unload", "Error");
  t.sim.registry.putDword(kUser, std::string(kRobotKey) + "\\Unit1", "Online", 0);
  t.Answer("Refresh", "");
  t.Advance(100);
}
void JobDone(T& t) {
  t.Rip();
  t.RipDisc("reject");
  t.RipDisc("unload");
  t.RipDisc("unload");
  t.Answer("load", "Error", "No more discs");
}
void Occupied(T& t) {
  t.ui.recordedBoxes.whileOpen = [&t] { t.shownWhileBoxOpen = t.Shown(); };
  t.Answer("load", "Error", "Occupied");
  EXPECT_EQ(t.shownWhileBoxOpen, S::Paused);
}
void OccupiedBox(T& t) {
  t.Rip();
  Occupied(t);
}
// Another program took the robot between two discs: the refusal goes over
// the discs done so far.
void OccupiedMidJob(T& t) {
  t.Rip();
  t.RipDisc("unload");
  t.RipDisc("reject");
  Occupied(t);
}
void RippingAfterTheRefusal(T& t) {
  OccupiedMidJob(t);
  t.Rip();
}
// A report that shows "Ready" afterwards leaves the error standing.
void NoManagerForTheUnload(T& t) {
  Loaded(t);
  t.sim.shell.failures().always("execute", 31, std::string(kProgramDir) + "\\ketmgr.exe");
  t.Volume(kDbtDeviceRemoveComplete, kDriveE);
  t.Answer("Refresh", "");
  t.Advance(100);
}
void NextRipping(T& t) {
  JobDone(t);
  t.Rip();
}
// The last job's discs are not the refused one's.
void NextJobRefused(T& t) {
  JobDone(t);
  t.Rip();
  Occupied(t);
}
void ExplorerStartedAgain(T& t) {
  Loaded(t);
  t.sim.taskbar.makeButtonsAnew();
  t.form->taskbarButtonCreated();
}
// No job started, yet the error stands: the button made anew shows it again.
void ExplorerAfterNoManager(T& t) {
  t.form->ManagerPath.fill(0);
  t.Rip();
  t.sim.taskbar.makeButtonsAnew();
  t.form->taskbarButtonCreated();
}
void OnXp(T& t) {
  t.sim.taskbar.setAvailable(false);
  JobDone(t);
  EXPECT_EQ(t.form->lblStatus.text(), "Job Done");
}

// Each wait, too long and then over: the event that carries the job on.
void UnloadUnanswered(T& t) {
  Ripping(t);
  t.Volume(kDbtDeviceRemoveComplete, kDriveE);
  t.Outlast(5, S::Indeterminate, "No answer from the robot to the unload");
  t.Answer("unload", "OK");
}
void DiscNeverArrives(T& t) {
  Loaded(t);
  t.Outlast(5, S::Indeterminate, "The loaded disc has not reached the writer");
  t.Volume(kDbtDeviceArrival, kDriveE);
}
void DiscNeverLeaves(T& t) {
  Ripping(t);
  t.Outlast(45, S::Indeterminate, "The disc has been in the writer");
  t.Volume(kDbtDeviceRemoveComplete, kDriveE);
}
// A new start, whose "Check" the robot software does not answer.
void RobotSoftwareSilent(T& t) {
  t.Start();
  t.Outlast(5, S::None, "No word from the robot software");
  t.Answer("Check", "");
  t.Advance(100);
}

constexpr const char* kNone = "";
constexpr const char* kOneLoaded =
    "1 disc loaded, 0 unloaded, 0 to the reject bin; job started 08/12/2026 22:14";
constexpr const char* kThreeDone =
    "3 discs loaded, 2 unloaded, 1 to the reject bin; job started 08/12/2026 22:14";
constexpr const char* kRefused =
    "The robot refused the job on 08/12/2026 22:14: another Autoloader application holds it";
constexpr const char* kNoughtYet =
    "0 discs loaded, 0 unloaded, 0 to the reject bin; job started 08/12/2026 22:14";

const Situation kSituations[] = {
    {"BeforeTheFirstJob", [](T&) {}, false, S::None, 0, kNone},
    {"JobGoesOn", Loaded, false, S::Indeterminate, 0, kOneLoaded},
    {"OccupiedBoxClosed", OccupiedBox, false, S::None, 1, kRefused},
    {"OccupiedMidJobKeepsTheFigures", OccupiedMidJob, false, S::None, 1,
     "The robot refused the job on 08/12/2026 22:14: another Autoloader application holds it\r\n"
     "2 discs loaded, 1 unloaded, 1 to the reject bin; job started 08/12/2026 22:14"},
    {"NextJobRefusedAtItsFirstLoad", NextJobRefused, false, S::None, 2, kRefused},
    {"RippingAfterARefusalCountsAfresh", RippingAfterTheRefusal, false, S::Indeterminate, 1,
     kNoughtYet},
    {"StoppedJobLosesItsWriter", StoppedThenNoWriter, false, S::Error, 2, kOneLoaded},
    {"ManagerNotStartedForAnUnload", NoManagerForTheUnload, false, S::Error, 1, kOneLoaded},
    {"JobDone", JobDone, false, S::None, 1, kThreeDone},
    {"JobDoneInFront", JobDone, true, S::None, 0, kThreeDone},
    {"NextRippingCountsAfresh", NextRipping, false, S::Indeterminate, 1, kNoughtYet},
    {"ExplorerStartedAgain", ExplorerStartedAgain, false, S::Indeterminate, 0, kOneLoaded},
    {"ExplorerAfterRippingWithoutManager", ExplorerAfterNoManager, false, S::Error, 1, kNone},
    {"WindowsXpHasNoSuchButton", OnXp, false, S::None, 1, kNone},
    {"UnloadUnansweredTooLong", UnloadUnanswered, false, S::Indeterminate, 1,
     "1 disc loaded, 1 unloaded, 0 to the reject bin; job started 08/12/2026 22:14"},
    {"DiscNeverArrivesTooLong", DiscNeverArrives, false, S::Indeterminate, 1, kOneLoaded},
    {"DiscNeverLeavesTooLong", DiscNeverLeaves, false, S::Indeterminate, 1, kOneLoaded},
    {"RobotSoftwareSilentTooLong", RobotSoftwareSilent, false, S::None, 1, kNone},
};

void PrintTo(const Situation& situation, std::ostream* out) { *out << situation.name; }

class TaskbarSituations : public TaskbarTest, public ::testing::WithParamInterface<Situation> {};

TEST_P(TaskbarSituations, ShowHowTheJobStandsCallTheUserAndCountTheDiscs) {
  const Situation& situation = GetParam();
  StartReady();
  sim.taskbar.setProgramInForeground(situation.inFront);
  situation.reach(*this);
  EXPECT_EQ(Shown(), situation.shows);
  EXPECT_EQ(sim.taskbar.flashes().size(), situation.flashes);
  EXPECT_EQ(sim.taskbar.tooltip(form->handle()), situation.tooltip);
}

INSTANTIATE_TEST_SUITE_P(Jobs, TaskbarSituations, ::testing::ValuesIn(kSituations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sc::testing
