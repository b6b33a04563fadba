#include "job_rig.h"

#include "job/status_text.h"
#include "platform/device_broadcast.h"

namespace sc::bench {
namespace {

constexpr std::uint32_t kDriveE = 1u << 4;
// Long enough for the status line's one-second animation to tick three times.
constexpr std::uint64_t kRipMs = 3000;

using Clock = std::chrono::steady_clock;

}  // namespace

const char* StepName(Step step) {
  switch (step) {
    case Step::LoadAnswer:
      return "load_answer";
    case Step::Arrival:
      return "arrival";
    case Step::Ripping:
      return "ripping";
    case Step::Removal:
      return "removal";
    case Step::UnloadAnswer:
      return "unload_answer";
    case Step::Count:
      break;
  }
  return "?";
}

void JobRig::StartJob() {
  StartReady();
  form->btnWMP.click();
}

Nanoseconds JobRig::RunDisc(std::array<Nanoseconds, kSteps>& spent) {
  const auto timed = [&](Step step, auto&& action) {
    const auto start = Clock::now();
    action();
    const auto took = std::chrono::duration_cast<Nanoseconds>(Clock::now() - start);
    spent[static_cast<std::size_t>(step)] += took;
    return took;
  };
  Nanoseconds disc{0};
  disc += timed(Step::LoadAnswer, [&] { NotifyAndSettle({"Autoloader", "load", "OK", ""}); });
  disc += timed(Step::Arrival, [&] { Volume(kDbtDeviceArrival, kDriveE); });
  disc += timed(Step::Ripping, [&] { Advance(kRipMs); });
  disc += timed(Step::Removal, [&] { Volume(kDbtDeviceRemoveComplete, kDriveE); });
  disc += timed(Step::UnloadAnswer, [&] { NotifyAndSettle({"Autoloader", "unload", "OK", ""}); });
  return disc;
}

void JobRig::EndJob() { NotifyAndSettle({"Autoloader", "load", "Error", "No disc"}); }

bool JobRig::JobDone() const { return form->StatusCode == kStatusJobDone && !JobRuns(form->Job()); }

}  // namespace sc::bench
