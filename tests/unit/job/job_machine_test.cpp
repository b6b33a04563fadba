// The job machine's whole table: for every phase and every event, the next
// phase and the exact effects, in order. Effects read as short words:
// "+exit" enables "Exit", "status 3" enters code 3 with its text, "code 1"
// and "text 1" set the code or the text alone, "forget" drops the responder's
// unidentified-disc mark, "watch"/"unwatch" arm or disarm the responder,
// "taskbar ..." is the job's progress as the taskbar button shows it, "flash"
// calls the user, "figures" shows the night's figures, "refused" the robot's
// refusal in their place and "refused over figures" above them, "notify ..."
// runs the user's notify command for that moment.
#include "job/job_machine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <utility>

#include "job_graph.h"

namespace sc {
namespace {

using P = JobPhase;
using K = JobEventKind;

constexpr const char* kStart =
    "-players, -ripping, -exit, status 3, -exit+options, send load, clock";
constexpr const char* kNoManager = "status 7, +players, +exit+options, +ripping";
// A job that cannot go on lets the PC sleep and calls the user.
constexpr const char* kCannotGoOn = "-awake, taskbar cannot go on, flash";
// The PC is kept awake from the job's start, and the choices saved then.
constexpr const char* kStartItunes = "+awake, taskbar goes on, save, new figures, player itunes";
constexpr const char* kUnload = "unwatch, status 5, -exit+options, forget, send unload, clock";
constexpr const char* kReject = "unwatch, status 5, -exit+options, forget, send reject, clock";
constexpr const char* kTooLong = "taskbar waited too long, flash, figures, notify stuck";

JobEvent Click(JobPlayer player, bool managerFound = true) {
  return RippingClick(player, "F: Writer 2", managerFound);
}

// The status each phase shows when nothing unusual happened.
int UsualStatus(JobPhase phase) {
  switch (phase) {
    case P::Idle:
      return kStatusReady;
    case P::Loading:
      return kStatusDiscLoading;
    case P::Unloading:
    case P::Stopped:
      return kStatusDiscUnloading;
    default:
      return kStatusDiscLoaded;
  }
}

JobProgress UsualProgress(JobPhase phase) {
  if (phase == P::Idle) return JobProgress::None;
  return phase == P::Stopped ? JobProgress::WaitsForUser : JobProgress::GoesOn;
}

struct Row {
  JobPhase from;
  JobEvent event;
  JobPhase to;
  std::string effects;
  // What the window observes: writers listed, the disc marked for the reject bin.
  JobObservation seen{true, false};
  int status = -1;  // -1: the phase's usual status
  bool halted = false;
  std::optional<JobProgress> progress{};  // none: the phase's usual progress
  JobFigures figures{};                   // the discs the job counted before the event
  bool tooLong = false;                   // the wait the state is in has lasted too long
};

std::string Joined(const char* a, const char* b) { return std::string(a) + ", " + b; }

const std::string kHalted = Joined(kCannotGoOn, "conflict, +exit, notify person, clock");
constexpr const char* kOccupied =
    "-awake, taskbar waits, flash, code 1, refused, notify person, box, +exit, clock";
// No more discs: the writer released, "Ripping" enabled when a writer is listed.
std::string Ended(const char* ripping) {
  return Joined(Joined("-awake, taskbar none, flash, +players", ripping).c_str(),
                "+exit, status 6, +options, notify done, send Release, clock");
}

// A row whose wait had lasted too long.
Row TooLong(Row row) {
  row.tooLong = true;
  return row;
}

// A row whose job stood otherwise than its phase usually does.
Row From(Row row, JobProgress progress) {
  row.progress = progress;
  return row;
}
Row After(Row row, JobFigures figures) {
  row.figures = figures;
  return row;
}

const std::vector<Row>& Table() {
  static const std::vector<Row> rows = {
      // "Ripping": only from Idle, with a player, a writer and the manager.
      {P::Idle, Click(JobPlayer::WindowsMediaPlayer), P::Loading,
       Joined("+awake, taskbar goes on, save, new figures, player wmp", kStart)},
      {P::Idle, Click(JobPlayer::ITunes), P::Loading, Joined(kStartItunes, kStart)},
      {P::Idle, Click(JobPlayer::None), P::Idle, ""},
      {P::Idle, Click(JobPlayer::ITunes), P::Idle, "", {false, false}},
      {P::Idle, Click(JobPlayer::ITunes, false), P::Idle,
       Joined("taskbar cannot go on, flash", kNoManager)},
      {P::Idle, Click(JobPlayer::ITunes, false), P::Idle, "", {false, false}},
      {P::Loading, Click(JobPlayer::ITunes), P::Loading, ""},
      {P::LoadingDiscIn, Click(JobPlayer::ITunes), P::LoadingDiscIn, ""},
      {P::LoadingDiscLeft, Click(JobPlayer::ITunes), P::LoadingDiscLeft, ""},
      {P::Loaded, Click(JobPlayer::ITunes), P::Loaded, ""},
      {P::Unloading, Click(JobPlayer::ITunes), P::Unloading, ""},
      // A poll may enable "Ripping" while a stopped job's disc is in the writer.
      {P::Stopped, Click(JobPlayer::ITunes), P::Loading, Joined(kStartItunes, kStart)},
      {P::UnloadingDiscIn, Click(JobPlayer::ITunes), P::UnloadingDiscIn, ""},

      // The load's answer: only while a load is out.
      // A load or unload notice that answers nothing keeps its memo line.
      {P::Idle, K::LoadOk, P::Idle, "memo loaded, +exit"},
      {P::Loading, K::LoadOk, P::Loaded, "memo loaded, figures, forget, watch, +exit, clock"},
      {P::LoadingDiscIn, K::LoadOk, P::Loaded, "memo loaded, figures, forget, watch, +exit, clock"},
      // After the drive had gone, the answer carries the job on again.
      From({P::Loading, K::LoadOk, P::Loaded,
            "+awake, taskbar goes on, memo loaded, figures, forget, watch, +exit, clock"},
           JobProgress::CannotGoOn),
      // The disc came and went before the answer: unloaded, never rejected,
      // since the responder was never armed for it.
      {P::LoadingDiscLeft,
       K::LoadOk,
       P::Unloading,
       Joined("memo loaded, figures", kUnload),
       {true, true}},
      {P::Loaded, K::LoadOk, P::Loaded, "memo loaded, +exit"},
      {P::Unloading, K::LoadOk, P::Unloading, "memo loaded, +exit"},
      {P::Stopped, K::LoadOk, P::Stopped, "memo loaded, +exit"},

      {P::Idle, K::LoadOccupied, P::Idle, "+exit"},
      // At the job's first load the refusal takes the figures' place; after
      // an unload the discs done so far stay under it.
      {P::Loading, K::LoadOccupied, P::Idle, kOccupied},
      After({P::Loading, K::LoadOccupied, P::Idle,
             "-awake, taskbar waits, flash, code 1, refused over figures, notify person, box, +exit, clock"},
            {30, 29, 1}),
      {P::LoadingDiscIn, K::LoadOccupied, P::Idle, kOccupied},
      {P::LoadingDiscLeft, K::LoadOccupied, P::Idle, kOccupied},
      {P::Loaded, K::LoadOccupied, P::Loaded, "+exit"},
      {P::Unloading, K::LoadOccupied, P::Unloading, "+exit"},
      {P::Stopped, K::LoadOccupied, P::Stopped, "+exit"},

      {P::Idle, K::LoadRefused, P::Idle, "+exit"},
      {P::Loading, K::LoadRefused, P::Idle, Ended("+ripping")},
      {P::LoadingDiscIn, K::LoadRefused, P::Idle, Ended("-ripping"), {false, false}},
      {P::LoadingDiscLeft, K::LoadRefused, P::Idle, Ended("+ripping")},
      {P::Loaded, K::LoadRefused, P::Loaded, "+exit"},
      {P::Unloading, K::LoadRefused, P::Unloading, "+exit"},
      {P::Stopped, K::LoadRefused, P::Stopped, "+exit"},

      // The unload's answer: only while an unload is out.
      {P::Idle, K::UnloadOk, P::Idle, "memo unloaded, +exit"},
      {P::Loading, K::UnloadOk, P::Loading, "memo unloaded, +exit"},
      {P::LoadingDiscIn, K::UnloadOk, P::LoadingDiscIn, "memo unloaded, +exit"},
      {P::LoadingDiscLeft, K::UnloadOk, P::LoadingDiscLeft, "memo unloaded, +exit"},
      {P::Loaded, K::UnloadOk, P::Loaded, "memo unloaded, +exit"},
      {P::Unloading, K::UnloadOk, P::Loading,
       "memo unloaded, figures, status 3, -exit+options, send load, clock"},
      {P::Stopped, K::UnloadOk, P::Stopped, "memo unloaded, +exit"},

      {P::Idle, K::UnloadFailed, P::Idle, "memo unloaded, +exit"},
      {P::Loading, K::UnloadFailed, P::Loading, "memo unloaded, +exit"},
      {P::LoadingDiscIn, K::UnloadFailed, P::LoadingDiscIn, "memo unloaded, +exit"},
      {P::LoadingDiscLeft, K::UnloadFailed, P::LoadingDiscLeft, "memo unloaded, +exit"},
      {P::Loaded, K::UnloadFailed, P::Loaded, "memo unloaded, +exit"},
      // The disc stays in the writer; the PC may sleep until it comes back.
      {P::Unloading, K::UnloadFailed, P::Stopped,
       "-awake, taskbar waits, flash, memo unloaded, +exit, notify person, clock"},
      // The disc came back during the unload: its removal carries the job on.
      {P::UnloadingDiscIn, K::UnloadFailed, P::Loaded, "memo unloaded, +exit, clock"},
      {P::Stopped, K::UnloadFailed, P::Stopped, "memo unloaded, +exit"},

      // Notices that answer no command act the same in every phase.
      {P::Idle, K::Recheck, P::Idle, "poll, +exit"},
      {P::Loading, K::Recheck, P::Loading, "poll, +exit"},
      {P::LoadingDiscIn, K::Recheck, P::LoadingDiscIn, "poll, +exit"},
      {P::LoadingDiscLeft, K::Recheck, P::LoadingDiscLeft, "poll, +exit"},
      {P::Loaded, K::Recheck, P::Loaded, "poll, +exit"},
      {P::Unloading, K::Recheck, P::Unloading, "poll, +exit"},
      {P::Stopped, K::Recheck, P::Stopped, "poll, +exit"},
      {P::Idle, K::Terminate, P::Idle, "conflict, +exit"},
      {P::Loading, K::Terminate, P::Loading, kHalted},
      {P::LoadingDiscIn, K::Terminate, P::LoadingDiscIn, kHalted},
      {P::LoadingDiscLeft, K::Terminate, P::LoadingDiscLeft, kHalted},
      {P::Loaded, K::Terminate, P::Loaded, kHalted},
      {P::Unloading, K::Terminate, P::Unloading, kHalted},
      // A stopped job lets the PC sleep already.
      {P::Stopped, K::Terminate, P::Stopped,
       "taskbar cannot go on, flash, conflict, +exit, notify person"},
      {P::Idle, K::OtherNotice, P::Idle, "+exit"},
      {P::Loading, K::OtherNotice, P::Loading, "+exit"},
      {P::LoadingDiscIn, K::OtherNotice, P::LoadingDiscIn, "+exit"},
      {P::LoadingDiscLeft, K::OtherNotice, P::LoadingDiscLeft, "+exit"},
      {P::Loaded, K::OtherNotice, P::Loaded, "+exit"},
      {P::Unloading, K::OtherNotice, P::Unloading, "+exit"},
      {P::Stopped, K::OtherNotice, P::Stopped, "+exit"},

      // The disc in the writer's drive.
      {P::Idle, K::VolumeArrived, P::Idle, "memo arrival"},
      {P::Loading, K::VolumeArrived, P::LoadingDiscIn, "memo arrival, status 4"},
      {P::LoadingDiscIn, K::VolumeArrived, P::LoadingDiscIn, "memo arrival, status 4"},
      {P::LoadingDiscLeft, K::VolumeArrived, P::LoadingDiscLeft, "memo arrival, status 4"},
      {P::Loaded, K::VolumeArrived, P::Loaded, "memo arrival, status 4"},
      {P::Unloading, K::VolumeArrived, P::UnloadingDiscIn, "memo arrival, status 4"},
      {P::UnloadingDiscIn, K::VolumeArrived, P::UnloadingDiscIn, "memo arrival, status 4"},
      // The disc an unload could not take is back: the job goes on.
      {P::Stopped, K::VolumeArrived, P::Loaded,
       "+awake, taskbar goes on, memo arrival, status 4, clock"},

      {P::Idle, K::VolumeLeft, P::Idle, "memo removal"},
      // Gone before the load's answer, arrival seen or not: that answer unloads it.
      {P::Loading, K::VolumeLeft, P::LoadingDiscLeft, "memo removal"},
      {P::LoadingDiscIn, K::VolumeLeft, P::LoadingDiscLeft, "memo removal"},
      {P::LoadingDiscLeft, K::VolumeLeft, P::LoadingDiscLeft, "memo removal"},
      {P::Loaded, K::VolumeLeft, P::Unloading, Joined("memo removal", kUnload)},
      {P::Loaded, K::VolumeLeft, P::Unloading, Joined("memo removal", kReject), {true, true}},
      {P::Unloading, K::VolumeLeft, P::Unloading, ""},
      {P::UnloadingDiscIn, K::VolumeLeft, P::Unloading, ""},
      {P::Stopped, K::VolumeLeft, P::Stopped, "memo removal"},

      {P::Idle, K::DriveGone, P::Idle, "memo removal, status 2, -ripping"},
      {P::Loading, K::DriveGone, P::Loading,
       Joined(kCannotGoOn, "memo removal, status 2, -ripping, notify person, clock")},
      {P::LoadingDiscIn, K::DriveGone, P::Loading,
       Joined(kCannotGoOn, "memo removal, status 2, -ripping, notify person, clock")},
      {P::LoadingDiscLeft, K::DriveGone, P::LoadingDiscLeft,
       Joined(kCannotGoOn, "memo removal, status 2, -ripping, notify person, clock")},
      {P::Loaded, K::DriveGone, P::Loaded,
       Joined(kCannotGoOn, "memo removal, status 2, -ripping, notify person, clock")},
      {P::Unloading, K::DriveGone, P::Unloading, ""},
      {P::UnloadingDiscIn, K::DriveGone, P::Unloading, ""},
      {P::Stopped, K::DriveGone, P::Stopped,
       "taskbar cannot go on, flash, memo removal, status 2, -ripping, notify person"},

      // The responder's decline unloads only the disc it was armed for.
      {P::Idle, K::DiscDeclined, P::Idle, "unwatch, forget", {true, true}},
      {P::Loading, K::DiscDeclined, P::Loading, "unwatch, forget", {true, true}},
      {P::LoadingDiscIn, K::DiscDeclined, P::LoadingDiscIn, "unwatch, forget", {true, true}},
      {P::LoadingDiscLeft, K::DiscDeclined, P::LoadingDiscLeft, "unwatch, forget", {true, true}},
      {P::Loaded, K::DiscDeclined, P::Unloading, kReject, {true, true}},
      {P::Loaded, K::DiscDeclined, P::Unloading, kUnload, {true, false}},
      {P::Unloading, K::DiscDeclined, P::Unloading, "unwatch, forget", {true, true}},
      {P::Stopped, K::DiscDeclined, P::Stopped, "unwatch, forget", {true, true}},

      // A manager that cannot be started ends the wait for its answer only.
      {P::Idle, NotStarted(JobCommand::Check), P::Idle, kNoManager},
      {P::Idle, NotStarted(JobCommand::Release), P::Idle, ""},
      {P::Loading, NotStarted(JobCommand::Load), P::Idle,
       Joined(kCannotGoOn, kNoManager) + ", notify person, clock"},
      {P::LoadingDiscIn, NotStarted(JobCommand::Load), P::Idle,
       Joined(kCannotGoOn, kNoManager) + ", notify person, clock"},
      {P::LoadingDiscLeft,
       NotStarted(JobCommand::Load),
       P::Idle,
       "-awake, taskbar cannot go on, flash, status 7, +players, +exit+options, -ripping, "
       "notify person, clock",
       {false, false}},
      {P::LoadingDiscLeft, NotStarted(JobCommand::Unload), P::LoadingDiscLeft, ""},
      {P::Loaded, NotStarted(JobCommand::Load), P::Loaded, ""},
      {P::Unloading, NotStarted(JobCommand::Reject), P::Idle,
       Joined(kCannotGoOn, kNoManager) + ", notify person, clock"},
      {P::Unloading, NotStarted(JobCommand::Unload), P::Idle,
       Joined(kCannotGoOn, kNoManager) + ", notify person, clock"},
      {P::Unloading, NotStarted(JobCommand::Load), P::Unloading, ""},
      {P::Stopped, NotStarted(JobCommand::Unload), P::Stopped, ""},

      // The robot's report: "Ready" or "No Device" outside a job only, and
      // never "No Device" over the conflict.
      {P::Idle, K::ReportWithWriters, P::Idle, "+exit, code 1, text 1, +ripping"},
      {P::Loading, K::ReportWithWriters, P::Loading, "+exit"},
      {P::LoadingDiscIn, K::ReportWithWriters, P::LoadingDiscIn, "+exit"},
      {P::LoadingDiscLeft, K::ReportWithWriters, P::LoadingDiscLeft, "+exit"},
      {P::Loaded, K::ReportWithWriters, P::Loaded, "+exit"},
      {P::Unloading, K::ReportWithWriters, P::Unloading, "+exit"},
      // "Ripping" enabled: the stopped job's disc is no longer the job's.
      {P::Stopped, K::ReportWithWriters, P::Idle, "+exit, code 1, text 1, +ripping"},
      {P::Idle, K::ReportNoWriters, P::Idle, "+exit, code 2, text 2, -ripping"},
      {P::Idle, K::ReportNoWriters, P::Idle, "+exit, code 2, -ripping", {}, kStatusJobDone, true},
      {P::Loading, K::ReportNoWriters, P::Loading, "+exit"},
      {P::LoadingDiscIn, K::ReportNoWriters, P::LoadingDiscIn, "+exit"},
      {P::LoadingDiscLeft, K::ReportNoWriters, P::LoadingDiscLeft, "+exit"},
      {P::Loaded, K::ReportNoWriters, P::Loaded, "+exit"},
      {P::Unloading, K::ReportNoWriters, P::Unloading, "+exit"},
      // The stopped job has lost its writer too: it cannot go on.
      {P::Stopped, K::ReportNoWriters, P::Stopped,
       "taskbar cannot go on, flash, +exit, code 2, text 2, -ripping, notify person"},

      // After the "Occupied" box: "Ready" again unless events in its loop
      // moved the status on.
      {P::Idle, K::OccupiedBoxClosed, P::Idle, "+exit+options, +ripping, text 1"},
      // The job never started: the taskbar no longer waits for the user.
      From(
          {P::Idle, K::OccupiedBoxClosed, P::Idle, "taskbar none, +exit+options, +ripping, text 1"},
          JobProgress::WaitsForUser),
      {P::Idle, K::OccupiedBoxClosed, P::Idle, "+exit+options, -ripping, text 1", {false, false}},
      {P::Idle, K::OccupiedBoxClosed, P::Idle, "+exit+options", {}, kStatusNoDevice},
      {P::Loading, K::OccupiedBoxClosed, P::Loading, "+exit+options"},
      {P::LoadingDiscIn, K::OccupiedBoxClosed, P::LoadingDiscIn, "+exit+options"},
      {P::LoadingDiscLeft, K::OccupiedBoxClosed, P::LoadingDiscLeft, "+exit+options"},
      {P::Loaded, K::OccupiedBoxClosed, P::Loaded, "+exit+options"},
      {P::Unloading, K::OccupiedBoxClosed, P::Unloading, "+exit+options"},
      {P::Stopped, K::OccupiedBoxClosed, P::Stopped, "+exit+options"},

      // A wait that lasts too long: yellow, a flash and a line in the tooltip,
      // until the wait ends; a job that does not wait has nothing to say.
      {P::Idle, K::WaitTooLong, P::Idle, ""},
      {P::Loading, K::WaitTooLong, P::Loading, kTooLong},
      {P::LoadingDiscIn, K::WaitTooLong, P::LoadingDiscIn, kTooLong},
      {P::LoadingDiscLeft, K::WaitTooLong, P::LoadingDiscLeft, kTooLong},
      {P::Loaded, K::WaitTooLong, P::Loaded, kTooLong},
      {P::Unloading, K::WaitTooLong, P::Unloading, kTooLong},
      {P::Stopped, K::WaitTooLong, P::Stopped, ""},
      // "Check"'s answer starts the wait for the robot's report afresh.
      {P::Idle, K::Recheck, P::Idle, "poll, +exit, clock", {}, kStatusInitializing},
      // "Terminate" at start says why the robot software is silent: the wait ends.
      {P::Idle, K::Terminate, P::Idle, "conflict, +exit, clock", {}, kStatusInitializing},

      // The notify command hears of each moment once: a wait too long, and
      // its end by itself, the start-up's wait too; never a second "stuck",
      // and a job that ends or needs a person tells that alone.
      {P::Idle,
       K::WaitTooLong,
       P::Idle,
       "taskbar waited too long, flash, figures, notify stuck (no job)",
       {},
       kStatusInitializing},
      TooLong({P::Idle,
               K::Recheck,
               P::Idle,
               "taskbar none, poll, +exit, figures, notify going-on (no job), clock",
               {},
               kStatusInitializing}),
      // A "Terminate" that ends the start-up wait tells of nothing going on.
      TooLong({P::Idle,
               K::Terminate,
               P::Idle,
               "taskbar none, conflict, +exit, figures, clock",
               {},
               kStatusInitializing}),
      TooLong({P::Loading, K::WaitTooLong, P::Loading, ""}),
      TooLong({P::Loading, K::LoadOk, P::Loaded,
               "taskbar goes on, memo loaded, figures, forget, watch, +exit, notify going-on, "
               "clock"}),
      TooLong({P::Loaded,
               K::VolumeArrived,
               P::Loaded,
               "taskbar goes on, memo arrival, status 4, figures, notify going-on, clock",
               {},
               kStatusDiscLoading}),
      TooLong({P::Loading, K::LoadRefused, P::Idle,
               "-awake, taskbar none, flash, +players, +ripping, +exit, status 6, +options, "
               "notify done, send Release, figures, clock"}),
      TooLong({P::Loading, K::Terminate, P::Loading,
               "-awake, taskbar cannot go on, flash, conflict, +exit, figures, notify person, "
               "clock"}),
  };
  return rows;
}

JobState StateFor(const Row& row) {
  JobState state;
  state.phase = row.from;
  state.status = row.status >= 0 ? row.status : UsualStatus(row.from);
  state.halted = row.halted;
  state.figures = row.figures;
  state.progress = row.progress.value_or(UsualProgress(row.from));
  if (row.from == P::Unloading || row.from == P::UnloadingDiscIn) state.sent = JobCommand::Unload;
  state.wait = WaitOf(state);
  state.waitTooLong = row.tooLong;
  AssignCut(state.writer, "E: Writer 1");
  return state;
}

TEST(JobMachineTest, EveryPhaseAndEventGivesItsNextPhaseAndExactEffects) {
  std::set<std::pair<int, int>> covered;
  for (const Row& row : Table()) {
    const JobState state = StateFor(row);
    const JobStep step = NextJobStep(state, row.event, row.seen);
    const std::string where = std::string(NameOf(row.from)) + " x " + NameOf(row.event.kind) +
                              " (row effects \"" + row.effects + "\")";
    EXPECT_EQ(NameOf(step.next.phase), std::string(NameOf(row.to))) << where;
    EXPECT_EQ(Describe(step.effects), row.effects) << where;
    covered.insert({static_cast<int>(row.from), static_cast<int>(row.event.kind)});
  }
  // An unload with the disc back in the drive acts as one without, but for
  // the disc's own events and the failure, which the rows above give.
  const std::set<JobEventKind> own = {K::RippingClicked, K::UnloadFailed, K::VolumeArrived,
                                      K::VolumeLeft, K::DriveGone};
  for (int kind = 0; kind < kJobEventKindCount; ++kind) {
    const JobEvent event(static_cast<JobEventKind>(kind));
    if (own.count(event.kind) != 0) continue;
    JobState unloading = StateFor({P::Unloading, event, P::Unloading, ""});
    JobState discIn = unloading;
    discIn.phase = P::UnloadingDiscIn;
    const JobStep a = NextJobStep(unloading, event, {true, true});
    const JobStep b = NextJobStep(discIn, event, {true, true});
    EXPECT_EQ(Describe(b.effects), Describe(a.effects)) << NameOf(event.kind);
    EXPECT_EQ(NameOf(b.next.phase),
              std::string(NameOf(a.next.phase == P::Unloading ? P::UnloadingDiscIn : a.next.phase)))
        << NameOf(event.kind);
    covered.insert({static_cast<int>(P::UnloadingDiscIn), kind});
  }
  EXPECT_EQ(covered.size(), static_cast<std::size_t>(kJobPhaseCount * kJobEventKindCount));
}

// The state beyond the phase: the status follows the status effects, the
// writer is fixed by the click that starts the job, and "Terminate" halts.
TEST(JobMachineTest, StatusWriterAndHaltFollowTheStep) {
  JobState idle;
  AssignCut(idle.writer, "E: Writer 1");
  const JobStep started = NextJobStep(idle, Click(JobPlayer::ITunes), {true, false});
  EXPECT_EQ(TextOf(started.next.writer), "F: Writer 2");
  EXPECT_EQ(started.next.status, kStatusDiscLoading);
  const JobStep again = NextJobStep(started.next, Click(JobPlayer::WindowsMediaPlayer), {});
  EXPECT_EQ(TextOf(again.next.writer), "F: Writer 2");

  const JobStep occupied = NextJobStep(started.next, K::LoadOccupied, {});
  EXPECT_EQ(occupied.next.status, kStatusReady);
  // The disc's arrival does not answer the load: the wait stays too long.
  JobState late = started.next;
  late.waitTooLong = true;
  EXPECT_TRUE(NextJobStep(late, K::VolumeArrived, {}).next.waitTooLong);
  const JobStep halted = NextJobStep(started.next, K::Terminate, {});
  EXPECT_TRUE(halted.next.halted);
  EXPECT_EQ(halted.next.status, kStatusDiscLoading);
  EXPECT_TRUE(NextJobStep(halted.next, K::LoadRefused, {}).next.halted);

  // At start a "Terminate" ends the wait for the robot's word, which a later
  // "Check" or "Refresh" starts again; a stray notice does not.
  const JobState quiet = NextJobStep(JobState{}, K::Terminate, {}).next;
  EXPECT_EQ(quiet.wait.kind, JobWaitKind::None);
  EXPECT_EQ(NextJobStep(quiet, K::OtherNotice, {}).next.wait.kind, JobWaitKind::None);
  EXPECT_EQ(NextJobStep(quiet, K::Recheck, {}).next.wait.kind, JobWaitKind::RobotWord);
}

TEST(JobMachineTest, TheWatchedWriterIsTheJobsOwnDuringAJob) {
  JobState state;
  AssignCut(state.writer, "E: Writer 1");
  EXPECT_EQ(WatchedWriter(state, "F: Writer 2"), "F: Writer 2");
  state.phase = P::Unloading;
  EXPECT_EQ(WatchedWriter(state, "F: Writer 2"), "E: Writer 1");
}

// The picture in the docs is drawn from the machine; after a change to the
// machine, scripts/job-graph.sh draws it again.
TEST(JobMachineTest, TheCommittedPictureIsDrawnFromTheMachine) {
  std::ifstream committed(SPOOLCAT_DOCS_DIR "/images/job-machine.dot");
  std::stringstream text;
  text << committed.rdbuf();
  EXPECT_EQ(text.str(), JobMachineDot()) << "run scripts/job-graph.sh";
}

}  // namespace
}  // namespace sc
