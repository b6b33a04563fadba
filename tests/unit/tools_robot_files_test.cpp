#include <gtest/gtest.h>

#include "../../tools/sim-logic/disc_marker.h"
#include "../../tools/sim-logic/ini_values.h"
#include "../../tools/sim-logic/player_config.h"
#include "../../tools/sim-logic/robot_config.h"
#include "../../tools/sim-logic/robot_state.h"

namespace sc::tools {
namespace {

TEST(ToolsIniValues, CommentsBlanksQuotesAndOverrides) {
  IniValues ini = IniValues::Parse(
      "# comment\n; other\n\n  writer =  E: Writer 1  \r\nquoted = \" E: x \"\n"
      "n = 12\nn2 = 12ms\nlist = load, unload  reject\nwriter = F: Last\nnoequals\n");
  EXPECT_EQ(ini.Text("writer", ""), "F: Last");
  EXPECT_EQ(ini.Text("quoted", ""), " E: x ");
  EXPECT_EQ(ini.Number("n", 0), 12);
  EXPECT_EQ(ini.Number("n2", 7), 7);
  EXPECT_EQ(ini.List("list"), (std::vector<std::string>{"load", "unload", "reject"}));
  EXPECT_FALSE(ini.Has("noequals"));
  EXPECT_EQ(ini.Text("missing", "dflt"), "dflt");
}

TEST(ToolsRobotConfig, DefaultsAreOneOnlineUnitWithWriterE) {
  RobotConfig config = ReadRobotConfig(IniValues::Parse(""));
  EXPECT_EQ(config.discs, 5);
  ASSERT_EQ(config.units.size(), 1u);
  EXPECT_EQ(config.units[0].name, "Unit1");
  EXPECT_TRUE(config.units[0].online);
  EXPECT_EQ(config.units[0].writers, 1u);
  EXPECT_EQ(config.units[0].texts.at(1), "E: Writer 1");
  EXPECT_EQ(config.root, RootChoice::Auto);
  EXPECT_EQ(config.occupied_loads, 0);
  EXPECT_FALSE(config.record_only);
}

TEST(ToolsRobotConfig, UnitsWritersTraitsAndFaults) {
  RobotConfig config = ReadRobotConfig(
      IniValues::Parse("discs = 3\ndisc.2 = unidentified\ndisc.3 = songs-exist, list\nunits = 2\n"
                       "writer = D: First\nunit.1.writers = 3\nunit.1.writer.3 = G: Third\n"
                       "unit.2.name = Tower\nunit.2.online = 0\nunit.2.writer.1 = H: Off\n"
                       "registry_root = HKLM\noccupied_loads = all\nno_answer = unload, Check\n"
                       "notice_after.4 = Terminate\nunload_result = Jammed\nrecord_only = yes\n"));
  EXPECT_EQ(TraitsOf(config, 1), std::vector<std::string>{});
  EXPECT_EQ(TraitsOf(config, 3), (std::vector<std::string>{"songs-exist", "list"}));
  ASSERT_EQ(config.units.size(), 2u);
  EXPECT_EQ(config.units[0].writers, 3u);
  EXPECT_EQ(config.units[0].texts.size(), 2u);  // Writer2 is announced but missing
  EXPECT_EQ(config.units[0].texts.at(3), "G: Third");
  EXPECT_EQ(config.units[1].name, "Tower");
  EXPECT_FALSE(config.units[1].online);
  EXPECT_EQ(config.units[1].writers, 1u);
  EXPECT_EQ(config.root, RootChoice::LocalMachine);
  EXPECT_EQ(config.occupied_loads, -1);
  EXPECT_EQ(config.no_answer.count("unload"), 1u);
  EXPECT_EQ(config.no_answer.count("Check"), 1u);
  EXPECT_EQ(config.notice_after.at(4), "Terminate");
  EXPECT_EQ(config.unload_result, "Jammed");
  EXPECT_TRUE(config.record_only);
}

TEST(ToolsRobotState, RoundTripsThroughItsFile) {
  RobotState state;
  state.next_disc = 4;
  state.commands = 9;
  state.loads = 3;
  state.in_writer['E'] = 3;
  state.output = {1};
  state.rejected = {2};
  std::string text = FormatRobotState(state);
  EXPECT_NE(text.find("output = 1\n"), std::string::npos);
  EXPECT_NE(text.find("rejected_discs = 2\n"), std::string::npos);
  RobotState back = ParseRobotState(text);
  EXPECT_EQ(back.next_disc, 4);
  EXPECT_EQ(back.commands, 9);
  EXPECT_EQ(back.loads, 3);
  EXPECT_EQ(back.in_writer, (std::map<char, int>{{'E', 3}}));
  EXPECT_EQ(back.output, std::vector<int>{1});
  EXPECT_EQ(back.rejected, std::vector<int>{2});
}

TEST(ToolsRobotState, MissingFileIsAFullStack) {
  RobotState state = ParseRobotState("");
  EXPECT_EQ(state.next_disc, 1);
  EXPECT_TRUE(state.in_writer.empty());
  EXPECT_TRUE(state.output.empty());
}

TEST(ToolsDiscMarker, RoundTripAndWhereItLives) {
  DiscMarker marker{7, {"unidentified", "list"}};
  DiscMarker back = ParseDiscMarker(FormatDiscMarker(marker));
  EXPECT_EQ(back.disc, 7);
  EXPECT_TRUE(HasTrait(back, "list"));
  EXPECT_FALSE(HasTrait(back, "songs-exist"));
  EXPECT_EQ(DiscMarkerPath("", 'E'), "E:\\simdisc.txt");
  EXPECT_EQ(DiscMarkerPath("Z:\\tmp\\cd", 'E'), "Z:\\tmp\\cd\\simdisc.txt");
  EXPECT_EQ(DiscMarkerPath("Z:\\tmp\\cd\\", 'E'), "Z:\\tmp\\cd\\simdisc.txt");
}

TEST(ToolsPlayerConfig, DefaultsAndChoices) {
  PlayerConfig defaults = ReadPlayerConfig(IniValues::Parse(""));
  EXPECT_EQ(defaults.rip_ms, 1500);
  EXPECT_EQ(defaults.after_decline, AfterDecline::Stay);
  EXPECT_TRUE(defaults.scan_at_start);
  PlayerConfig set = ReadPlayerConfig(IniValues::Parse(
      "rip_ms = 200\nafter_decline = eject\nbutton_order = scrambled\nhidden_button = 1\n"));
  EXPECT_EQ(set.rip_ms, 200);
  EXPECT_EQ(set.after_decline, AfterDecline::Eject);
  EXPECT_EQ(set.button_order, ButtonOrder::Scrambled);
  EXPECT_TRUE(set.hidden_button);
}

TEST(ToolsPlayerConfig, OnCloseTakesItsThreeWordsAndClosesOnAnythingElse) {
  const std::pair<const char*, OnClose> cases[] = {
      {"", OnClose::Close},
      {"on_close = close\n", OnClose::Close},
      {"on_close = hang\n", OnClose::Hang},
      {"on_close = ask\n", OnClose::Ask},
      {"on_close = HANG\n", OnClose::Close},
      {"on_close = hang up\n", OnClose::Close},
  };
  for (const auto& [ini, expected] : cases) {
    EXPECT_EQ(ReadPlayerConfig(IniValues::Parse(ini)).on_close, expected) << ini;
  }
}

}  // namespace
}  // namespace sc::tools
