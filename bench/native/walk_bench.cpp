// The random walks over the whole main window and over the job machine alone,
// in events a second, and the machine's own steps a second. The window's walk
// is the baseline: each run prints both, so the ratio comes from one run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "job/job_machine.h"
#include "support/path_walker.h"

namespace sc::bench {
namespace {

constexpr std::uint32_t kWalks = 500;

void Walks(benchmark::State& state, testing::Driven driven) {
  std::size_t events = 0;
  for (auto _ : state) {
    for (std::uint32_t seed = 1; seed <= kWalks; ++seed)
      events += testing::Explore(seed, nullptr, driven).walk.events.size();
  }
  state.counters["events"] =
      benchmark::Counter(static_cast<double>(events), benchmark::Counter::kIsRate);
}

void WalksOverTheWindow(benchmark::State& state) { Walks(state, testing::Driven::Window); }
void WalksOverTheMachineAlone(benchmark::State& state) { Walks(state, testing::Driven::Machine); }

// The transition function by itself, on events drawn at random, each from the
// state the last one left.
void MachineSteps(benchmark::State& state) {
  std::mt19937 random(1);
  std::vector<JobEvent> events(4096);
  for (JobEvent& event : events) {
    event.kind = static_cast<JobEventKind>(random() % kJobEventKindCount);
    event.player = static_cast<JobPlayer>(random() % 3);
    event.command = static_cast<JobCommand>(random() % 5);
    AssignCut(event.writer, "E: Writer 1");
  }
  JobState job;
  std::size_t steps = 0;
  for (auto _ : state) {
    for (const JobEvent& event : events) {
      const JobStep step = NextJobStep(job, event, {true, (steps & 1) != 0});
      job = step.next;
      benchmark::DoNotOptimize(step.effects.size());
      ++steps;
    }
  }
  state.counters["steps"] =
      benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}

BENCHMARK(WalksOverTheWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(WalksOverTheMachineAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(MachineSteps)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sc::bench
