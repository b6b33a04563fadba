// A multi-line edit box with a vertical scroll bar showing the memo's lines.
// A line is added by replacing an empty selection at the end of the text, and
// the oldest line is cut out the same way, so an append costs the same with a
// thousand lines shown as with one.
#pragma once

#include <deque>

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
  void appendLine();
  void dropFirstLine();

  Memo& memo_;
  // The length in the control's characters of each line it shows, oldest
  // first: where the oldest line ends and the text ends are known without
  // asking the control, whose line numbers (EM_LINEINDEX) would count wrapped
  // pieces if it ever wrapped.
  std::deque<long> shownLengths_;
  // Their sum with the breaks between them: where the text ends.
  long shownCharacters_ = 0;
};

}  // namespace sc
