#include "player_window.h"

#include <dbt.h>

#include "files.h"
#include "log_line.h"
#include "volume_broadcast.h"

namespace sc::tools {
namespace {

constexpr UINT_PTR kRipTimer = 1;
constexpr char kQuitQuestion[] = "Stop ripping and quit?";

std::string Drive(char letter) { return std::string(1, letter) + ":"; }

bool IsCdDrive(char letter) {
  char root[] = {letter, ':', '\\', '\0'};
  return GetDriveTypeA(root) == DRIVE_CDROM;
}

std::string Labels(const DialogPlan& plan) {
  std::string text;
  for (const auto& button : plan.buttons) text += (text.empty() ? "" : "|") + button.label;
  return text;
}

}  // namespace

bool PlayerWindow::Create(HINSTANCE instance, int show) {
  instance_ = instance;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = Trampoline;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = identity_.class_name;
  if (!RegisterClassA(&wc)) return false;
  window_ = CreateWindowExA(0, identity_.class_name, identity_.title, WS_OVERLAPPEDWINDOW, 40, 40,
                            460, 160, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  status_ = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 16, 16, 420, 60, window_,
                            nullptr, instance, nullptr);
  log_.Write("START " + Quoted("title", identity_.title) +
             " rip_ms=" + std::to_string(config_.rip_ms) +
             " after_decline=" + (config_.after_decline == AfterDecline::Eject ? "eject" : "stay"));
  ShowWindow(window_, show);
  UpdateWindow(window_);
  ShowStatus("No disc");
  if (config_.scan_at_start) ScanDrives();
  return true;
}

LRESULT CALLBACK PlayerWindow::Trampoline(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    reinterpret_cast<PlayerWindow*>(create->lpCreateParams)->window_ = window;
  }
  auto* self = reinterpret_cast<PlayerWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT PlayerWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DEVICECHANGE:
      OnDeviceChange(wparam, lparam);
      return TRUE;
    case WM_TIMER:
      if (wparam == kRipTimer) OnRipDone();
      return 0;
    case kAnswerMessage:
      OnAnswer(static_cast<int>(wparam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window_, message, wparam, lparam);
}

void PlayerWindow::OnClose() {
  log_.Write("CLOSE " + Quoted("title", identity_.title));
  if (config_.on_close == OnClose::Hang) {
    // Stuck inside the handler: the sender waits in vain, and after 5 s the
    // system takes this thread for hung.
    log_.Write("HANG");
    Sleep(INFINITE);
  }
  if (config_.on_close == OnClose::Ask) {
    // A modal loop of its own: the thread keeps reading messages, so it does
    // not look hung, yet the WM_CLOSE is not answered until someone clicks.
    log_.Write("ASK " + Quoted("question", kQuitQuestion));
    const bool yes =
        MessageBoxA(window_, kQuitQuestion, identity_.title, MB_YESNO | MB_ICONQUESTION) == IDYES;
    log_.Write(std::string("ANSWER button=") + (yes ? "Yes" : "No"));
    if (!yes) return;
  }
  dialog_.reset();
  DestroyWindow(window_);
}

void PlayerWindow::OnDeviceChange(WPARAM event, LPARAM lparam) {
  auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lparam);
  if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return;
  if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_VOLUME) return;
  DWORD mask = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(lparam)->dbcv_unitmask;
  char letter = 0;
  for (int bit = 0; bit < 26 && letter == 0; ++bit) {
    if (mask & (1u << bit)) letter = static_cast<char>('A' + bit);
  }
  if (letter == 0) return;

  if (event == DBT_DEVICEREMOVECOMPLETE) {
    // The robot pulled a disc this player was still busy with.
    if (letter == drive_ && phase_ != Phase::Idle) {
      log_.Write("REMOVAL drive=" + Drive(letter) + " " + DiscFields() + " abandoned");
      Forget();
    }
    return;
  }
  if (!IsCdDrive(letter)) {
    log_.Write("ARRIVAL drive=" + Drive(letter) + " ignored=\"not a CD drive\"");
  } else if (phase_ != Phase::Idle) {
    log_.Write("ARRIVAL drive=" + Drive(letter) + " ignored=\"busy\"");
  } else {
    TakeDisc(letter, "broadcast");
  }
}

void PlayerWindow::ScanDrives() {
  DWORD drives = GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    char letter = static_cast<char>('A' + bit);
    if ((drives & (1u << bit)) && IsCdDrive(letter) && FileExists(MarkerPath(letter))) {
      TakeDisc(letter, "start");
      return;
    }
  }
}

