// Two nights' stacks with iTunes: every kind of question iTunes asks, each
// answered as the options say, and unidentified discs in the reject bin
// exactly when the options say so. The second night turns every option the
// other way, after the program was closed and started again. What happened
// to each disc is read from the substitutes' logs and the robot's state.
#include <cstdio>

#include "fixture.h"
#include "manager_commands.h"
#include "soak_stack.h"

namespace e2e {
namespace {

constexpr int kDiscsPerNight = 16;
constexpr DWORD kReady = 15000;
// The responder looks for a question every 2 s; a disc without one takes
// well under a second.
constexpr DWORD kStall = 20000;

struct Options {
  bool ripUnidentified;
  bool rejectUnidentified;
  bool replaceSongs;
};

class SoakITunes : public SpoolcatE2e {
 protected:
  void SetUp() override {
    SpoolcatE2e::SetUp();
    if (IsSkipped()) return;
    CloseWindowsAtOnce();
    AddManager("");
    AddPlayer(Player::ITunes, "rip_ms = 0\n");
  }

  // One night: a fresh stack in the robot, the program started, the options
  // set, "Ripping", "Job Done", "Exit".
  void RunNight(const DiscStack& stack, const Options& options) {
    install_->Write("robot.ini", stack.RobotIni() + kQuickRobot);
    DeleteFileA(install_->file("robot.state").c_str());
    DeleteFileA(ManagerLog().c_str());
    DeleteFileA(PlayerLog(Player::ITunes).c_str());

    StartSpoolcat();
    ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
    ASSERT_EQ(Text(Control(main_, kFirstPlayerItem)), "iTunes");
    SetOption(kRipUnidentified, options.ripUnidentified);
    SetOption(kRejectUnidentified, options.rejectUnidentified);
    SetOption(kReplaceSongs, options.replaceSongs);

    const DWORD start = GetTickCount();
    Click(main_, kRipping);
    ASSERT_TRUE(WaitForJobDone(kStall)) << Status();
    const DWORD elapsed = GetTickCount() - start;
    std::printf("%d discs in %.1f s: %.2f s per disc\n", stack.size(), elapsed / 1000.0,
                elapsed / 1000.0 / stack.size());
    ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
    ASSERT_TRUE(WaitForManagersToFinish(10000));

    Click(main_, kExit);
    ASSERT_TRUE(spoolcat_.WaitExit(10000)) << "Exit did not end the program";
    ASSERT_TRUE(WaitUntil([] { return CountProcesses("itunes.exe") == 0; }, 10000));
  }

  void ExpectEachDiscAsTheOptionsSay(const DiscStack& stack, const Options& options) {
    auto clicks = DiscEvents(PlayerLog(Player::ITunes), "CLICK");
    auto ripped = DiscEvents(PlayerLog(Player::ITunes), "RIPPED");
    auto loaded = DiscEvents(ManagerLog(), "DISC-IN");
    std::vector<int> output, rejected;
    std::vector<std::string> outs;
    for (int disc = 1; disc <= stack.size(); ++disc) {
      const std::string& trait = stack.traits[disc - 1];
      SCOPED_TRACE("disc " + std::to_string(disc) + " \"" + trait + "\"");
      const bool unidentified = trait == "unidentified";
      std::string button;
      if (unidentified) button = options.ripUnidentified ? "Import" : "Don't Import";
      if (trait == "songs-exist") button = options.replaceSongs ? "Replace" : "Don't Replace";
      if (trait == "list") button = "OK";

      EXPECT_EQ(loaded[disc].size(), 1u) << "loaded";
      if (button.empty()) {
        EXPECT_EQ(clicks[disc].size(), 0u) << "a disc without a question got an answer";
      } else {
        EXPECT_EQ(clicks[disc].size(), 1u) << "answers";
        for (const std::string& line : clicks[disc]) {
          EXPECT_NE(line.find("kind=\"" + trait + "\" button=\"" + button + "\""),
                    std::string::npos)
              << line;
        }
      }
      const bool declined = unidentified && !options.ripUnidentified;
      EXPECT_EQ(ripped[disc].size(), declined ? 0u : 1u) << "ripped";
      const bool toRejects = unidentified && options.rejectUnidentified;
      (toRejects ? rejected : output).push_back(disc);
      outs.push_back(toRejects ? "reject" : "unload");
    }
    std::map<std::string, std::string> robot = RobotState();
    EXPECT_EQ(robot["output_discs"], DiscList(output));
    EXPECT_EQ(robot["rejected_discs"], DiscList(rejected));
    EXPECT_EQ(robot.count("writer.E"), 0u) << "a disc was left in the writer";
    EXPECT_EQ(ManagerCommands(), JobCommands(outs));
  }
};

TEST_F(SoakITunes, TwoNightsOfEveryQuestionAnsweredAndSortedByTheOptions) {
  const unsigned seed = SoakSeed(20261208);
  const std::vector<std::string> kinds{"", "unidentified", "songs-exist", "list"};
  const DiscStack first = RandomStack(seed, kDiscsPerNight, kinds);
  const DiscStack second = RandomStack(seed + 1, kDiscsPerNight, kinds);

  {
    SCOPED_TRACE("first night: skip unidentified discs, reject them, replace songs");
    const Options options{false, true, true};
    RunNight(first, options);
    if (HasFatalFailure()) return;
    ExpectEachDiscAsTheOptionsSay(first, options);
  }
  {
    SCOPED_TRACE("second night: rip unidentified discs, keep them, keep the songs");
    const Options options{true, false, false};
    RunNight(second, options);
    if (HasFatalFailure()) return;
    ExpectEachDiscAsTheOptionsSay(second, options);
  }
}

}  // namespace
}  // namespace e2e
