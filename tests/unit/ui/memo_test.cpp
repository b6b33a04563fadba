#include <gtest/gtest.h>

#include <string>

#include "ui/widgets/lists.h"

namespace sc {
namespace {

TEST(MemoTest, KeepsTheMostRecentThousandLinesInOrder) {
  Memo memo("Memo1", "", {});
  for (std::size_t i = 1; i <= Memo::kMaxLines; ++i) memo.append("line " + std::to_string(i));
  ASSERT_EQ(memo.lines().size(), 1000u);
  EXPECT_EQ(memo.lines().front(), "line 1");

  memo.append("line 1001");
  ASSERT_EQ(memo.lines().size(), 1000u);
  EXPECT_EQ(memo.lines().front(), "line 2");
  EXPECT_EQ(memo.lines().back(), "line 1001");

  // A night's worth later the bound holds and the order is still the order
  // of arrival.
  for (std::size_t i = 1002; i <= 5000; ++i) memo.append("line " + std::to_string(i));
  ASSERT_EQ(memo.lines().size(), 1000u);
  for (std::size_t i = 0; i < memo.lines().size(); ++i)
    ASSERT_EQ(memo.lines()[i], "line " + std::to_string(4001 + i));
}

}  // namespace
}  // namespace sc
