// A seeded random walker over the whole main window: it plays a walk of
// events (walk_events.h) against a freshly started window on the simulated
// Windows and virtual clock, asks the model (walk_model.h) after every event
// which invariants broke, and shortens a failing walk to the events that
// still break the same invariant.
#pragma once

#include <cstdint>
#include <functional>
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

// One walk on a window of its own, so each walk starts from a clean machine.
class WalkStage final : public MainWindowRig {
 public:
  explicit WalkStage(const WalkSetup& setup);
  WalkRun Run(EventSource& source, const StopRule& stopAt);

 private:
  void Play(WalkEvent event);
  void Deliver(const WalkEvent& event);
  void DeliverNotice(const NoticeFields& notice);
  void RawDeviceChange(const WalkEvent& event);
  void SetRobotRegistry(bool ready, std::uint32_t unitsOnline);
  void ResponderDeclinesDisc();
  // Runs while a message box is open, as its modal loop would.
  void BoxTurn();
  void Record(const std::vector<Violation>& violations);
  WalkWorld World() { return {sim.shell, sim.files, *form}; }

  WalkSetup setup_;
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

// The walk a seed makes, played to the end or until `stopAt`.
WalkRun Explore(std::uint32_t seed, const StopRule& stopAt);
WalkRun Replay(const Walk& walk, const StopRule& stopAt);

// Drops events, a chunk at a time and then one by one, for as long as
// `stillFails` holds for what remains.
std::vector<WalkEvent> ShrinkEvents(
    std::vector<WalkEvent> events,
    const std::function<bool(const std::vector<WalkEvent>&)>& stillFails);

// The shortest walk found that still shows `violation` (its invariant, and
// its symptom too when `sameSymptom`).
Walk Shrink(const Walk& walk, const Violation& violation, bool sameSymptom);

// Readable lines: the seed, the invariant, the set-up and the events, ready
// to be turned into a hand-written test.
std::string Report(std::uint32_t seed, std::size_t index, std::size_t originalLength,
                   const Walk& shrunk, const Violation& violation);

}  // namespace sc::testing
