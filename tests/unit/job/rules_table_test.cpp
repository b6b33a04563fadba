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
