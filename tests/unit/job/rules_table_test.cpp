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

// The window's own rules that the walk follows: the "Occupied" box holds
// back its step's later effects until it closes; a manager fails to start
// only for the command just sent; "Ripping" is clicked only while enabled.
TEST(RulesTableTest, TheWalkFollowsTheWindowsBoxCommandsAndButtons) {
  const RulesWalk walk = WalkJobMachine();
  int opened = 0;
  int closed = 0;
  for (const WalkStep& step : walk.steps) {
    const WindowFace& from = walk.states[step.from].face;
    const WindowFace& to = walk.states[step.to].face;
    if (!from.boxOpen && to.boxOpen) {
      ++opened;
      // Exit stays as the refusal found it until the box closes.
      EXPECT_EQ(to.exitEnabled, from.exitEnabled);
    }
    if (step.event.kind == JobEventKind::OccupiedBoxClosed) {
      ++closed;
      EXPECT_TRUE(to.exitEnabled && !to.boxOpen);
    }
    if (step.event.kind == JobEventKind::CommandNotStarted) {
      EXPECT_EQ(static_cast<int>(step.event.command), from.justSent);
    }
    if (step.event.kind == JobEventKind::RippingClicked) {
      EXPECT_TRUE(from.rippingEnabled && !from.boxOpen);
    }
  }
  EXPECT_GT(opened, 0);
  EXPECT_GT(closed, 0);
}

// The row of a status line and a wait; fails the test when there is none.
std::vector<std::string> RowOf(const RulesTable& table, const std::string& status,
                               const std::string& wait, const std::string& button) {
  for (const auto& row : table.rows)
    if (row[0] == status && row[5].rfind(wait, 0) == 0 && row[3].rfind(button, 0) == 0) return row;
  ADD_FAILURE() << "no row " << status << " / " << wait << " / " << button;
  return std::vector<std::string>(table.headers.size());
}

TEST(RulesTableTest, RowsTellTheStartUpWaitTheEndAndAWaitTooLong) {
  const RulesTable table = JobRulesTable();
  // "Terminate" at start ends the wait for the robot's word; "Check" starts it again.
  const auto silent = RowOf(table, kConflictText, "none", "no bar");
  EXPECT_EQ(silent[7], "");
  const auto again = RowOf(table, kConflictText, "the robot software's first word", "no bar");
  EXPECT_EQ(again[7], "No word from the robot software since <time>");
  EXPECT_EQ(again[2], "no");
  const auto done = RowOf(table, "Job Done", "none", "no bar");
  EXPECT_EQ(done[1], "yes");
  EXPECT_EQ(done[8], "done");
  EXPECT_NE(done[4].find("flashes"), std::string::npos);
  const auto ripping = RowOf(table, "Disc Loaded", "the disc to be ripped", "moving green bar");
  EXPECT_EQ(ripping[2], "yes");
  EXPECT_EQ(ripping[6], "\"Disc minutes\", 45 minutes unless set");
  EXPECT_EQ(ripping[4], "nothing; past the limit it flashes");
}

TEST(RulesTableTest, CellsAreEscapedForEachFormat) {
  const RulesTable table{{"a"}, {{"<b|c&>"}}};
  EXPECT_NE(RulesTableHtml(table).find("<td>&lt;b|c&amp;&gt;</td>"), std::string::npos);
  EXPECT_NE(RulesTableMarkdown(table).find("| &lt;b\\|c&amp;&gt; |"), std::string::npos);
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
