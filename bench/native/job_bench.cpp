// What the window thread spends per disc over a whole job of 10, 100 and
// 1,000 discs on the simulated Windows. A cost that grows with the discs done
// shows as a per-disc time that rises with the job's length, and as last
// discs slower than the first ones.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "job_rig.h"

namespace sc::bench {
namespace {

constexpr std::size_t kEdgeDiscs = 10;

double Microseconds(Nanoseconds ns) { return static_cast<double>(ns.count()) / 1000.0; }

double MeanMicroseconds(const std::vector<Nanoseconds>& discs, std::size_t from, std::size_t to) {
  Nanoseconds sum{0};
  for (std::size_t i = from; i < to; ++i) sum += discs[i];
  return Microseconds(sum) / static_cast<double>(to - from);
}

void WholeJob(benchmark::State& state) {
  const auto discs = static_cast<std::size_t>(state.range(0));
  std::array<Nanoseconds, kSteps> spent{};
  std::vector<Nanoseconds> perDisc(discs);
  std::vector<Nanoseconds> sumPerDisc(discs);
  for (auto _ : state) {
    state.PauseTiming();
    auto rig = std::make_unique<JobRig>();
    rig->StartJob();
    state.ResumeTiming();

    for (std::size_t i = 0; i < discs; ++i) perDisc[i] = rig->RunDisc(spent);
    rig->EndJob();

    state.PauseTiming();
    if (!rig->JobDone()) {
      state.SkipWithError("the job did not end with \"Job Done\"");
      break;
    }
    for (std::size_t i = 0; i < discs; ++i) sumPerDisc[i] += perDisc[i];
    rig.reset();
    state.ResumeTiming();
  }

  using benchmark::Counter;
  // The job's time over its discs: seconds a disc.
  state.counters["per_disc"] =
      Counter(static_cast<double>(discs), Counter::kIsIterationInvariantRate | Counter::kInvert);
  // Each step's mean, in microseconds a disc.
  const double total = static_cast<double>(discs);
  for (std::size_t s = 0; s < kSteps; ++s) {
    state.counters[std::string(StepName(static_cast<Step>(s))) + "_us"] =
        Counter(Microseconds(spent[s]) / total, Counter::kAvgIterations);
  }
  // The first and the last ten discs of the same jobs: equal when flat.
  const std::size_t edge = std::min(kEdgeDiscs, discs);
  const double first = MeanMicroseconds(sumPerDisc, 0, edge);
  const double last = MeanMicroseconds(sumPerDisc, discs - edge, discs);
  state.counters["first10_us"] = Counter(first, Counter::kAvgIterations);
  state.counters["last10_us"] = Counter(last, Counter::kAvgIterations);
  state.counters["last10/first10"] = first > 0 ? last / first : 0;
}

BENCHMARK(WholeJob)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sc::bench

BENCHMARK_MAIN();
