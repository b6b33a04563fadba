// A multi-line edit box with a vertical scroll bar showing the memo's lines.
#pragma once

#include "ui/widgets/lists.h"
#include "ui/win32/child_window.h"

namespace sc {

class MemoWindow : public ChildWindow {
 public:
  MemoWindow(Memo& memo, const ChildSetup& setup);

 protected:
  void syncOwn(Change what) override;

 private:
  void showLines();
  Memo& memo_;
};

}  // namespace sc
