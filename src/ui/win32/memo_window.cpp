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

}  // namespace

MemoWindow::MemoWindow(Memo& memo, const ChildSetup& setup) : ChildWindow(memo), memo_(memo) {
  // No word wrap (ES_AUTOHSCROLL): the box is hidden, and a wrapping box
  // measures and breaks its text again at every change, which under Wine
  // made each line cost about four times as much.
  create("EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL,
         WS_EX_CLIENTEDGE, setup);
  // EM_REPLACESEL honours the limit, which is 32,767 characters until set:
  // a thousand lines would be cut short. Zero lifts it to the largest.
  send(EM_SETLIMITTEXT, 0, 0);
  showLines();
}

void MemoWindow::showLines() {
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
  SetWindowTextA(reinterpret_cast<HWND>(handle()), text.c_str());
}

void MemoWindow::appendLine() {
  const std::string& line = memo_.lines().back();
  const std::string added = shownLengths_.empty() ? line : kLineBreak + line;
  // An empty selection at the end, replaced: the control inserts the line
  // where SetWindowText would copy and lay out the whole text again. Not
  // undoable, so no undo copy of it is kept either.
  send(EM_SETSEL, static_cast<WPARAM>(shownCharacters_), shownCharacters_);
  send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
  if (!shownLengths_.empty()) shownCharacters_ += kLineBreakLength;
  shownLengths_.push_back(CharactersOf(line));
  shownCharacters_ += shownLengths_.back();
  while (shownLengths_.size() > memo_.lines().size()) dropFirstLine();
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
  // The lines are the memo's content; its Control text is not shown.
  if (what == Change::LineAppended && !memo_.lines().empty()) {
    appendLine();
  } else if (what == Change::Items || what == Change::Text) {
    showLines();
  }
}

}  // namespace sc
