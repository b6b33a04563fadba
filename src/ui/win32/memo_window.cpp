#include "ui/win32/memo_window.h"

#include <windows.h>

namespace sc {

MemoWindow::MemoWindow(Memo& memo, const ChildSetup& setup) : ChildWindow(memo), memo_(memo) {
  create("EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, WS_EX_CLIENTEDGE,
         setup);
  showLines();
}

void MemoWindow::showLines() {
  std::string text;
  const auto& lines = memo_.lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  SetWindowTextA(reinterpret_cast<HWND>(handle()), text.c_str());
}

void MemoWindow::syncOwn(Change what) {
  // The lines are the memo's content; its Control text is not shown.
  if (what == Change::Items || what == Change::Text) showLines();
}

}  // namespace sc
