// The main window: its controls, timers and the state of the job. Handlers
// keep the names the form design binds; each reads like the steps it takes
// and calls the small pieces in settings/, robot/, job/ and player/.
#pragma once

#include <cstdint>
#include <string>

#include "app/application.h"
#include "platform/platform.h"
#include "player/dialog_watcher.h"
#include "player/watch_block.h"
#include "robot/manager_command.h"
#include "robot/manager_notice.h"
#include "ui/widgets/button.h"
#include "ui/widgets/form.h"
#include "ui/widgets/label.h"
#include "ui/widgets/lists.h"
#include "ui/widgets/timer.h"
#include "util/fixed_text.h"

namespace sc {

constexpr const char* kMainCaption = "Spoolcat:";

class TfrmMain : public Form {
 public:
  TfrmMain(const Platform& platform, UiBackend& ui, Application& application, WatchBlock& watch);
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

  // Start-up and shutdown.
  void FormCreate() override;
  void FormCloseQuery(bool& canClose) override;
  void FormClose() override;
  void btnExitClick();

  // Messages the window handles itself.
  void OnCopyData(const std::uint8_t* data, std::uint32_t size) override;
  void OnDeviceChange(std::uint32_t event, const DeviceBroadcast* header) override;

  // Settings.
  void ckxRippingNoneCDBClick();
  void ckxAlternateOutputtClick();
  void ckxReplaceExitFileClick();

  // The job.
  void btnWMPClick();
  void tmrInitTimer();
  void tmrMessagingTimer();
  void tmrUnloadTimer();
  void tmrStatusTimer();
  void RadioGroup1Click();

  // Window details.
  void btnHelpClick();
  void lblCompanyClick();
  void lblCompanyMouseMove();
  void FormMouseMove() override;
  void FormPaint() override;

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
  std::int32_t StatusCode = 0;
  std::int32_t DotCount = 0;
  bool UnloadPending = false;
  bool Halted = false;
  bool PlayerIsITunes = false;
  bool StartedBare = false;
  bool PaintToggle = false;
  ManagerNotice Notice{};

 private:
  void ChooseRegistryRoot();
  void LocateManager();
  void LoadSettings();
  void SaveSettings();
  void DiscoverPlayers();
  void StartPlayer(bool iTunes);
  void ClosePlayer();
  void RunManagerCommand(const std::vector<CommandPair>& pairs);
  void SetOptionsEnabled(bool enabled);
  void LoadWriter();
  void UnloadWriter();
  void ProcessAutoladerMessage();
  void ShowState(int code);
  void StopDialogWatcher();
  // The responder declines a disc on its own thread; the timer, and with it
  // the unload, must start on the window thread.
  void StartUnloadTimerFromAnyThread();
  void ApplyHelpRule();
  void LayOutForm();
  void ArrangeForPlayer();

  Platform platform_;  // references to the backends, copied
  UiBackend& ui_;
  Application& application_;
  WatchBlock& watch_;
  ResponderOptions responderOptions_;
  DialogWatcherContext watcherContext_;
  ThreadHandle watcherThread_ = 0;
};

}  // namespace sc