void PlayerWindow::TakeDisc(char drive, const char* source) {
  drive_ = drive;
  disc_ = ParseDiscMarker(ReadTextFile(MarkerPath(drive)));
  log_.Write("ARRIVAL drive=" + Drive(drive) + " " + DiscFields() + " source=" + source);
  questions_.clear();
  if (identity_.kind == PlayerKind::ITunes) questions_ = DialogsFor(disc_);
  next_question_ = 0;
  AskOrRip();
}

void PlayerWindow::AskOrRip() {
  if (next_question_ < questions_.size()) {
    const DialogPlan& plan = questions_[next_question_];
    phase_ = Phase::Asking;
    dialog_ = std::make_unique<DialogWindow>(plan, config_);
    bool shown = dialog_->Show(instance_, window_);
    log_.Write("DIALOG " + Quoted("kind", plan.kind) + " " + Quoted("buttons", Labels(plan)) +
               " list=" + (plan.list_items.empty() ? "0" : "1") + " " + DiscFields() +
               (shown ? "" : " failed"));
    ShowStatus("Question about disc " + std::to_string(disc_.disc));
    return;
  }
  phase_ = Phase::Ripping;
  log_.Write("RIP drive=" + Drive(drive_) + " " + DiscFields() +
             " ms=" + std::to_string(config_.rip_ms));
  ShowStatus("Ripping disc " + std::to_string(disc_.disc) + " in " + Drive(drive_));
  SetTimer(window_, kRipTimer, static_cast<UINT>(config_.rip_ms), nullptr);
}

void PlayerWindow::OnAnswer(int button) {
  if (phase_ != Phase::Asking || !dialog_ || next_question_ >= questions_.size()) return;
  const DialogPlan& plan = questions_[next_question_];
  if (button < 0 || button >= static_cast<int>(plan.buttons.size())) return;
  const DialogButton& chosen = plan.buttons[button];
  AfterClick next = WhatFollows(chosen.effect, config_.after_decline);
  std::string choice = dialog_->Choice();
  dialog_.reset();
  const char* then = next == AfterClick::NextOrRip ? "go-on"
                     : next == AfterClick::Eject   ? "eject"
                                                   : "hold";
  log_.Write("CLICK " + Quoted("kind", plan.kind) + " " + Quoted("button", chosen.label) +
             " index=" + std::to_string(button) +
             (choice.empty() ? "" : " " + Quoted("choice", choice)) + " " + DiscFields() +
             " then=" + then);
  ++next_question_;
  if (next == AfterClick::NextOrRip) {
    AskOrRip();
  } else if (next == AfterClick::Eject) {
    Eject();
  } else {
    phase_ = Phase::Holding;
    log_.Write("HOLD drive=" + Drive(drive_) + " " + DiscFields());
    ShowStatus("Disc " + std::to_string(disc_.disc) + " not imported");
  }
}

void PlayerWindow::OnRipDone() {
  KillTimer(window_, kRipTimer);
  if (phase_ != Phase::Ripping) return;
  log_.Write("RIPPED drive=" + Drive(drive_) + " " + DiscFields());
  Eject();
}

void PlayerWindow::Eject() {
  char drive = drive_;
  std::string fields = DiscFields();
  bool removed = DeleteFileIfThere(MarkerPath(drive));
  Forget();
  ShowStatus("No disc");
  // The drive stays a CD drive; only its volume goes.
  int windows = SendVolumeChange(DBT_DEVICEREMOVECOMPLETE, drive);
  log_.Write("EJECT drive=" + Drive(drive) + " " + fields + (removed ? "" : " no-marker") +
             " windows=" + std::to_string(windows));
}

void PlayerWindow::Forget() {
  KillTimer(window_, kRipTimer);
  dialog_.reset();
  phase_ = Phase::Idle;
  drive_ = 0;
  disc_ = DiscMarker{};
  questions_.clear();
  next_question_ = 0;
}

void PlayerWindow::ShowStatus(const std::string& text) { SetWindowTextA(status_, text.c_str()); }

std::string PlayerWindow::MarkerPath(char drive) const {
  return DiscMarkerPath(config_.disc_folder, drive);
}

std::string PlayerWindow::DiscFields() const {
  return "disc=" + std::to_string(disc_.disc) + " " + Quoted("traits", JoinTraits(disc_.traits));
}

}  // namespace sc::tools
