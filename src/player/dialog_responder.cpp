#include "player/dialog_responder.h"

namespace sc {

void ButtonSlots::place(WindowHandle button, int left) {
  if (leftmost == 0) leftmost = button;
  if (middle == 0) middle = button;
  if (rightmost == 0) rightmost = button;
  if (left < minLeft) {
    middle = leftmost;
    leftmost = button;
    minLeft = left;
  }
  if (left > maxLeft) {
    middle = rightmost;
    rightmost = button;
    maxLeft = left;
  }
  if (minLeft < left && left < maxLeft) middle = button;
}

DialogExamination ExamineDialog(Desktop& desktop, WindowHandle dialog, int fullScreenWidth) {
  DialogExamination found{DialogKind::None, 0, ButtonSlots(fullScreenWidth)};
  for (WindowHandle child = desktop.nextChild(dialog, 0); child != 0;
       child = desktop.nextChild(dialog, child)) {
    if (!desktop.isVisible(child)) continue;
    FixedText<256> name{};
    desktop.className(child, name);
    if (FieldEquals(name, "ListBox")) {
      found.kind = DialogKind::ListDialog;
    } else if (FieldEquals(name, "Button")) {
      ++found.buttonCount;
      // A rectangle that cannot be read counts as a zeroed one.
      int left = 0;
      if (!desktop.windowLeft(child, &left)) left = 0;
      found.slots.place(child, left);
    }
  }
  if (found.kind == DialogKind::None) {
    if (found.buttonCount == 2) found.kind = DialogKind::UnknownDiscDialog;
    if (found.buttonCount == 3) found.kind = DialogKind::ReplaceSongsDialog;
  }
  return found;
}

DialogAnswer ChooseButton(const DialogExamination& dialog, bool importUnknown, bool replaceSongs) {
  switch (dialog.kind) {
    case DialogKind::UnknownDiscDialog:
      if (importUnknown) return {dialog.slots.leftmost, false};
      return {dialog.slots.rightmost, true};
    case DialogKind::ReplaceSongsDialog:
      return {replaceSongs ? dialog.slots.leftmost : dialog.slots.middle, false};
    case DialogKind::ListDialog:
      return {dialog.slots.leftmost, false};
    case DialogKind::None:
      break;
  }
  return {};
}

}  // namespace sc
