// The main window: its controls, timers and the state of the job. Handlers
// keep the names the form design binds; each reads like the steps it takes,
// asks the small functions in settings/, robot/, job/, player/ and
// ui/main_window/ what to do, and does it. This class is the one place that
// touches the controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/application.h"
#include "job/job_machine.h"
#include "platform/platform.h"
#include "player/dialog_watcher.h"
#include "player/player_discovery.h"
#include "player/watch_block.h"
#include "robot/manager_command.h"
#include "robot/manager_notice.h"
#include "settings/settings_store.h"
#include "ui/main_window/form_layout.h"
#include "ui/widgets/button.h"
#include "ui/widgets/form.h"
#include "ui/widgets/label.h"
#include "ui/widgets/lists.h"
#include "ui/widgets/timer.h"
#include "ui/widgets/ui_backend.h"
#include "util/fixed_text.h"

namespace sc {

constexpr const char* kMainCaption = "Spoolcat:";

class TfrmMain : public Form {
 public:
  // `watcher` is what the responder thread reaches; it must outlive that
  // thread, which is stopped from outside and may never be.
  TfrmMain(const Platform& platform, UiBackend& ui, Application& application,
           DialogWatcherContext& watcher);
  ~TfrmMain() override;

  // The form design, in creation order.
  Label lblVersion;
  Label lblCompany;
  Label lblStatus;
  Image Image1;
  Button btnWMP;
  ComboBox cbxWriters;
  Memo Memo1;
  Button btnExit;
  Button btnHelp;
  RadioGroup RadioGroup1;
  CheckBox ckxRippingNoneCDB;
  CheckBox ckxAlternateOutputt;
  CheckBox ckxReplaceExitFile;
  Timer tmrInit;
  Timer tmrMessaging;
  Timer tmrStatus;
  Timer tmrUnload;
  // Times the wait the job is in; its interval is the wait's limit.
  Timer tmrWait;
  // Keeps the PC awake a while after a notify command started, so that what
  // it sends goes out before the PC sleeps.
  Timer tmrNotifyAwake;

  // --- Start-up and shutdown (frm_main.cpp) ---
  void FormCreate() override;
  void FormCloseQuery(bool& canClose) override;
  void FormClose() override;
  void btnExitClick();
  // The end of the Windows session: refused by the close rule, with the
  // reason given to Windows for each window it asked; when it comes, the
  // choices are saved.
  void OnQueryEndSession(bool& canEnd, WindowHandle asked) override;
  void OnEndSession(bool ending) override;

  // --- Settings (frm_main_settings.cpp) ---
  void ckxRippingNoneCDBClick();
  void ckxAlternateOutputtClick();
  void ckxReplaceExitFileClick();

  // --- The manager link: commands, notices, the robot's report
  //     (frm_main_manager.cpp) ---
  void OnCopyData(const std::uint8_t* data, std::uint32_t size) override;
  void tmrMessagingTimer();
  void tmrInitTimer();

  // --- The job (frm_main_job.cpp) ---
  void btnWMPClick();
  void tmrUnloadTimer();
  void OnWake() override;

  // --- The taskbar button (frm_main_taskbar.cpp) ---
  void OnTaskbarButtonCreated() override;
  void tmrWaitTimer();

  // --- The user's notify command (frm_main_notify.cpp) ---
  void tmrNotifyAwakeTimer();

  // --- Disc arrival and removal (frm_main_discs.cpp) ---
  void OnDeviceChange(std::uint32_t event, const DeviceBroadcast* header) override;

  // --- Layout (frm_main_layout.cpp) ---
  void RadioGroup1Click();

  // --- Status line and window details (frm_main_details.cpp) ---
  void tmrStatusTimer();
  void btnHelpClick();
  void lblCompanyClick();
  void lblCompanyMouseMove();
  void FormMouseMove() override;
  void FormPaint() override;

  // The job: its phase, writer and status, decided by the job machine.
  const JobState& Job() const { return job_; }
  bool Halted() const { return job_.halted; }

