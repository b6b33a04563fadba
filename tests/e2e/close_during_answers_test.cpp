// Closing the window while the iTunes dialog responder is armed: its thread
// walks every top-level window every 2 s, and a close may come at any moment
// of that pass. The program must still end at once and keep the options.
#include <atomic>
#include <cstdio>
#include <thread>

#include "fixture.h"

namespace e2e {
namespace {

constexpr DWORD kReady = 15000;
constexpr DWORD kStep = 15000;
constexpr DWORD kPass = 2000;
constexpr DWORD kPromptExit = 3000;
const std::string kSettings = "SOFTWARE\\Venmora\\Spoolcat";

// A window of iTunes' dialog class that the responder must look through and
// leave alone (it has no visible button). Under Wine each of its controls
// costs the responder a few hundred microseconds, so with 1500 of them a pass
// takes about 0.1 to 0.5 s of its 2 s cycle (measured on these machines), and
// a few of the twenty closes land in the middle of one. Its own thread
// answers messages, as the volume broadcasts reach it too.
class BusyDecoyDialog {
 public:
  explicit BusyDecoyDialog(int controls) : thread_([this, controls] { Run(controls); }) {
    WaitUntil([this] { return threadId_ != 0; }, 10000);
  }
  ~BusyDecoyDialog() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }

 private:
  void Run(int controls) {
    WNDCLASSA dialogClass{};
    dialogClass.lpfnWndProc = DefWindowProcA;
    dialogClass.hInstance = GetModuleHandleA(nullptr);
    dialogClass.lpszClassName = "iTunesCustomModalDialog";
    RegisterClassA(&dialogClass);
    HWND dialog = CreateWindowExA(0, dialogClass.lpszClassName, "decoy", WS_POPUP, 0, 0, 300, 200,
                                  nullptr, nullptr, dialogClass.hInstance, nullptr);
    for (int i = 0; i < controls; ++i) {
      CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, dialog, nullptr,
                      dialogClass.hInstance, nullptr);
    }
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, for WM_QUIT
    threadId_ = GetCurrentThreadId();
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    DestroyWindow(dialog);
  }

  std::atomic<DWORD> threadId_{0};
  std::thread thread_;
};

class CloseWhileAnswering : public SpoolcatE2e {
 protected:
  void SetUp() override {
    SpoolcatE2e::SetUp();
    if (IsSkipped()) return;
    // Otherwise Wine alone takes about 4 s to close the player and the window.
    CloseWindowsAtOnce();
    AddManager("discs = 1\n");
    // A disc without questions that takes longer than any round to rip, so
    // the responder stays armed and keeps walking.
    AddPlayer(Player::ITunes, "rip_ms = 600000\n");
  }

  // One fresh start of the program, an iTunes job on a disc that asks
  // nothing, and "Exit" `delayMs` after the load notice armed the responder.
  void CloseRound(DWORD delayMs) {
    SCOPED_TRACE("Exit " + std::to_string(delayMs) + " ms after the load notice");
    spoolcat_.Kill();
    KillAll("itunes.exe");
    // The last round's load may still be at work; it must not save the robot
    // after the reset below.
    WaitForManagersToFinish(10000);
    KillAll("ketmgr.exe");
    DeleteFileA(install_->file("robot.state").c_str());
    DeleteFileA(ManagerLog().c_str());
    EmptyFolder("E:");
    Reg::DeleteTree(HKEY_CURRENT_USER, kSettings);

    StartSpoolcat();
    ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
    ASSERT_EQ(Text(Control(main_, kFirstPlayerItem)), "iTunes");
    Click(main_, kReplaceSongs);
    ASSERT_TRUE(WaitUntil([&] { return !Checked(main_, kReplaceSongs); }, 5000));
    Click(main_, kRipping);
    ASSERT_TRUE(
        WaitForLine(ManagerLog(), "action=\"load\" result=\"OK\" detail=\"\" delivered", kStep));
    ASSERT_TRUE(WaitUntil([&] { return Enabled(main_, kExit); }, 5000));

    Sleep(delayMs);
    DWORD start = GetTickCount();
    Click(main_, kExit);
    bool ended = spoolcat_.WaitExit(kPromptExit);
    std::printf("Exit %4lu ms after the load notice: %s after %lu ms\n", delayMs,
                ended ? "ended" : "still running", GetTickCount() - start);
    EXPECT_TRUE(ended) << "still running " << kPromptExit << " ms after Exit";
    EXPECT_EQ(Reg::Dword(HKEY_CURRENT_USER, kSettings, "Replace existing songs"), 0u);
  }
};

TEST_F(CloseWhileAnswering, EndsPromptlyAndSavesTheOptionsAtAnyMomentOfThePass) {
  BusyDecoyDialog decoy(1500);
  for (DWORD delay = 0; delay < kPass; delay += 100) {
    CloseRound(delay);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace e2e
