#include <gtest/gtest.h>

#include "../../tools/sim-logic/robot_plan.h"

namespace sc::tools {
namespace {

using Kind = RobotStep::Kind;

ManagerRequest Request(const std::string& action, const std::string& target = "E: Writer 1") {
  ManagerRequest r;
  r.caller = "Spoolcat:";
  r.action = action;
  r.target = target;
  r.has_target = action != "Check";
  return r;
}

RobotConfig Config(const std::string& ini) { return ReadRobotConfig(IniValues::Parse(ini)); }

std::vector<Kind> Kinds(const RobotPlan& plan) {
  std::vector<Kind> kinds;
  for (const auto& s : plan.steps) {
    if (s.kind != Kind::Pause) kinds.push_back(s.kind);
  }
  return kinds;
}

std::vector<Notice> Notices(const RobotPlan& plan, bool delivered = true) {
  std::vector<Notice> notices;
  for (const auto& s : plan.steps) {
    if (s.kind == Kind::SendNotice && s.deliver == delivered) notices.push_back(s.notice);
  }
  return notices;
}

class ToolsRobotPlan : public ::testing::Test {
 protected:
  // Runs one command against the robot and keeps its new state.
  RobotPlan Run(const std::string& action, bool disc_in_drive = false,
                const std::string& target = "E: Writer 1") {
    RobotPlan plan = PlanCommand(config_, state_, Request(action, target), disc_in_drive);
    if (plan.save_state) state_ = plan.state;
    return plan;
  }

