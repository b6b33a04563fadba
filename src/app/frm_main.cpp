// Start-up in its two stages, the closing rule and shutdown.
#include "app/frm_main.h"

#include "app/command_line.h"
#include "app/version.h"
#include "job/status_text.h"

namespace sc {

namespace {

const Font kFormFont;

// What Windows shows beside the program while it refuses to let the session
// end: the close rule refuses exactly while a command awaits its answer (the
// first "Check" included, before the robot software has answered at all), and
// while the "Occupied" message waits for its OK.
constexpr const char* kRobotReason = "Spoolcat waits for the disc robot to answer a command.";
constexpr const char* kMessageReason = "A Spoolcat message waits for you to click OK.";

// How a windowed control starts in the form design.
enum class Starts { Normal, Disabled, Hidden };

void Design(Control& control, int tabOrder, Starts starts) {
  control.setEnabled(starts != Starts::Disabled);
  control.setVisible(starts != Starts::Hidden);
  control.setTabOrder(tabOrder);
}

}  // namespace

TfrmMain::TfrmMain(const Platform& platform, UiBackend& ui, Application& application,
                   DialogWatcherContext& watcher)
    : lblVersion("lblVersion", "Version " SPOOLCAT_VERSION_TEXT, {8, 160, 0, 15}, kFormFont,
                 ui.measurer()),
      lblCompany("lblCompany", "Venmora Inc.", {200, 160, 0, 15}, kFormFont, ui.measurer()),
      lblStatus("lblStatus", "Status", {14, 100, 0, 15}, kFormFont, ui.measurer()),
      Image1("Image1", "", {8, 98, 276, 17}),
      btnWMP("btnWMP", "Ripping", {8, 125, 75, 25}),
      cbxWriters("cbxWriters", "", {100, 0, 145, 21}),
      Memo1("Memo1", "", {100, 30, 145, 40}),
      btnExit("btnExit", "Exit", {209, 125, 75, 25}),
      btnHelp("btnHelp", "Help", {108, 125, 75, 25}),
      RadioGroup1("RadioGroup1", "", {8, 2, 276, 89}),
      ckxRippingNoneCDB("ckxRippingNoneCDB", "Always rip unidentified CD", {8, 0, 276, 17}),
      ckxAlternateOutputt("ckxAlternateOutputt", "Unload unidentified CD to reject bin",
                          {8, 0, 276, 17}),
      ckxReplaceExitFile("ckxReplaceExitFile", "Replace existing songs", {8, 0, 276, 17}),
      tmrInit("tmrInit", 100, ui.timers()),
      tmrMessaging("tmrMessaging", 10, ui.timers()),
      tmrStatus("tmrStatus", 1000, ui.timers()),
      tmrUnload("tmrUnload", 20, ui.timers()),
      tmrWait("tmrWait", 0, ui.timers()),
      tmrNotifyAwake("tmrNotifyAwake", 0, ui.timers()),
      platform_(platform),
      ui_(ui),
      application_(application),
      watcher_(watcher),
      watch_(watcher.watch) {
  // The form design: what the toolkit builds before the constructor body.
  lblCompany.setOwnFont(kFormFont.asLink());
  lblStatus.setOwnFont(kFormFont.bolded());
  lblStatus.setHighlightBackground(true);
  lblStatus.setBackdrop(Image1);
  Design(btnWMP, 0, Starts::Disabled);
  Design(cbxWriters, 1, Starts::Hidden);
  Design(Memo1, 2, Starts::Hidden);
  Design(btnExit, 3, Starts::Disabled);
  Design(btnHelp, 4, Starts::Hidden);
  Design(RadioGroup1, 5, Starts::Normal);
  Design(ckxRippingNoneCDB, 6, Starts::Normal);
  Design(ckxAlternateOutputt, 7, Starts::Normal);
  Design(ckxReplaceExitFile, 8, Starts::Normal);
  for (Control* control : std::initializer_list<Control*>{
           &lblVersion, &lblCompany, &lblStatus, &Image1, &btnWMP, &cbxWriters, &Memo1, &btnExit,
           &btnHelp, &RadioGroup1, &ckxRippingNoneCDB, &ckxAlternateOutputt, &ckxReplaceExitFile})
    addControl(*control);
  for (Timer* timer : {&tmrInit, &tmrMessaging, &tmrStatus, &tmrUnload, &tmrWait, &tmrNotifyAwake})
    addTimer(*timer);

  btnWMP.onClick = [this] { btnWMPClick(); };
  btnExit.onClick = [this] { btnExitClick(); };
  btnHelp.onClick = [this] { btnHelpClick(); };
  lblCompany.onClick = [this] { lblCompanyClick(); };
  lblCompany.onMouseMove = [this] { lblCompanyMouseMove(); };
  RadioGroup1.onClick = [this] { RadioGroup1Click(); };
  ckxRippingNoneCDB.onClick = [this] { ckxRippingNoneCDBClick(); };
  ckxAlternateOutputt.onClick = [this] { ckxAlternateOutputtClick(); };
  ckxReplaceExitFile.onClick = [this] { ckxReplaceExitFileClick(); };
  tmrInit.onTimer = [this] { tmrInitTimer(); };
  tmrMessaging.onTimer = [this] { tmrMessagingTimer(); };
  tmrStatus.onTimer = [this] { tmrStatusTimer(); };
  tmrUnload.onTimer = [this] { tmrUnloadTimer(); };
  tmrWait.onTimer = [this] { tmrWaitTimer(); };
  tmrNotifyAwake.onTimer = [this] { tmrNotifyAwakeTimer(); };

  // Start-up, first stage.
  ChooseRegistryRoot();
  setCaption(kMainCaption);
  watch_.WatchActive = false;
  watcherThread_ = platform_.threads.create(&DialogWatcher, &watcher_);
  application_.title = kApplicationTitle;
  StartedBare = IsStartedBare(platform_.system.commandLine());
  LocateManager();
  LoadSettings();
  DiscoverPlayers();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate() {
  const bool checkSent = RunManagerCommand(CommandPairs(JobCommand::Check, caption(), ""));
  watch_.MainWindow = handle();
  ckxRippingNoneCDB.setChecked(ImportUnknownCd != 0);
  ckxAlternateOutputt.setChecked(UnloadUnknownToAlternate != 0);
  ckxReplaceExitFile.setChecked(ReplaceExistingSongs != 0);
  Memo1.clear();
  cbxWriters.clear();
  LayOutForm();
  // Without the manager's answer nothing would ever enable "Exit". With it
  // out, the window waits for the robot software's word from now.
  if (!checkSent)
    HandleJobEvent(NotStarted(JobCommand::Check));
  else
    WatchWait();
  // A notify command setting that was ignored says so from the start.
  if (!notifyLine_.empty()) ShowFigures();
}

void TfrmMain::FormCloseQuery(bool& canClose) { canClose = btnExit.enabled(); }

void TfrmMain::btnExitClick() { close(); }

void TfrmMain::FormClose() {
  StopDialogWatcher();
  // StartedBare is known here, but the player is closed however the
  // program was started.
  ClosePlayer();
  SaveSettings();
  if (KeepsAwake(job_.progress) || notifyHoldsAwake_) platform_.session.keepAwake(false);
}

void TfrmMain::OnQueryEndSession(bool& canEnd, WindowHandle asked) {
  FormCloseQuery(canEnd);
  if (!canEnd) GiveShutdownReason(asked);
}

// Given once a window until the answer comes, and again when what waits has
// changed; where Windows has no reasons (XP) the call fails, and there is
// nothing to withdraw but nothing is harmed.
void TfrmMain::GiveShutdownReason(WindowHandle asked) {
  const char* text = occupiedBoxOpen_ ? kMessageReason : kRobotReason;
  GivenReason* slot = nullptr;
  for (GivenReason& given : givenReasons_) {
    if (given.window == asked) {
      slot = &given;
      break;
    }
    if (given.window == 0 && slot == nullptr) slot = &given;
  }
  // Only the program's two windows ask; any other is no window of ours.
  if (slot == nullptr || slot->text == text) return;
  platform_.session.giveShutdownReason(asked, text);
  *slot = {asked, text};
}

// Windows ends the program after this without a close: the choices are saved
// as the close saves them. The player is not waited for; Windows closes it too.
void TfrmMain::OnEndSession(bool ending) {
  if (!ending || sessionEnded_) return;
  sessionEnded_ = true;
  StopDialogWatcher();
  SaveSettings();
}

// The answer came, so a new query will be granted: Windows must no longer show
// the reason.
void TfrmMain::WithdrawShutdownReason() {
  if (!btnExit.enabled()) return;
  for (GivenReason& given : givenReasons_) {
    if (given.window == 0) continue;
    platform_.session.withdrawShutdownReason(given.window);
    given = {};
  }
}

void TfrmMain::StopDialogWatcher() {
  std::uint32_t code = 0;
  if (platform_.threads.exitCode(watcherThread_, &code))
    platform_.threads.terminate(watcherThread_, code);
}

void TfrmMain::ShowState(int code) {
  DotCount = 0;
  StatusCode = code;
  lblStatus.setText(StatusText(code));
}

}  // namespace sc
