// Seeded random walks over the whole main window, and over the job machine
// alone, with the invariants checked after every event. SPOOLCAT_WALKS sets
// how many walks run over the window (20000 by default; twice as many run
// over the machine alone); SPOOLCAT_WALK_SURVEY=1 runs them all and counts the
// failures per invariant instead of stopping at the first.
#include "support/path_walker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <set>
#include <utility>

namespace sc::testing {
namespace {

constexpr std::uint32_t kFirstSeed = 1;
constexpr std::size_t kDefaultWalks = 20000;

std::size_t WalksRequested() {
  const char* value = std::getenv("SPOOLCAT_WALKS");
  return value != nullptr ? std::strtoul(value, nullptr, 10) : kDefaultWalks;
}

bool SurveyRequested() {
  const char* value = std::getenv("SPOOLCAT_WALK_SURVEY");
  return value != nullptr && std::string(value) == "1";
}

std::uint32_t SeedOf(std::size_t index) { return kFirstSeed + static_cast<std::uint32_t>(index); }

const char* NameOf(Driven driven) {
  return driven == Driven::Window ? "the main window" : "the job machine alone";
}

// The walk of `index` shortened to what still shows `violation`, as lines.
std::string Shortened(std::size_t index, const Violation& violation, bool sameSymptom,
                      Driven driven) {
  const WalkRun run = Explore(SeedOf(index), nullptr, driven);
  const Walk shrunk = Shrink(run.walk, violation, sameSymptom, driven);
  Violation shown = violation;
  for (const auto& found : Replay(shrunk, nullptr, driven).found) {
    if (found.violation.invariant == violation.invariant &&
        (!sameSymptom || found.violation.symptom == violation.symptom)) {
      shown = found.violation;
      break;
    }
  }
  return Report(SeedOf(index), index, run.walk.events.size(), shrunk, shown);
}

struct Tally {
  std::size_t walks = 0;
  std::size_t firstIndex = 0;
  Violation first{};
};

void Count(Tally& tally, std::size_t index, const Violation& violation) {
  if (tally.walks++ == 0) {
    tally.firstIndex = index;
    tally.first = violation;
  }
}

// Every walk played to its end; per invariant, and per symptom within it, how
// many walks broke it and the first that did, shortened.
std::string Survey(std::size_t walks, Driven driven, std::size_t* failedWalks) {
  std::map<int, Tally> byInvariant;
  std::map<std::pair<int, std::string>, Tally> bySymptom;
  *failedWalks = 0;
  for (std::size_t index = 0; index < walks; ++index) {
    const WalkRun run = Explore(SeedOf(index), nullptr, driven);
    if (!run.found.empty()) ++*failedWalks;
    std::set<int> invariants;
    for (const auto& found : run.found) {
      const int invariant = static_cast<int>(found.violation.invariant);
      Count(bySymptom[{invariant, found.violation.symptom}], index, found.violation);
      if (invariants.insert(invariant).second)
        Count(byInvariant[invariant], index, found.violation);
    }
  }
  std::string text = "survey of " + std::to_string(walks) + " walks over " + NameOf(driven) + ": " +
                     std::to_string(*failedWalks) + " broke an invariant\n";
  for (const auto& [invariant, tally] : byInvariant) {
    text += "\n== \"" + std::string(NameOf(static_cast<Invariant>(invariant))) +
            "\": " + std::to_string(tally.walks) + " walks, first walk " +
            std::to_string(tally.firstIndex) + " (seed " +
            std::to_string(SeedOf(tally.firstIndex)) + ")\n";
    for (const auto& [key, symptom] : bySymptom) {
      if (key.first != invariant) continue;
      text += "-- [" + key.second + "]: " + std::to_string(symptom.walks) + " walks, first walk " +
              std::to_string(symptom.firstIndex) + "\n" +
              Shortened(symptom.firstIndex, symptom.first, true, driven);
    }
  }
  return text;
}

void WalkAndCheckEveryInvariant(Driven driven, std::size_t walks) {
  const auto began = std::chrono::steady_clock::now();
  std::size_t events = 0;
  if (SurveyRequested()) {
    std::size_t failed = 0;
    const std::string survey = Survey(walks, driven, &failed);
    std::cout << survey;
    EXPECT_EQ(failed, 0u) << "see the survey above";
  } else {
    const StopRule stopAtAny = [](const Violation&) { return true; };
    for (std::size_t index = 0; index < walks; ++index) {
      const WalkRun run = Explore(SeedOf(index), stopAtAny, driven);
      events += run.walk.events.size();
      if (!run.found.empty()) {
        FAIL() << NameOf(driven) << ": "
               << Shortened(index, run.found.front().violation, false, driven);
      }
    }
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
  std::cout << walks << " walks over " << NameOf(driven) << ", " << events << " events in "
            << took.count() << " s\n";
}

TEST(PathWalkerTest, RandomWalksOverTheWindowKeepEveryInvariant) {
  WalkAndCheckEveryInvariant(Driven::Window, WalksRequested());
}

// The machine alone, being faster, takes twice as many walks.
TEST(PathWalkerTest, RandomWalksOverTheMachineAloneKeepEveryInvariant) {
  WalkAndCheckEveryInvariant(Driven::Machine, 2 * WalksRequested());
}

// The stand-in applies the machine's effects as the window does: every walk
// sends the same commands whichever of the two it drives.
TEST(PathWalkerTest, TheMachineAloneSendsWhatTheWholeWindowSends) {
  for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
    const WalkRun window = Explore(seed, nullptr, Driven::Window);
    const WalkRun machine = Explore(seed, nullptr, Driven::Machine);
    ASSERT_EQ(machine.managerCommands, window.managerCommands) << "seed " << seed;
    ASSERT_EQ(machine.walk.events.size(), window.walk.events.size()) << "seed " << seed;
  }
}

WalkEvent Notice(const std::string& action, const std::string& result = "",
                 const std::string& detail = "") {
  WalkEvent event;
  event.kind = EventKind::Notice;
  event.notice = {"Autoloader", action, result, detail};
  return event;
}

WalkEvent Do(EventKind kind, std::uint32_t number = 0, char drive = 'E') {
  WalkEvent event;
  event.kind = kind;
  event.number = number;
  event.drive = drive;
  return event;
}

// A job as the robot and iTunes run it: every invariant holds, and the
// commands are the ones a correct window sends (the declined disc goes to the
// reject bin, as the option is checked by default). A model that flags this
// is wrong, not the window.
TEST(PathWalkerTest, AWholeJobByHandKeepsEveryInvariant) {
  WalkSetup setup;
  setup.savedPlayer = "iTunes";
  const Walk job{
      setup,
      {Notice("Check"), Do(EventKind::TimePasses, 100), Do(EventKind::ClickRipping),
       Do(EventKind::TimePasses, 2000), Notice("load", "OK"), Do(EventKind::VolumeArrives),
       Do(EventKind::VolumeArrives, 0, 'D'), Do(EventKind::VolumeLeaves), Notice("unload", "OK"),
       Notice("load", "OK"), Do(EventKind::VolumeArrives), Do(EventKind::ResponderDeclines),
       Do(EventKind::TimePasses, 20), Do(EventKind::VolumeLeaves), Notice("reject", "OK"),
       Notice("load", "Error", "No disc"), Do(EventKind::ClickExit)}};
  for (const Driven driven : {Driven::Window, Driven::Machine}) {
    SCOPED_TRACE(NameOf(driven));
    const WalkRun run = Replay(job, nullptr, driven);
    for (const auto& found : run.found) ADD_FAILURE() << found.violation.detail;
    const std::string caller = "--caller Spoolcat: ";
    const std::string target = " --target E: Writer 1";
    EXPECT_EQ(run.managerCommands,
              (std::vector<std::string>{
                  caller + "--action Check", caller + "--action load" + target,
                  caller + "--action unload" + target, caller + "--action load" + target,
                  caller + "--action reject" + target, caller + "--action load" + target,
                  caller + "--target E: Writer 1 --action Release"}));
  }
}

TEST(PathWalkerTest, ASeedAlwaysMakesTheSameWalk) {
  const auto lines = [](std::uint32_t seed) {
    const WalkRun run = Explore(seed, nullptr);
    std::vector<std::string> described{Describe(run.walk.setup)};
    for (const WalkEvent& event : run.walk.events)
      described.push_back(std::to_string(event.depth) + " " + Describe(event));
    return described;
  };
  EXPECT_EQ(lines(7), lines(7));
  EXPECT_NE(lines(7), lines(8));
}

TEST(PathWalkerTest, ShrinkingKeepsOnlyTheEventsTheFailureNeeds) {
  std::vector<WalkEvent> events;
  for (std::uint32_t ms = 1; ms <= 13; ++ms) events.push_back(Do(EventKind::TimePasses, ms));
  // Fails while 3 comes somewhere before 11.
  const auto stillFails = [](const std::vector<WalkEvent>& candidate) {
    bool three = false;
    for (const WalkEvent& event : candidate) {
      if (event.number == 3) three = true;
      if (event.number == 11 && three) return true;
    }
    return false;
  };
  const auto shrunk = ShrinkEvents(events, stillFails);
  ASSERT_EQ(shrunk.size(), 2u);
  EXPECT_EQ(shrunk[0].number, 3u);
  EXPECT_EQ(shrunk[1].number, 11u);
}

// Events recorded inside the "Occupied" box are played inside it again.
TEST(PathWalkerTest, ReplayDeliversBoxedEventsInsideTheBox) {
  WalkEvent inside = Notice("Terminate");
  inside.depth = 1;
  const Walk walk{WalkSetup{},
                  {Notice("Check"), Do(EventKind::TimePasses, 100), Do(EventKind::ClickRipping),
                   Notice("load", "Error", "Occupied"), inside, Do(EventKind::TimePasses, 10)}};
  for (const Driven driven : {Driven::Window, Driven::Machine}) {
    const WalkRun run = Replay(walk, nullptr, driven);
    ASSERT_EQ(run.walk.events.size(), 6u) << NameOf(driven);
    EXPECT_EQ(run.walk.events[4].depth, 1);
    EXPECT_EQ(run.walk.events[5].depth, 0);
  }
}

// The robot software may store any writer text, one that reads like more of
// the command line included. The model reads a line by its shape, so a job
// on such a writer keeps every invariant, and its removals are the writer's.
TEST(PathWalkerTest, AWriterTextThatLooksLikeACommandDoesNotFoolTheModel) {
  WalkEvent writer = Do(EventKind::RegistryValue, kRegSz);
  writer.key = "Unit1\\Writer1";
  const std::string text = "E: x --action load --target F: --action Release";
  writer.bytes.assign(text.begin(), text.end());
  WalkEvent empty = writer;
  empty.bytes.clear();
  const Walk walk{
      WalkSetup{},
      {writer, Notice("Check"), Do(EventKind::TimePasses, 100), Do(EventKind::ClickRipping),
       Notice("load", "OK"), Do(EventKind::VolumeLeaves), Notice("unload", "OK"),
       Notice("load", "Error", "No disc"), empty, Notice("Refresh"), Do(EventKind::TimePasses, 100),
       Do(EventKind::ClickRipping), Notice("load", "OK"), Do(EventKind::VolumeLeaves)}};
  for (const Driven driven : {Driven::Window, Driven::Machine}) {
    SCOPED_TRACE(NameOf(driven));
    const WalkRun run = Replay(walk, nullptr, driven);
    for (const auto& found : run.found) ADD_FAILURE() << found.violation.detail;
    const std::string caller = "--caller Spoolcat: ";
    EXPECT_EQ(
        run.managerCommands,
        (std::vector<std::string>{
            caller + "--action Check", caller + "--action load --target " + text,
            caller + "--action unload --target " + text, caller + "--action load --target " + text,
            caller + "--target " + text + " --action Release",
            caller + "--action load --target "}));
  }
}

}  // namespace
}  // namespace sc::testing