  RobotConfig config_ = Config("discs = 2\ndisc.2 = unidentified\n");
  RobotState state_;
};

TEST_F(ToolsRobotPlan, CheckPublishesWaitThenReadyThenAnswers) {
  RobotPlan plan = Run("Check");
  EXPECT_EQ(Kinds(plan), (std::vector<Kind>{Kind::PublishWait, Kind::PublishUnits,
                                            Kind::PublishReady, Kind::SendNotice}));
  ASSERT_EQ(Notices(plan).size(), 1u);
  EXPECT_EQ(Notices(plan)[0].action, "Check");
  EXPECT_EQ(Notices(plan)[0].source, "Autoloader");
  EXPECT_EQ(plan.steps[2].kind, Kind::Pause);
}

TEST_F(ToolsRobotPlan, LoadAnswersBeforeTheVolumeArrives) {
  RobotPlan plan = Run("load");
  EXPECT_EQ(Kinds(plan), (std::vector<Kind>{Kind::PlaceDisc, Kind::SendNotice, Kind::Arrival}));
  EXPECT_EQ(plan.steps.back().drive, 'E');
  EXPECT_EQ(Notices(plan)[0].result, "OK");
  EXPECT_EQ(state_.in_writer.at('E'), 1);
  EXPECT_EQ(state_.next_disc, 2);
}

TEST_F(ToolsRobotPlan, WholeStackThenNoMoreDiscs) {
  Run("Check");
  Run("load");
  RobotPlan unload = Run("unload");  // the player ejected disc 1
  EXPECT_EQ(Kinds(unload), (std::vector<Kind>{Kind::SendNotice}));
  EXPECT_EQ(Notices(unload)[0].action, "unload");
  EXPECT_EQ(Notices(unload)[0].result, "OK");

  RobotPlan load2 = Run("load");
  ASSERT_EQ(load2.steps[1].kind, Kind::PlaceDisc);
  EXPECT_EQ(load2.steps[1].disc.disc, 2);
  EXPECT_EQ(load2.steps[1].disc.traits, std::vector<std::string>{"unidentified"});
  Run("reject", true);

  RobotPlan empty = Run("load");
  ASSERT_EQ(Notices(empty).size(), 1u);
  EXPECT_EQ(Notices(empty)[0].result, "Error");
  EXPECT_EQ(Notices(empty)[0].detail, "No more discs");
  EXPECT_EQ(Kinds(empty), (std::vector<Kind>{Kind::SendNotice}));
  Run("Release");

  EXPECT_EQ(state_.output, std::vector<int>{1});
  EXPECT_EQ(state_.rejected, std::vector<int>{2});
  EXPECT_TRUE(state_.in_writer.empty());
  EXPECT_EQ(state_.commands, 7);
  EXPECT_EQ(state_.loads, 3);
}

TEST_F(ToolsRobotPlan, ADiscLeftInTheDriveIsTakenOutAndAnnouncedFirst) {
  Run("load");
  RobotPlan plan = Run("unload", true);
  EXPECT_EQ(Kinds(plan), (std::vector<Kind>{Kind::TakeDisc, Kind::Removal, Kind::SendNotice}));
  EXPECT_EQ(plan.steps[1].drive, 'E');
}

TEST_F(ToolsRobotPlan, RefusalsKeepTheStackAsItWas) {
  struct Case {
    const char* ini;
    const char* action;
    const char* target;
    const char* result;
    const char* detail;
  } cases[] = {
      {"occupied_loads = 1", "load", "E: Writer 1", "Error", "Occupied"},
      {"occupied_loads = all", "load", "E: Writer 1", "Error", "Occupied"},
      {"", "load", "e: Writer 1", "Error", "No such writer"},
      {"", "load", "E: Writer 1 ", "Error", "No such writer"},
      {"", "unload", "E: Writer 1", "Error", "Writer empty"},
      {"discs = 0", "load", "E: Writer 1", "Error", "No more discs"},
      {"discs = 0\nempty_result = Done\nempty_detail = Stack empty", "load", "E: Writer 1", "Done",
       "Stack empty"},
  };
  for (const auto& c : cases) {
    RobotPlan plan = PlanCommand(Config(c.ini), RobotState{}, Request(c.action, c.target), false);
    ASSERT_EQ(Notices(plan).size(), 1u) << c.ini << " " << c.target;
    EXPECT_EQ(Notices(plan)[0].result, c.result) << c.ini << " " << c.target;
    EXPECT_EQ(Notices(plan)[0].detail, c.detail) << c.ini << " " << c.target;
    EXPECT_EQ(plan.state.next_disc, 1) << c.ini;
    EXPECT_TRUE(plan.state.in_writer.empty()) << c.ini;
  }
}

TEST_F(ToolsRobotPlan, OccupiedOnlyForTheFirstLoads) {
  config_ = Config("occupied_loads = 1");
  EXPECT_EQ(Notices(Run("load"))[0].detail, "Occupied");
  EXPECT_EQ(Notices(Run("load"))[0].result, "OK");
}

TEST_F(ToolsRobotPlan, FailedUnloadLeavesTheDiscInTheWriter) {
  config_ = Config("unload_result = Jammed");
  Run("load");
  RobotPlan plan = Run("unload", true);
  EXPECT_EQ(Notices(plan)[0].result, "Jammed");
  EXPECT_EQ(Kinds(plan), (std::vector<Kind>{Kind::SendNotice}));
  EXPECT_EQ(state_.in_writer.at('E'), 1);
  EXPECT_EQ(Notices(Run("reject", true))[0].result, "OK");
}

TEST_F(ToolsRobotPlan, SilencedActionsStillMoveTheDisc) {
  config_ = Config("no_answer = load");
  RobotPlan plan = Run("load");
  EXPECT_TRUE(Notices(plan).empty());
  ASSERT_EQ(Notices(plan, false).size(), 1u);
  EXPECT_EQ(Kinds(plan).back(), Kind::Arrival);
  EXPECT_EQ(state_.in_writer.at('E'), 1);
}

TEST_F(ToolsRobotPlan, ExtraNoticeFollowsTheNthCommand) {
  config_ = Config("notice_after.2 = Terminate\nnotice_after.3 = Refresh");
  EXPECT_EQ(Notices(Run("Check")).size(), 1u);
  auto second = Notices(Run("load"));
  ASSERT_EQ(second.size(), 2u);
  EXPECT_EQ(second[1].action, "Terminate");
  auto third = Notices(Run("Release"));
  ASSERT_EQ(third.size(), 1u);
  EXPECT_EQ(third[0].action, "Refresh");
}

TEST_F(ToolsRobotPlan, ManagerDyingMidLoadLeavesTheDiscInTheWriterAndSendsNothing) {
  config_ = Config("die_at_command = 2\nnotice_after.2 = Refresh\n");
  EXPECT_FALSE(Run("Check").die);
  RobotPlan load = Run("load");
  EXPECT_TRUE(load.die);
  EXPECT_EQ(Kinds(load), (std::vector<Kind>{Kind::PlaceDisc}));
  EXPECT_TRUE(load.save_state);
  EXPECT_EQ(state_.in_writer.at('E'), 1);
  // The manager started again carries on from what the robot holds.
  RobotPlan check = Run("Check");
  EXPECT_FALSE(check.die);
  EXPECT_EQ(Notices(check).size(), 1u);
  EXPECT_EQ(Notices(Run("load"))[0].detail, "Writer not empty");
}

TEST_F(ToolsRobotPlan, RecordOnlyDoesNothingAndKeepsNoState) {
  config_ = Config("record_only = 1");
  RobotPlan plan = Run("load");
  EXPECT_TRUE(plan.steps.empty());
  EXPECT_FALSE(plan.save_state);
}

TEST_F(ToolsRobotPlan, ReleaseAndUnknownActionsAreOnlyNoted) {
  EXPECT_EQ(Kinds(Run("Release")), (std::vector<Kind>{Kind::Note}));
  RobotPlan odd = Run("LOAD");
  EXPECT_EQ(Kinds(odd), (std::vector<Kind>{Kind::Note}));
  EXPECT_EQ(state_.loads, 0);
}

TEST_F(ToolsRobotPlan, EachWriterHoldsItsOwnDisc) {
  config_ = Config("discs = 3\nunit.1.writer.2 = F: Writer 2\n");
  Run("load");
  RobotPlan second = Run("load", false, "F: Writer 2");
  EXPECT_EQ(second.steps.back().kind, Kind::Arrival);
  EXPECT_EQ(second.steps.back().drive, 'F');
  EXPECT_EQ(state_.in_writer, (std::map<char, int>{{'E', 1}, {'F', 2}}));
  RobotPlan unload = Run("unload", true, "F: Writer 2");
  EXPECT_EQ(unload.steps[1].drive, 'F');
  EXPECT_EQ(state_.in_writer, (std::map<char, int>{{'E', 1}}));
  EXPECT_EQ(state_.output, std::vector<int>{2});
}

TEST(ToolsRobotWriters, DriveLetterAndPublishedWriters) {
  EXPECT_EQ(DriveOfWriter("E: Writer 1"), 'E');
  EXPECT_EQ(DriveOfWriter("e: Writer 1"), 0);
  EXPECT_EQ(DriveOfWriter(""), 0);
  RobotConfig config = Config("unit.1.writers = 0");
  EXPECT_FALSE(IsKnownWriter(config, "E: Writer 1"));
}

}  // namespace
}  // namespace sc::tools
