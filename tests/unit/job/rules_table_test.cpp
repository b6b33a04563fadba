// The table of rules in the help and the design notes is read from the job
// machine; after a change to the machine, scripts/rules-table.sh writes it again.
#include "rules_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "job/job_machine.h"
#include "rules_walk.h"

namespace sc {
namespace {

std::string Committed(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(RulesTableTest, TheCommittedTablesAreReadFromTheMachine) {
  const RulesTable table = JobRulesTable();
  const std::string help = Committed(SPOOLCAT_DOCS_DIR "/help/rules.html");
  const std::string notes = Committed(SPOOLCAT_DOCS_DIR "/design-choices.md");
  ASSERT_TRUE(HasTableMarkers(help));
  ASSERT_TRUE(HasTableMarkers(notes));
  // Compared whole, named by file: the files are too long to print.
  EXPECT_TRUE(help == WithTable(help, RulesTableHtml(table)))
      << "docs/help/rules.html is stale: run scripts/rules-table.sh";
  EXPECT_TRUE(notes == WithTable(notes, RulesTableMarkdown(table)))
      << "docs/design-choices.md is stale: run scripts/rules-table.sh";
}

// A walk that stopped early would leave rows out unseen: it must meet every
// status line, the conflict, every wait and the "Occupied" box.
TEST(RulesTableTest, TheWalkMeetsEveryStatusLineAndEveryWait) {
  std::set<std::string> texts;
  std::set<int> waits;
  bool box = false;
  for (const WalkedState& state : WalkJobMachine().states) {
    texts.insert(ShownText(state.face));
    waits.insert(static_cast<int>(state.job.wait.kind));
    box = box || state.face.boxOpen;
  }
  for (int code = kStatusInitializing; code <= kStatusNoManager; ++code)
    EXPECT_EQ(texts.count(StatusText(code)), 1u) << StatusText(code);
  EXPECT_EQ(texts.count(kConflictText), 1u);
  EXPECT_EQ(waits.size(), 5u);
  EXPECT_TRUE(box);
}

// The start-up wait keeps "Exit" disabled until the robot software answers;
// a disc that came and went before the load's answer is unloaded by it.
TEST(RulesTableTest, ExitsRuleNamesTheMessagesThatLeaveItDisabled) {
  const RulesTable table = JobRulesTable();
  ASSERT_FALSE(table.rows.empty());
  EXPECT_EQ(table.rows.front()[0], "Initializing");
  EXPECT_EQ(table.rows.front()[1].rfind("no until the robot software first answers", 0), 0u);
  bool unloadAtOnce = false;
  for (const auto& row : table.rows)
    unloadAtOnce =
        unloadAtOnce || row[1].find(
                            "the load's \"OK\" after the disc came and went (it sends the "
                            "unload at once)") != std::string::npos;
  EXPECT_TRUE(unloadAtOnce);
}

TEST(RulesTableTest, OnlyTheTextBetweenTheMarkersIsReplaced) {
  const std::string page =
      "a\n<!-- rules table: made by scripts/rules-table.sh -->\nold\n"
      "<!-- end of the rules table -->\nb\n";
  EXPECT_EQ(WithTable(page, "new\n"),
            "a\n<!-- rules table: made by scripts/rules-table.sh -->\nnew\n"
            "<!-- end of the rules table -->\nb\n");
  EXPECT_FALSE(HasTableMarkers("<!-- end of the rules table -->"));
}

}  // namespace
}  // namespace sc
