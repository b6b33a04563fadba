#include "ui/win32/memo_window.h"

#include <windows.h>

#include <string>

namespace sc {

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr long kLineBreakLength = 2;

// The control keeps its text in UTF-16; positions count those characters.
long CharactersOf(const std::string& line) {
  if (line.empty()) return 0;
  return MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
}

LRESULT CALLBACK subclassedMemo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* memo = reinterpret_cast<MemoWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return memo->boxMessage(reinterpret_cast<WindowHandle>(window), message, wParam, lParam);
}

}  // namespace

MemoWindow::MemoWindow(Memo& memo, const ChildSetup& setup) : ChildWindow(memo), memo_(memo) {
  // No word wrap (ES_AUTOHSCROLL): a box that wraps lays out its lines again
  // at every replacement, so under Wine an append took 0.6 ms with 250 lines
  // shown and 3.6 ms with 1,000; unwrapped it takes about 0.5 ms at any count.
  // The box is hidden: nobody sees a long line run on.
  create("EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL,
         WS_EX_CLIENTEDGE, setup);
  // EM_REPLACESEL honours the limit, which is 32,767 characters until set:
  // a thousand lines would be cut short. Zero lifts it to the largest.
  send(EM_SETLIMITTEXT, 0, 0);
  showLines();
  HWND box = reinterpret_cast<HWND>(handle());
  SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = static_cast<std::uintptr_t>(
      SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassedMemo)));
}

std::intptr_t MemoWindow::boxMessage(WindowHandle box, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
  // Whatever reaches the box from elsewhere (a reader's WM_GETTEXT, a line
  // count, the box being shown or painted) finds every line already in it.
  if (!updating_ && handle() == box) showPending();
  return CallWindowProcA(reinterpret_cast<WNDPROC>(original_), reinterpret_cast<HWND>(box), message,
                         wParam, lParam);
}

void MemoWindow::showPending() {
  if (!showAll_ && pending_ == 0) return;
  updating_ = true;
  if (showAll_) {
    showLines();
  } else if (pending_ >= memo_.lines().size()) {
    // Every line shown has gone from the memo: one replacement of the whole
    // text, still no copy of it set again.
    const std::string text = countLines();
    send(EM_SETSEL, 0, -1);
    send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  } else {
    const std::size_t first = memo_.lines().size() - pending_;
    for (std::size_t i = first; i < memo_.lines().size(); ++i) appendLine(memo_.lines()[i]);
    while (shownLengths_.size() > memo_.lines().size()) dropFirstLine();
  }
  showAll_ = false;
  pending_ = 0;
  updating_ = false;
}

void MemoWindow::showLines() {
  SetWindowTextA(reinterpret_cast<HWND>(handle()), countLines().c_str());
}

std::string MemoWindow::countLines() {
  std::string text;
  shownLengths_.clear();
  shownCharacters_ = 0;
  for (const std::string& line : memo_.lines()) {
    if (!shownLengths_.empty()) {
      text += kLineBreak;
      shownCharacters_ += kLineBreakLength;
    }
    text += line;
    shownLengths_.push_back(CharactersOf(line));
    shownCharacters_ += shownLengths_.back();
  }
  return text;
}

void MemoWindow::appendLine(const std::string& line) {
  const std::string added = shownLengths_.empty() ? line : kLineBreak + line;
  // An empty selection at the end, replaced: the control inserts the line
  // where SetWindowText would copy and lay out the whole text again. Not
  // undoable, so no undo copy of it is kept either.
  send(EM_SETSEL, static_cast<WPARAM>(shownCharacters_), shownCharacters_);
  send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
  if (!shownLengths_.empty()) shownCharacters_ += kLineBreakLength;
  shownLengths_.push_back(CharactersOf(line));
  shownCharacters_ += shownLengths_.back();
}

void MemoWindow::dropFirstLine() {
  // The oldest line with the break after it; the last line has none.
  const long length = shownLengths_.front() + (shownLengths_.size() > 1 ? kLineBreakLength : 0);
  send(EM_SETSEL, 0, length);
  send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
  shownLengths_.pop_front();
  shownCharacters_ -= length;
}

void MemoWindow::syncOwn(Change what) {
  // The lines are the memo's content; its Control text is not shown. The box
  // is hidden, so a line waits until something asks the box (see boxMessage):
  // a night's job then pays nothing for the box, and a reader still finds the
  // most recent lines in it.
  if (what == Change::LineAppended && !memo_.lines().empty()) {
    ++pending_;
  } else if (what == Change::Items || what == Change::Text) {
    showAll_ = true;
    pending_ = 0;
  }
  if (handle() != 0 && IsWindowVisible(reinterpret_cast<HWND>(handle()))) showPending();
}

}  // namespace sc
