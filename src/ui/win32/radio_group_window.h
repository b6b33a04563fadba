// A radio group: a group box without caption holding one radio button per
// item. The buttons are the group box's children, so the box's window
// procedure is subclassed to pass their clicks to the portable group, which
// decides the selection; the buttons only show it.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/widgets/lists.h"
#include "ui/win32/child_window.h"

namespace sc {

class RadioGroupWindow : public ChildWindow {
 public:
  RadioGroupWindow(RadioGroup& group, const ChildSetup& setup);

  // The group box's subclassed procedure.
  std::intptr_t groupMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

 protected:
  void syncOwn(Change what) override;

 private:
  void makeButtons();
  void placeButtons();
  void showSelection();
  void enableButtons();

  RadioGroup& group_;
  ChildSetup setup_;
  std::uintptr_t original_ = 0;  // the BUTTON class's procedure
  std::vector<WindowHandle> buttons_;
};

}  // namespace sc