  // State, readable by tests.
  RegRoot RegistryRoot = RegRoot::LocalMachine;
  FixedText<260> ManagerPath{};
  FixedText<256> SavedPlayerName{};
  FixedText<260> WmpPath{};
  FixedText<260> ITunesCommand{};
  FixedText<260> HelpPath{};
  std::int32_t ImportUnknownCd = 0;
  std::int32_t UnloadUnknownToAlternate = 0;
  std::int32_t ReplaceExistingSongs = 0;
  // The status code shown, as the job machine last set it; the animation
  // reads it.
  std::int32_t StatusCode = 0;
  std::int32_t DotCount = 0;
  bool PlayerIsITunes = false;
  bool StartedBare = false;
  bool PaintToggle = false;
  ManagerNotice Notice{};

 private:
  // Start-up and shutdown.
  void StopDialogWatcher();
  void ShowState(int code);
  void GiveShutdownReason(WindowHandle asked);
  void WithdrawShutdownReason();

  // Settings.
  void ChooseRegistryRoot();
  void LoadSettings();
  void SaveSettings();

  // The manager link.
  void LocateManager();
  // False when the manager could not be started (no path, or the shell
  // refused): no notice will come.
  bool RunManagerCommand(const std::vector<CommandPair>& pairs);

  // The job: each event goes to the job machine, and what it decides is done
  // here, in order.
  void HandleJobEvent(const JobEvent& event);
  JobObservation Observe() const;
  void ApplyJobEffect(const JobEffect& effect);
  void EnableControl(JobControl control, bool on);
  void SetOptionsEnabled(bool enabled);
  void SendJobCommand(JobCommand command);
  void LoadWriter();
  void UnloadWriter(JobCommand action);
  void ProcessAutoladerMessage();
  void ShowOccupiedBox();

  // The taskbar button.
  void ShowProgress();
  void ShowFigures();
  void AskForUser();
  void ShowRefusal();
  void WatchWait();
  // The tooltip's text: the job's, and what became of the notify command.
  std::string TooltipText() const;

  // The notify command.
  void TakeNotifyCommand(const NotifyCommandSetting& setting);
  void Notify(JobNotice notice, bool inJob);
  void KeepAwake(bool on);

  // Players.
  void DiscoverPlayers();
  void StartPlayer(Player player);
  void ClosePlayer();

  // Layout.
  void LayOutForm();
  void ArrangeForPlayer();
  void ApplyLayout(const MainWindowLayout& layout, OptionRows options);

  // Window details.
  void ApplyHelpRule();

  Platform platform_;  // references to the backends, copied
  UiBackend& ui_;
  Application& application_;
  DialogWatcherContext& watcher_;
  WatchBlock& watch_;  // watcher_.watch
  ThreadHandle watcherThread_ = 0;
  // Taken once the window has its run-time size; the layout is a function of
  // them and of the chosen player.
  std::optional<LayoutMeasures> measures_;
  JobState job_;
  // When the current or last job started, as Windows writes the time (empty
  // when it could not), and whether one did.
  FixedText<64> jobStartedAt_{};
  bool jobStarted_ = false;
  // When the robot refused the last job, and whether it did.
  FixedText<64> refusedAt_{};
  bool refused_ = false;
  // The limits of the waits, read at start, and the clock time the current
  // wait began.
  WaitLimits waitLimits_{};
  FixedText<64> waitSince_{};
  // The notify command, expanded, "" when none runs; the tooltip's line on
  // it (a setting ignored, a command that could not be started), "" when
  // there is nothing to say; and whether a command that started keeps the PC
  // awake for a while.
  std::string notifyCommand_;
  std::string notifyLine_;
  bool notifyHoldsAwake_ = false;
  bool occupiedBoxOpen_ = false;
  // The reason each window that refused the end of the session gave Windows
  // (where it cannot, the call failed), not yet withdrawn: the main window
  // and the application's window are both asked.
  struct GivenReason {
    WindowHandle window = 0;
    const char* text = nullptr;
  };
  std::array<GivenReason, 2> givenReasons_{};
  bool sessionEnded_ = false;
};

}  // namespace sc
