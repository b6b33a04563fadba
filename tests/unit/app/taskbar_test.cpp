// What the taskbar button tells a user across the room: for each way a job
// can stand, the button's state, whether it flashed, and the night's figures.
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

constexpr std::uint32_t kDriveE = 1u << 4;
constexpr const char* kStarted = "; job started 08/12/2026 22:14";
const std::string kManager = std::string(kProgramDir) + "\\ketmgr.exe";

class TaskbarTest : public MainWindowTest {
 public:
  // The situations below act on the window as the test does.
  using MainWindowRig::Advance;
  using MainWindowRig::form;
  using MainWindowRig::sim;
  using MainWindowRig::ui;
  using MainWindowRig::Volume;

  void Answer(const char* action, const char* result, const char* detail = "") {
    NotifyAndSettle({"Autoloader", action, result, detail});
  }
  // A disc is ripped and ejected, then the robot answers the unload.
  void Disc(const char* unloadAction) {
    Answer("load", "OK");
    Volume(kDbtDeviceArrival, kDriveE);
    Volume(kDbtDeviceRemoveComplete, kDriveE);
    Answer(unloadAction, "OK");
  }
  void Rip() { form->btnWMP.click(); }
  TaskbarProgress Shown() const { return sim.taskbar.progress(form->handle()); }

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
  std::string tooltip;
};

void Loaded(T& t) {
  t.Rip();
  t.Answer("load", "OK");
}
void FailedUnload(T& t) {
  Loaded(t);
  t.Volume(kDbtDeviceArrival, kDriveE);
  t.Volume(kDbtDeviceRemoveComplete, kDriveE);
  t.Answer("unload", "Error");
}

const Situation kSituations[] = {
    {"BeforeTheFirstJob", [](T&) {}, false, S::None, 0, ""},
    {"JobGoesOn", Loaded, false, S::Indeterminate, 0,
     std::string("1 disc loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"OccupiedBoxClosed",
     [](T& t) {
       t.ui.recordedBoxes.whileOpen = [&t] { t.shownWhileBoxOpen = t.Shown(); };
       t.Rip();
       t.Answer("load", "Error", "Occupied");
       EXPECT_EQ(t.shownWhileBoxOpen, S::Paused);
     },
     false, S::None, 1, std::string("0 discs loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"FailedUnload", FailedUnload, false, S::Paused, 1,
     std::string("1 disc loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"DiscBackAfterAFailedUnload",
     [](T& t) {
       FailedUnload(t);
       t.Volume(kDbtDeviceArrival, kDriveE);
     },
     false, S::Indeterminate, 1,
     std::string("1 disc loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"DriveGoneDuringAJob",
     [](T& t) {
       Loaded(t);
       t.sim.files.setDriveType('E', kDriveNoRootDir);
       t.Volume(kDbtDeviceRemoveComplete, kDriveE);
     },
     false, S::Error, 1, std::string("1 disc loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"ConflictThenTheJobGoesOn",
     [](T& t) {
       Loaded(t);
       t.Answer("Terminate", "");
       EXPECT_EQ(t.Shown(), S::Error);
       t.Volume(kDbtDeviceArrival, kDriveE);
     },
     false, S::Indeterminate, 1,
     std::string("1 disc loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"ManagerNotStartedForAnUnload",
     [](T& t) {
       Loaded(t);
       t.sim.shell.failures().always("execute", 31, kManager);
       t.Volume(kDbtDeviceRemoveComplete, kDriveE);
       t.Answer("Refresh", "");  // a report that shows "Ready" leaves the error
       t.Advance(100);
     },
     false, S::Error, 1, std::string("1 disc loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"JobDone",
     [](T& t) {
       t.Rip();
       t.Disc("reject");
       t.Disc("unload");
       t.Answer("load", "Error", "No more discs");
     },
     false, S::None, 1, std::string("2 discs loaded, 1 unloaded, 1 to the reject bin") + kStarted},
    {"JobDoneInFront",
     [](T& t) {
       t.Rip();
       t.Answer("load", "Error", "No more discs");
     },
     true, S::None, 0, std::string("0 discs loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"NextRippingCountsAfresh",
     [](T& t) {
       t.Rip();
       t.Disc("unload");
       t.Answer("load", "Error", "No more discs");
       t.Rip();
     },
     false, S::Indeterminate, 1,
     std::string("0 discs loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"ExplorerStartedAgain",
     [](T& t) {
       Loaded(t);
       t.sim.taskbar.makeButtonsAnew();
       t.form->taskbarButtonCreated();
     },
     false, S::Indeterminate, 0,
     std::string("1 disc loaded, 0 unloaded, 0 to the reject bin") + kStarted},
    {"WindowsXpHasNoSuchButton",
     [](T& t) {
       t.sim.taskbar.setAvailable(false);
       t.Rip();
       t.Answer("load", "Error", "No more discs");
       EXPECT_EQ(t.form->lblStatus.text(), "Job Done");
     },
     false, S::None, 1, ""},
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
