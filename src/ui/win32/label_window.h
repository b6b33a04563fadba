// A label: a STATIC control, so that other programs read its text with
// WM_GETTEXT. SS_NOTIFY makes it report clicks and take the pointer itself,
// so that moving over a label is not a move over the bare form.
#pragma once

#include "ui/widgets/label.h"
#include "ui/win32/child_window.h"

namespace sc {

class LabelWindow : public ChildWindow {
 public:
  // `highlight`: an opaque background in the button-highlight colour instead
  // of the form's button face.
  LabelWindow(Label& label, const ChildSetup& setup, bool highlight);

  void command(unsigned code) override;
  bool colours(std::uintptr_t dc, std::intptr_t* brush) override;
  void mouseMove() override;

 protected:
  void move() override;

 private:
  Label& label_;
  bool highlight_;
  Rect placed_;  // the bounds the window has
};

}  // namespace sc
