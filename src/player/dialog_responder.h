// Answering iTunes' modal questions while nobody is at the machine: find a
// dialog of iTunes' class, tell its kind from its visible children, and pick a
// button by the buttons' left edges and the user's two options.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace sc {

constexpr const char* kITunesDialogClass = "iTunesCustomModalDialog";

enum class DialogKind { None, ListDialog, UnknownDiscDialog, ReplaceSongsDialog };

// The buttons ordered by their left edges, as they are found one by one. The
// comparisons start from the full-screen width and from 0, so buttons on a
// monitor left or right of the primary one keep the first button found.
struct ButtonSlots {
  explicit ButtonSlots(int fullScreenWidth) : minLeft(fullScreenWidth) {}
  void place(WindowHandle button, int left);

  WindowHandle leftmost = 0;
  WindowHandle middle = 0;
  WindowHandle rightmost = 0;
  int minLeft;
  int maxLeft = 0;
};

struct DialogExamination {
  DialogKind kind = DialogKind::None;
  int buttonCount = 0;
  ButtonSlots slots;
};

// Looks at the dialog's direct children; hidden ones do not count. Allocates
// nothing: it runs on the responder's thread.
DialogExamination ExamineDialog(Desktop& desktop, WindowHandle dialog, int fullScreenWidth);

struct DialogAnswer {
  WindowHandle button = 0;  // 0: leave the dialog alone
  bool declineUnknown = false;
};

// Reads the options at the moment of the choice.
DialogAnswer ChooseButton(const DialogExamination& dialog, bool importUnknown, bool replaceSongs);

}  // namespace sc
