// The notify command's environment: the program's own block with the facts
// set in it, every byte of a value as given.
#include "platform/environment_block.h"

#include <gtest/gtest.h>

#include "job/notify_facts.h"

namespace sc {
namespace {

using namespace std::string_literals;

TEST(EnvironmentBlockTest, SetsTheVariablesAndKeepsEverythingElse) {
  const std::string summary = "3 discs \"ripped\", 100% done; a=b\r\nNo word since 1:12 AM";
  struct Case {
    std::string block;
    std::vector<EnvironmentVariable> variables;
    std::string built;
  } cases[] = {
      // Added after the program's own, which keep their order.
      {"PATH=C:\\x\0A=1\0\0"s,
       {{"SPOOLCAT_EVENT", "done"}},
       "PATH=C:\\x\0A=1\0SPOOLCAT_EVENT=done\0\0"s},
      // Replaced where it stands, whatever its case; a second one dropped.
      {"spoolcat_event=old\0B=2\0SPOOLCAT_EVENT=older\0\0"s,
       {{"SPOOLCAT_EVENT", "stuck"}},
       "SPOOLCAT_EVENT=stuck\0B=2\0\0"s},
      // Values byte for byte; a name that only begins alike is another.
      {"SPOOLCAT_SUMMARYX=1\0\0"s,
       {{"SPOOLCAT_SUMMARY", summary}},
       "SPOOLCAT_SUMMARYX=1\0SPOOLCAT_SUMMARY="s + summary + "\0\0"s},
      // Windows' own entries for the drives' folders pass through.
      {"=C:=C:\\Tests\0A=1\0\0"s, {{"A", ""}}, "=C:=C:\\Tests\0A=\0\0"s},
      // Nothing to start from, or a block without its last zero.
      {"", {}, "\0\0"s},
      {"", {{"A", "1"}, {"B", "2"}}, "A=1\0B=2\0\0"s},
      {"A=1", {{"B", "2"}}, "A=1\0B=2\0\0"s},
  };
  for (const Case& c : cases) EXPECT_EQ(WithVariables(c.block, c.variables), c.built) << c.block;
}

TEST(EnvironmentBlockTest, FindsAVariableByItsWholeNameWithoutCase) {
  const std::string block = "=C:=C:\\x\0SPOOLCAT_EVENTS=no\0Spoolcat_Event=a=b\0\0"s;
  EXPECT_EQ(VariableIn(block, "SPOOLCAT_EVENT"), "a=b");
  EXPECT_EQ(VariableIn(block, "SPOOLCAT_EVEN"), std::nullopt);
  EXPECT_EQ(VariableIn(block, "=C:"), std::nullopt);
}

// Outside a job the command hears no figures and no start.
TEST(EnvironmentBlockTest, TheFactsOfAJobOnlyInAJob) {
  NotifyFacts facts{JobNotice::GoingOn, "Disc Loaded", "tip", true, {3, 2, 1}, "08/12/2026 22:14"};
  const std::vector<EnvironmentVariable> inJob = {{"SPOOLCAT_EVENT", "going-on"},
                                                  {"SPOOLCAT_STATUS", "Disc Loaded"},
                                                  {"SPOOLCAT_SUMMARY", "tip"},
                                                  {"SPOOLCAT_LOADED", "3"},
                                                  {"SPOOLCAT_UNLOADED", "2"},
                                                  {"SPOOLCAT_REJECTED", "1"},
                                                  {"SPOOLCAT_STARTED", "08/12/2026 22:14"}};
  EXPECT_EQ(NotifyVariables(facts), inJob);
  facts.inJob = false;
  facts.notice = JobNotice::Stuck;
  const std::vector<EnvironmentVariable> atStart = {
      {"SPOOLCAT_EVENT", "stuck"}, {"SPOOLCAT_STATUS", "Disc Loaded"}, {"SPOOLCAT_SUMMARY", "tip"},
      {"SPOOLCAT_LOADED", "0"},    {"SPOOLCAT_UNLOADED", "0"},         {"SPOOLCAT_REJECTED", "0"},
      {"SPOOLCAT_STARTED", ""}};
  EXPECT_EQ(NotifyVariables(facts), atStart);
}

}  // namespace
}  // namespace sc
