// A night's stack with Windows Media Player: a hundred discs, some of which
// the player cannot identify, with the robot and the player at their quickest.
// What happened to each disc is read from the substitutes' logs and the
// robot's state, not from the window.
#include <cstdio>

#include "fixture.h"
#include "manager_commands.h"
#include "soak_stack.h"

namespace e2e {
namespace {

constexpr int kDiscs = 100;
constexpr DWORD kReady = 15000;
// The job has stalled when neither the manager nor the player logs anything
// for this long; every disc takes well under a second.
constexpr DWORD kStall = 20000;

using SoakMediaPlayer = SpoolcatE2e;

TEST_F(SoakMediaPlayer, HundredDiscsWithWindowsMediaPlayerEachLoadedOnceAndOut) {
  const DiscStack stack = RandomStack(SoakSeed(20261207), kDiscs, {"", "", "", "unidentified"});
  CloseWindowsAtOnce();
  AddManager(stack.RobotIni() + kQuickRobot);
  AddPlayer(Player::MediaPlayer, "rip_ms = 0\n");
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();

  const DWORD start = GetTickCount();
  Click(main_, kRipping);
  ASSERT_TRUE(WaitForJobDone(kStall)) << Status();
  const DWORD elapsed = GetTickCount() - start;
  std::printf("%d discs in %.1f s: %.2f s per disc\n", kDiscs, elapsed / 1000.0,
              elapsed / 1000.0 / kDiscs);
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  ASSERT_TRUE(WaitForManagersToFinish(10000));

  std::vector<int> all;
  for (int disc = 1; disc <= kDiscs; ++disc) all.push_back(disc);
  std::map<std::string, std::string> robot = RobotState();
  EXPECT_EQ(robot["output_discs"], DiscList(all));
  EXPECT_EQ(robot["rejected_discs"], "");
  EXPECT_EQ(robot.count("writer.E"), 0u) << "a disc was left in the writer";
  auto loaded = DiscEvents(ManagerLog(), "DISC-IN");
  auto ripped = DiscEvents(PlayerLog(Player::MediaPlayer), "RIPPED");
  for (int disc : all) {
    EXPECT_EQ(loaded[disc].size(), 1u) << "disc " << disc << " loaded";
    EXPECT_EQ(ripped[disc].size(), 1u) << "disc " << disc << " ripped";
  }
  EXPECT_EQ(ManagerCommands(), JobCommands(std::vector<std::string>(kDiscs, "unload")));
  // The only refusal is the load that found the stack empty.
  EXPECT_EQ(CountLines(ManagerLog(), "result=\"Error\""), 1);
}

}  // namespace
}  // namespace e2e
