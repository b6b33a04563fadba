// A whole job on the simulated Windows, disc by disc, as the manager, the
// system and the player would drive the main window, with the window
// thread's time for each step kept apart.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <vector>

#include "support/main_window_rig.h"

namespace sc::bench {

// What the window thread does for one disc, in the order it happens.
enum class Step : std::size_t {
  LoadAnswer,    // the manager's "load OK", handed on 10 ms later
  Arrival,       // the disc's volume arrives
  Ripping,       // three seconds of the status line's animation
  Removal,       // the player ejects the disc: the unload is sent
  UnloadAnswer,  // the manager's "unload OK": the next load is sent
  Count
};
constexpr std::size_t kSteps = static_cast<std::size_t>(Step::Count);
const char* StepName(Step step);

using Nanoseconds = std::chrono::nanoseconds;

class JobRig : public testing::MainWindowRig {
 public:
  // A window at "Ready" with Windows Media Player chosen, "Ripping" pressed:
  // the first load is out.
  void StartJob();
  // One disc from its load's answer to the next load, each step timed into
  // `spent`; the disc's total is returned.
  Nanoseconds RunDisc(std::array<Nanoseconds, kSteps>& spent);
  // The stack is empty: the load is refused and the job ends.
  void EndJob();
  bool JobDone() const;
};

}  // namespace sc::bench
