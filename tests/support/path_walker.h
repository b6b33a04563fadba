// A seeded random walker over the whole main window: it plays a walk of
// events (walk_events.h) against a freshly started window on the simulated
// Windows and virtual clock, asks the model (walk_model.h) after every event
// which invariants broke, and shortens a failing walk to the events that
// still break the same invariant.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/main_window_rig.h"
#include "support/walk_events.h"
#include "support/walk_model.h"

namespace sc::testing {

struct Walk {
  WalkSetup setup;
  std::vector<WalkEvent> events;
};

struct WalkRun {
  struct Found {
    Violation violation;
    std::size_t afterEvents;  // events played when it was seen; 0: at start-up
  };
  Walk walk;  // the set-up and the events played
  // The first violation of each invariant and symptom, in the order seen.
  std::vector<Found> found;
  std::vector<std::string> managerCommands;  // every command line sent
};

// Where a walk's events come from: a seeded generator or a walk to replay.
class EventSource {
 public:
  virtual ~EventSource() = default;
  // The next event to deliver while `boxesOpen` message boxes are open, the
  // `eventsInThisBox`-th in the innermost one; false when there is none.
  virtual bool Next(const WalkModel& model, int boxesOpen, int eventsInThisBox,
                    WalkEvent* event) = 0;
};

// Ends a walk early when it returns true for a violation just seen.
using StopRule = std::function<bool(const Violation&)>;

// What a walk drives: the whole main window on the simulated Windows, or the
// job machine alone behind a stand-in for the window (machine_stage.h), which
// is many times faster and is judged by the same model.
enum class Driven { Window, Machine };

// One walk on a world of its own, so each walk starts from a clean machine.
class WalkStage {
 public:
  explicit WalkStage(const WalkSetup& setup);
  virtual ~WalkStage() = default;
  WalkRun Run(EventSource& source, const StopRule& stopAt);

 protected:
  virtual void Deliver(const WalkEvent& event) = 0;
  virtual WalkWorld World() = 0;
  virtual bool Closed() const = 0;
  virtual std::vector<std::string> ManagerLines() const = 0;
  // Runs while a message box is open, as its modal loop would.
  void BoxTurn();
  // The window hands a notice on: the model learns of it now.
  void NoticeHandedOn();
  // The notice the manager last put into the window's one buffer.
  void NoticeReceived(const NoticeFields& notice) { lastNotice_ = notice; }
  // The responder declined the disc in the writer.
  void ResponderDeclined() { model_.ResponderDeclined(); }

  const WalkSetup setup_;

 private:
  void Play(WalkEvent event);
  void Record(const std::vector<Violation>& violations);

  WalkModel model_;
  EventSource* source_ = nullptr;
  StopRule stopAt_;
  WalkRun run_;
  int boxesOpen_ = 0;
  bool stopped_ = false;
  // The window's one notice buffer as the manager last filled it: the model
  // learns of a notice when the window hands it on, not when it arrives.
  std::optional<NoticeFields> lastNotice_;
};

// The whole main window.
class WindowStage final : public WalkStage, public MainWindowRig {
 public:
  explicit WindowStage(const WalkSetup& setup);

 private:
  void Deliver(const WalkEvent& event) override;
  WalkWorld World() override {
    return {sim.shell, sim.files, sim.registry, sim.session, sim.launcher, face_};
  }
  bool Closed() const override { return form->isClosed(); }
  std::vector<std::string> ManagerLines() const override { return ManagerCommands(); }
  void DeliverNotice(const NoticeFields& notice);
  void RawDeviceChange(const WalkEvent& event);
  void ResponderDeclinesDisc();

  class FormFace final : public WalkFace {
   public:
    FormFace(const std::unique_ptr<TfrmMain>& form, const sim::SimTaskbar& taskbar)
        : form_(form), taskbar_(taskbar) {}
    bool ExitEnabled() const override { return form_->btnExit.enabled(); }
    bool RippingEnabled() const override { return form_->btnWMP.enabled(); }
    int StatusCode() const override { return form_->StatusCode; }
    std::string StatusText() const override { return form_->lblStatus.text(); }
    bool Halted() const override { return form_->Halted(); }
    std::string ChosenPlayer() const override {
      return form_->RadioGroup1.itemIndex() >= 0 ? form_->RadioGroup1.selectedText() : "";
    }
    bool OptionChecked(int index) const override {
      const CheckBox* boxes[] = {&form_->ckxRippingNoneCDB, &form_->ckxAlternateOutputt,
                                 &form_->ckxReplaceExitFile};
      return boxes[index % 3]->checked();
    }
    bool Closed() const override { return form_->isClosed(); }
    TaskbarProgress Taskbar() const override { return taskbar_.progress(form_->handle()); }

   private:
    const std::unique_ptr<TfrmMain>& form_;
    const sim::SimTaskbar& taskbar_;
  } face_{form, sim.taskbar};
};

// The simulated machine a walk starts on: the players, the saved player, the
// manager and the robot software's units, as `setup` says.
void SetUpWalkWorld(sim::SimPlatform& sim, const WalkSetup& setup);
// The robot software rewrites its report and which units are online.
void SetRobotRegistry(sim::SimPlatform& sim, const WalkSetup& setup, bool ready,
                      std::uint32_t unitsOnline);
// The robot software's `key` gets a value of any type and bytes.
void PutRobotValue(sim::SimPlatform& sim, const WalkEvent& event);
// The manager's file goes, or comes back, where the set-up put it.
void InstallManager(sim::SimPlatform& sim, const WalkSetup& setup, bool installed);
std::string RobotUnitKey(int unit);

std::unique_ptr<WalkStage> MakeStage(const WalkSetup& setup, Driven driven);

// A heap block of exactly the bytes' size, so that a read past their end is
// caught (under AddressSanitizer) where it happens.
std::unique_ptr<std::uint8_t[]> ExactCopy(const std::vector<std::uint8_t>& bytes);

// The walk a seed makes, played to the end or until `stopAt`.
WalkRun Explore(std::uint32_t seed, const StopRule& stopAt, Driven driven = Driven::Window);
WalkRun Replay(const Walk& walk, const StopRule& stopAt, Driven driven = Driven::Window);

// Drops events, a chunk at a time and then one by one, for as long as
// `stillFails` holds for what remains.
std::vector<WalkEvent> ShrinkEvents(
    std::vector<WalkEvent> events,
    const std::function<bool(const std::vector<WalkEvent>&)>& stillFails);

// The shortest walk found that still shows `violation` (its invariant, and
// its symptom too when `sameSymptom`).
Walk Shrink(const Walk& walk, const Violation& violation, bool sameSymptom,
            Driven driven = Driven::Window);

// Readable lines: the seed, the invariant, the set-up and the events, ready
// to be turned into a hand-written test.
std::string Report(std::uint32_t seed, std::size_t index, std::size_t originalLength,
                   const Walk& shrunk, const Violation& violation);

}  // namespace sc::testing
