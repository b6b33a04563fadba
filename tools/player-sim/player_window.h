// The substitute player's main window. It waits for a disc: a volume arrival
// on a CD drive (or a disc already there at start). The iTunes substitute
// first asks the questions the disc's traits call for; then the disc is
// "ripped" for the configured time and ejected: its marker is deleted and the
// volume's removal is announced to every top-level window.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "dialog_window.h"
#include "disc_marker.h"
#include "itunes_dialogs.h"
#include "player_config.h"
#include "player_identity.h"
#include "tool_log.h"

namespace sc::tools {

class PlayerWindow {
 public:
  PlayerWindow(const PlayerIdentity& identity, const PlayerConfig& config, const ToolLog& log)
      : identity_(identity), config_(config), log_(log) {}
  PlayerWindow(const PlayerWindow&) = delete;
  PlayerWindow& operator=(const PlayerWindow&) = delete;

  bool Create(HINSTANCE instance, int show);

 private:
  enum class Phase { Idle, Asking, Ripping, Holding };

  static LRESULT CALLBACK Trampoline(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  void OnClose();
  void OnDeviceChange(WPARAM event, LPARAM lparam);
  void OnAnswer(int button);
  void OnRipDone();
  void ScanDrives();

  void TakeDisc(char drive, const char* source);
  void AskOrRip();
  void Eject();
  void Forget();
  void ShowStatus(const std::string& text);
  std::string MarkerPath(char drive) const;
  std::string DiscFields() const;

  PlayerIdentity identity_;
  PlayerConfig config_;
  const ToolLog& log_;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  HWND status_ = nullptr;

  Phase phase_ = Phase::Idle;
  char drive_ = 0;
  DiscMarker disc_;
  std::vector<DialogPlan> questions_;
  std::size_t next_question_ = 0;
  std::unique_ptr<DialogWindow> dialog_;
};

}  // namespace sc::tools
