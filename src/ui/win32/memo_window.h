// A multi-line edit box with a vertical scroll bar showing the memo's lines,
// unwrapped.
// A line is added by replacing an empty selection at the end of the text, and
// the oldest line is cut out the same way, so an append costs the same with a
// thousand lines shown as with one. While the box is hidden, lines are added
// when the box next gets a message from anyone but this class.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "ui/widgets/lists.h"
#include "ui/win32/child_window.h"

namespace sc {

class MemoWindow : public ChildWindow {
 public:
  MemoWindow(Memo& memo, const ChildSetup& setup);

  // Every message of the box passes here (it is subclassed).
  std::intptr_t boxMessage(WindowHandle box, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam);

 protected:
  void syncOwn(Change what) override;

 private:
  void showLines();
  // The memo's lines joined, their lengths taken as the ones shown.
  std::string countLines();
  void showPending();
  void appendLine(const std::string& line);
  void dropFirstLine();

  Memo& memo_;
  // The length in the control's characters of each line it shows, oldest
  // first; kept here rather than asked of the box, whose line numbers
  // (EM_LINEINDEX) would count wrapped pieces if it ever wrapped.
  std::deque<long> shownLengths_;
  // Their sum with the breaks between them: where the text ends.
  long shownCharacters_ = 0;
  // Lines appended to the memo and not yet to the box; or the whole content
  // to show again.
  std::size_t pending_ = 0;
  bool showAll_ = false;
  bool updating_ = false;        // the box's messages are this class's own
  std::uintptr_t original_ = 0;  // the EDIT class's procedure
};

}  // namespace sc
