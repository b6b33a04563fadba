// One question of the iTunes substitute: a top-level window of class
// "iTunesCustomModalDialog" whose direct children are a text, the buttons
// side by side, and for a list choice a list box. A click on a button is
// posted to the owner as kAnswerMessage (wParam: the button's left-to-right
// index), so the dialog is never destroyed inside its own button's handler.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "itunes_dialogs.h"
#include "player_config.h"

namespace sc::tools {

constexpr UINT kAnswerMessage = WM_APP + 1;

class DialogWindow {
 public:
  DialogWindow(const DialogPlan& plan, const PlayerConfig& config) : plan_(plan), config_(config) {}
  ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  bool Show(HINSTANCE instance, HWND owner);
  // The list box's chosen item, or "" without a list box.
  std::string Choice() const;

 private:
  static LRESULT CALLBACK Trampoline(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void AddChildren(HINSTANCE instance);

  DialogPlan plan_;
  PlayerConfig config_;
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HWND list_ = nullptr;
};

}  // namespace sc::tools
