// A drop-down combo box mirroring the portable list, selection and text.
#pragma once

#include "ui/widgets/lists.h"
#include "ui/win32/child_window.h"

namespace sc {

class ComboBoxWindow : public ChildWindow {
 public:
  ComboBoxWindow(ComboBox& box, const ChildSetup& setup);

 protected:
  void syncOwn(Change what) override;

 private:
  void showItems();
  ComboBox& box_;
};

}  // namespace sc
