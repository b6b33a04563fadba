// The names held by copies of the program in the simulated session: a claim
// holds its name for the rest of the simulation, as the real mutex is held
// until the process ends.
#pragma once

#include <set>
#include <string>

#include "platform/platform.h"
#include "platform/sim/failure_plan.h"

namespace sc::sim {

class SimSingleInstance final : public SingleInstance {
 public:
  long claim(const char* name) override;
  bool signalRunning(const char* name) override;

  // The names signalled in the global namespace, by any copy.
  const std::set<std::string>& signalled() const { return signalled_; }

  // Operations "claim" and "signalRunning", subject the name: the call fails
  // and holds nothing.
  FailurePlan& failures() { return failures_; }

 private:
  std::set<std::string> held_;  // exact names: the system's are case-sensitive
  std::set<std::string> signalled_;
  FailurePlan failures_;
};

}  // namespace sc::sim
