#include <gtest/gtest.h>

#include "../../tools/sim-logic/command_line.h"

namespace sc::tools {
namespace {

TEST(ToolsCommandLine, ReadsEveryLineTheProgramSends) {
  struct Case {
    const char* line;
    const char* action;
    const char* target;
    bool has_target;
  } cases[] = {
      {"--caller Spoolcat: --action Check", "Check", "", false},
      {"--caller Spoolcat: --action load --target E: Writer 1", "load", "E: Writer 1", true},
      {"--caller Spoolcat: --action unload --target E: Writer 1", "unload", "E: Writer 1", true},
      {"--caller Spoolcat: --action reject --target E: Writer 1", "reject", "E: Writer 1", true},
      {"--caller Spoolcat: --target E: Writer 1 --action Release", "Release", "E: Writer 1", true},
  };
  for (const auto& c : cases) {
    ManagerRequest r = ReadRequest(ParsePairs(c.line));
    EXPECT_EQ(r.caller, "Spoolcat:") << c.line;
    EXPECT_EQ(r.action, c.action) << c.line;
    EXPECT_EQ(r.target, c.target) << c.line;
    EXPECT_EQ(r.has_target, c.has_target) << c.line;
  }
}

TEST(ToolsCommandLine, ValuesKeepInnerAndTrailingBlanks) {
  Pairs pairs = ParsePairs("--target  E:  Writer 1  --action load");
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].second, " E:  Writer 1 ");
  EXPECT_EQ(pairs[1], (std::pair<std::string, std::string>{"action", "load"}));
}

TEST(ToolsCommandLine, SkipsAProgramNameInFront) {
  Pairs pairs = ParsePairs("\"C:\\Rip Tools\\ketmgr.exe\" --caller Spoolcat: --action Check");
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].first, "caller");
  EXPECT_EQ(pairs[1].second, "Check");
}

TEST(ToolsCommandLine, NameWithoutValueAndEmptyLine) {
  Pairs pairs = ParsePairs("--caller --action Check");
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0], (std::pair<std::string, std::string>{"caller", ""}));
  EXPECT_TRUE(ParsePairs("").empty());
  EXPECT_TRUE(ParsePairs("no pairs here").empty());
}

TEST(ToolsCommandLine, HyphensInsideAWordDoNotSplitAValue) {
  ManagerRequest r = ReadRequest(ParsePairs("--caller Spoolcat: --action load --target E: A--B"));
  EXPECT_EQ(r.target, "E: A--B");
}

}  // namespace
}  // namespace sc::tools
