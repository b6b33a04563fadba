#include <gtest/gtest.h>

#include "../../tools/sim-logic/itunes_dialogs.h"

namespace sc::tools {
namespace {

std::vector<std::string> Labels(const DialogPlan& plan) {
  std::vector<std::string> labels;
  for (const auto& b : plan.buttons) labels.push_back(b.label);
  return labels;
}

TEST(ToolsItunesDialogs, EachTraitAsksItsQuestionInOrder) {
  auto dialogs = DialogsFor(DiscMarker{1, {"songs-exist", "bogus", "unidentified", "list"}});
  ASSERT_EQ(dialogs.size(), 3u);
  EXPECT_EQ(dialogs[0].kind, "songs-exist");
  EXPECT_EQ(Labels(dialogs[0]), (std::vector<std::string>{"Replace", "Don't Replace", "Cancel"}));
  EXPECT_TRUE(dialogs[0].list_items.empty());
  EXPECT_EQ(dialogs[1].kind, "unidentified");
  EXPECT_EQ(Labels(dialogs[1]), (std::vector<std::string>{"Import", "Don't Import"}));
  EXPECT_EQ(dialogs[2].kind, "list");
  EXPECT_FALSE(dialogs[2].list_items.empty());
  EXPECT_TRUE(DialogsFor(DiscMarker{2, {}}).empty());
}

TEST(ToolsItunesDialogs, OnlyTheRightButtonsDecline) {
  auto dialogs = DialogsFor(DiscMarker{1, {"unidentified", "songs-exist", "list"}});
  EXPECT_EQ(dialogs[0].buttons[1].effect, ButtonEffect::Decline);
  EXPECT_EQ(dialogs[0].buttons[0].effect, ButtonEffect::Proceed);
  EXPECT_EQ(dialogs[1].buttons[1].effect, ButtonEffect::Proceed);
  EXPECT_EQ(dialogs[1].buttons[2].effect, ButtonEffect::Decline);
  EXPECT_EQ(dialogs[2].buttons[0].effect, ButtonEffect::Proceed);
}

TEST(ToolsItunesDialogs, ScrambledOrderCreatesTheMiddleButtonLast) {
  EXPECT_EQ(CreationOrder(3, ButtonOrder::LeftToRight), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(CreationOrder(3, ButtonOrder::Scrambled), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(CreationOrder(2, ButtonOrder::Scrambled), (std::vector<int>{1, 0}));
  EXPECT_EQ(CreationOrder(1, ButtonOrder::Scrambled), (std::vector<int>{0}));
}

TEST(ToolsItunesDialogs, ADeclinedDiscStaysUnlessToldToEject) {
  EXPECT_EQ(WhatFollows(ButtonEffect::Proceed, AfterDecline::Eject), AfterClick::NextOrRip);
  EXPECT_EQ(WhatFollows(ButtonEffect::Decline, AfterDecline::Stay), AfterClick::Stay);
  EXPECT_EQ(WhatFollows(ButtonEffect::Decline, AfterDecline::Eject), AfterClick::Eject);
}

}  // namespace
}  // namespace sc::tools
