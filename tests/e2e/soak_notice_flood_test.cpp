// A flood of WM_COPYDATA from other programs in the middle of a night's job:
// a hundred thousand payloads of every shape, sent while the job waits with
// no command out, for a person to answer iTunes' second question about a
// disc. The window must keep answering, act on none of them as if it were the
// manager's answer, finish the job once the person has answered, and save
// exactly the settings the user chose.
#include <algorithm>
#include <cstdio>

#include "fixture.h"
#include "manager_commands.h"
#include "notice_flood.h"
#include "soak_stack.h"

namespace e2e {
namespace {

constexpr int kPayloads = 100000;
constexpr int kCheckEvery = 1000;
constexpr DWORD kReady = 15000;
constexpr DWORD kStep = 15000;
constexpr DWORD kStall = 20000;
// A send or a read of the status line not taken within this long counts as
// a window that does not answer.
constexpr DWORD kAnswer = 1000;
const std::string kSettings = "SOFTWARE\\Venmora\\Spoolcat";

struct FloodFigures {
  int unanswered = 0;
  DWORD longestSendMs = 0;
  DWORD elapsedMs = 0;
};

bool SendPayload(HWND window, const std::vector<char>& payload, ULONG_PTR dwData) {
  COPYDATASTRUCT data{};
  data.dwData = dwData;
  data.cbData = static_cast<DWORD>(payload.size());
  data.lpData = payload.empty() ? nullptr : const_cast<char*>(payload.data());
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, kAnswer, &result) != 0;
}

bool StatusLineAnswers(HWND statusLine) {
  char text[128];
  DWORD_PTR copied = 0;
  return SendMessageTimeoutA(statusLine, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kAnswer, &copied) != 0;
}

// The iTunes question still open, answered as a person would: its button.
bool AnswerQuestion(const std::string& button) {
  HWND dialog = FindWindowA("iTunesCustomModalDialog", nullptr);
  if (!dialog) return false;
  for (HWND child : Children(dialog)) {
    if (ClassName(child) == "Button" && Text(child) == button) {
      return PostMessageA(child, BM_CLICK, 0, 0) != 0;
    }
  }
  return false;
}

class SoakNoticeFlood : public SpoolcatE2e {
 protected:
  FloodFigures Flood(unsigned seed) {
    NoticeFlood flood(seed);
    HWND statusLine = Control(main_, kStatus);
    FloodFigures figures;
    const DWORD start = GetTickCount();
    for (int i = 1; i <= kPayloads; ++i) {
      const DWORD sent = GetTickCount();
      if (!SendPayload(main_, flood.Next(), i)) ++figures.unanswered;
      figures.longestSendMs = std::max(figures.longestSendMs, GetTickCount() - sent);
      if (i % kCheckEvery == 0) {
        EXPECT_TRUE(spoolcat_.Running()) << "the program died after " << i << " payloads";
        if (!spoolcat_.Running()) break;
        EXPECT_TRUE(StatusLineAnswers(statusLine)) << "after " << i << " payloads";
      }
    }
    figures.elapsedMs = GetTickCount() - start;
    std::printf(
        "%d payloads in %.1f s (%.0f a second), %d of them well-formed notices the program "
        "knows; %d sends not answered within %lu ms, the longest took %lu ms\n",
        kPayloads, figures.elapsedMs / 1000.0, kPayloads * 1000.0 / figures.elapsedMs,
        flood.knownActions(), figures.unanswered, kAnswer, figures.longestSendMs);
    return figures;
  }
};

TEST_F(SoakNoticeFlood, HundredThousandPayloadsMidJobChangeNothingButTheStatusLine) {
  // The disc asks two questions: the responder answers the first, the second
  // waits for a person, with no command out.
  AddManager(std::string("discs = 1\ndisc.1 = songs-exist list\n") + kQuickRobot);
  AddPlayer(Player::MediaPlayer, "");
  AddPlayer(Player::ITunes, "rip_ms = 0\n");
  CloseWindowsAtOnce();
  StartSpoolcat();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  // The user's choice: iTunes, skip unidentified discs and reject them, keep
  // the songs already in the library.
  ASSERT_EQ(Text(Control(main_, kFirstPlayerItem + 1)), "iTunes");
  Click(main_, kFirstPlayerItem + 1);
  ASSERT_TRUE(WaitUntil([&] { return Visible(main_, kRipUnidentified); }, 5000));
  SetOption(kRipUnidentified, false);
  SetOption(kRejectUnidentified, true);
  SetOption(kReplaceSongs, false);

  Click(main_, kRipping);
  const std::string iTunes = PlayerLog(Player::ITunes);
  ASSERT_TRUE(WaitForLine(iTunes, "] CLICK kind=\"songs-exist\" button=\"Don't Replace\"", kStep))
      << Status();
  ASSERT_TRUE(WaitForLine(iTunes, "] DIALOG kind=\"list\"", kStep));

  const FloodFigures figures = Flood(SoakSeed(20261209));
  ASSERT_TRUE(spoolcat_.Running());
  EXPECT_EQ(figures.unanswered, 0);
  // No payload counted as the manager's answer to anything: no command went
  // out, and none re-armed the responder for the open question.
  Sleep(2500);  // a responder pass
  EXPECT_EQ(ManagerCommands(), (std::vector<std::string>{kCheck, kLoad}));
  EXPECT_EQ(CountLines(iTunes, "] CLICK "), 1);
  EXPECT_FALSE(Enabled(main_, kRipping));

  // The person answers; the disc is ripped and the job ends as without the flood.
  ASSERT_TRUE(AnswerQuestion("OK")) << "the list question is no longer open";
  ASSERT_TRUE(WaitForJobDone(kStall)) << Status();
  ASSERT_TRUE(WaitForLine(ManagerLog(), "--action Release", 5000));
  ASSERT_TRUE(WaitForManagersToFinish(10000));
  EXPECT_EQ(ManagerCommands(), JobCommands({"unload"}));
  EXPECT_EQ(CountLines(iTunes, "] RIPPED "), 1);
  EXPECT_EQ(RobotState()["output_discs"], "1");

  Click(main_, kExit);
  ASSERT_TRUE(spoolcat_.WaitExit(10000)) << "Exit did not end the program";
  EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, kSettings, "Ripping Application"), "iTunes");
  EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Import unknown CD anyway"), 0u);
  EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Unload unknown CD to alternate output"), 1u);
  EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Replace existing songs"), 0u);
  EXPECT_EQ(Reg::String(HKEY_CURRENT_USER, kSettings, ""), install_->file("spoolcat.exe"));
}

}  // namespace
}  // namespace e2e
