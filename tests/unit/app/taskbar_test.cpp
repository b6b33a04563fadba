// What the taskbar button tells a user across the room: for each way a job
// can stand, the button's state, whether it flashed, and the night's figures.
// The machine's table holds every change of state; these rows hold what only
// the window shows: the flash against the foreground, the figures, the
// button made anew, and no button at all.
#include <optional>

#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

constexpr std::uint32_t kDriveE = 1u << 4;

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

// Discs loaded, unloaded and rejected, as the tooltip counts them.
struct Figures {
  int loaded, unloaded, rejected;
};

struct Situation {
  const char* name;
  void (*reach)(TaskbarTest&);  // from "Ready"
  bool inFront;
  S shows;
  std::size_t flashes;
  std::optional<Figures> figures;  // none: no tooltip
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
void JobDone(T& t) {
  t.Rip();
  t.Disc("reject");
  t.Disc("unload");
  t.Answer("load", "Error", "No more discs");
}
void OccupiedBox(T& t) {
  t.ui.recordedBoxes.whileOpen = [&t] { t.shownWhileBoxOpen = t.Shown(); };
  t.Rip();
  t.Answer("load", "Error", "Occupied");
  EXPECT_EQ(t.shownWhileBoxOpen, S::Paused);
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
void ExplorerStartedAgain(T& t) {
  Loaded(t);
  t.sim.taskbar.makeButtonsAnew();
  t.form->taskbarButtonCreated();
}
void OnXp(T& t) {
  t.sim.taskbar.setAvailable(false);
  JobDone(t);
  EXPECT_EQ(t.form->lblStatus.text(), "Job Done");
}

const Situation kSituations[] = {
    {"BeforeTheFirstJob", [](T&) {}, false, S::None, 0, {}},
    {"JobGoesOn", Loaded, false, S::Indeterminate, 0, Figures{1, 0, 0}},
    {"OccupiedBoxClosed", OccupiedBox, false, S::None, 1, Figures{0, 0, 0}},
    {"FailedUnload", FailedUnload, false, S::Paused, 1, Figures{1, 0, 0}},
    {"ManagerNotStartedForAnUnload", NoManagerForTheUnload, false, S::Error, 1, Figures{1, 0, 0}},
    {"JobDone", JobDone, false, S::None, 1, Figures{2, 1, 1}},
    {"JobDoneInFront", JobDone, true, S::None, 0, Figures{2, 1, 1}},
    {"NextRippingCountsAfresh", NextRipping, false, S::Indeterminate, 1, Figures{0, 0, 0}},
    {"ExplorerStartedAgain", ExplorerStartedAgain, false, S::Indeterminate, 0, Figures{1, 0, 0}},
    {"WindowsXpHasNoSuchButton", OnXp, false, S::None, 1, {}},
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
  std::string tooltip;
  if (const auto& f = situation.figures)
    tooltip = std::to_string(f->loaded) + (f->loaded == 1 ? " disc" : " discs") + " loaded, " +
              std::to_string(f->unloaded) + " unloaded, " + std::to_string(f->rejected) +
              " to the reject bin; job started 08/12/2026 22:14";
  EXPECT_EQ(sim.taskbar.tooltip(form->handle()), tooltip);
}

INSTANTIATE_TEST_SUITE_P(Jobs, TaskbarSituations, ::testing::ValuesIn(kSituations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sc::testing
