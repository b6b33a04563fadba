// A model of what the outside world has seen of the main window: the robot
// commands and player starts it was sent (the simulated shell's record), the
// notices the manager delivered and the drives' state, and the controls a user
// sees. It never reads the window's private state to decide what is right.
// After every event it says which of the invariants no longer hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "support/walk_events.h"

namespace sc::testing {

enum class Invariant {
  NeverLockedIn,          // "Exit" enabled, or one command awaits the notice that enables it
  OneCommandOutstanding,  // never two robot commands awaiting their notices
  CommandsNeedAJob,       // no load, unload, reject or player start without a job
  DiscUnloadedOnce,       // each loaded disc is unloaded or rejected once at most
  JobNeverStalls,         // a disc that left the drive, or that the responder declined, is unloaded
  OneMessageBox,          // never a message box over another
  NoEmptyShellFile,       // every shell start names a file
  StatusLineAgrees,       // the status text is the status code's text
  JobEndReleasesWriter,   // a job the robot ends releases its writer
  RippingStartsAJob,      // an enabled "Ripping" starts a job, or says why it cannot
  AwakeWhileJobGoesOn,    // the PC is kept awake only in a job, throughout an untroubled one,
                          // and exactly while the taskbar shows the job going on
  JobStartSavesChoices,   // the choices are in the registry once a job has started
  NotifiesInTurn,         // "done" and "person" in a job only, "going-on" only after "stuck"
};
constexpr int kInvariantCount = 13;

const char* NameOf(Invariant invariant);

struct Violation {
  Invariant invariant;
  std::string symptom;  // a short, stable key that tells faults of one invariant apart
  std::string detail;   // what was seen, for a person
};

// What a user sees of the window: the main window itself, or the stand-in
// that shows what the job machine decides.
class WalkFace {
 public:
  virtual ~WalkFace() = default;
  virtual bool ExitEnabled() const = 0;
  virtual bool RippingEnabled() const = 0;
  virtual int StatusCode() const = 0;
  virtual std::string StatusText() const = 0;
  virtual bool Halted() const = 0;
  // The player item chosen, "" when none; option box `index` as the walk
  // events number them.
  virtual std::string ChosenPlayer() const = 0;
  virtual bool OptionChecked(int index) const = 0;
  // The window has closed: whatever ran has ended with it.
  virtual bool Closed() const = 0;
  // What the program's taskbar button shows.
  virtual TaskbarProgress Taskbar() const = 0;
};

// What the model may look at.
struct WalkWorld {
  const sim::SimShell& shell;
  sim::SimFileSystem& files;
  sim::SimRegistry& registry;
  const sim::SimSession& session;
  const sim::SimLauncher& launcher;
  const WalkFace& face;
};

class WalkModel {
 public:
  explicit WalkModel(const WalkSetup& setup);

  // Once the window has started, before any event.
  std::vector<Violation> AfterStart(const WalkWorld& world);
  // Around each event, nested ones included. A notice is told to the model
  // the moment the window receives it.
  void BeforeEvent(const WalkWorld& world, const WalkEvent& event);
  void NoticeArrives(const WalkWorld& world, const NoticeFields& notice);
  void BoxOpens(int boxesOpen);
  // The responder clicked the "no" of the unidentified-disc question.
  void ResponderDeclined();
  std::vector<Violation> AfterEvent(const WalkWorld& world, const WalkEvent& event, int boxesOpen);

  // The action of the first robot command awaiting its notice, "" when none.
  std::string Outstanding() const;

 private:
  enum class Disc { None, Loaded, Unloaded };
  struct Command {
    std::string action;
    std::string target;
  };

  // Takes in the shell calls made since the last look, in order.
  void AbsorbCalls(const WalkWorld& world, bool byRippingClick);
  void Sent(const WalkWorld& world, const sim::ShellCall& call, const Command& command,
            bool byRippingClick, bool startsJob);
  void Flag(Invariant invariant, const std::string& symptom, const std::string& detail);
  void CheckState(const WalkWorld& world, int boxesOpen);
  void CheckChoicesSaved(const WalkWorld& world);
  void CheckNotices(const WalkWorld& world);

  std::string managerPath_;
  std::size_t callsSeen_ = 0;
  std::vector<Command> outstanding_;
  bool jobActive_ = false;
  Disc disc_ = Disc::None;
  char writerDrive_ = 0;          // from the target of the job's load commands
  bool lastStartFailed_ = false;  // the manager could not be started for the last command
  std::size_t unloadsSent_ = 0;
  // Set before a volume removal that must be answered by an unload.
  bool removalNeedsUnload_ = false;
  std::size_t unloadsBeforeEvent_ = 0;
  // Time as the events pass it: a notice takes 10 ms.
  std::uint64_t now_ = 0;
  // When the last event other than time passing came.
  std::uint64_t lastEventAt_ = 0;
  // A disc arrived in the writer, and left again, while its load awaited
  // its answer: that answer must unload it.
  bool arrivedDuringLoad_ = false;
  bool leftDuringLoad_ = false;
  bool answerNeedsUnload_ = false;
  // The disc came back into the writer's drive while an unload awaited its
  // answer: should the unload fail, the disc's removal carries the job on.
  bool arrivedDuringUnload_ = false;
  // Since the job started, something held it up that may let the PC sleep:
  // another program took the robot ("Terminate") or the writer's drive went.
  bool troubled_ = false;
  // A load refused for good must release the writer.
  bool refusalNeedsRelease_ = false;
  std::size_t releasesSent_ = 0;
  std::size_t releasesBeforeEvent_ = 0;
  // An unload failed and left the job's disc in the writer: its return to the
  // drive, while "Ripping" stays disabled, carries the job on.
  bool stoppedWithDisc_ = false;
  // "Ripping" was enabled when it was clicked.
  bool clickMustStart_ = false;
  bool jobStartedByClick_ = false;
  // The responder declined the loaded disc: an unload or reject is due 20 ms
  // later at the latest.
  std::optional<std::uint64_t> declineDue_;
  std::size_t unloadsAtDecline_ = 0;
  // The notify command's starts looked at, and the last moment it heard of;
  // whether any job has started.
  std::size_t noticesSeen_ = 0;
  std::string lastNotice_ = "none";
  bool startUpWaitEnded_ = false;  // a "Terminate" before any job, since the last "stuck"
  bool jobEverStarted_ = false;
  std::vector<Violation> found_;
};

}  // namespace sc::testing
