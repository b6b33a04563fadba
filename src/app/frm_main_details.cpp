// The status line's animation, the help document, the company link, the
// cursor and the repaint echo.
#include <string>

#include "app/frm_main.h"
#include "job/status_line.h"

namespace sc {

namespace {
// Under the reserved .example domain: the link never sends a user to a site
// that nobody here controls.
constexpr const char* kMakerSite = "https://www.venmora.example/";
}  // namespace

void TfrmMain::tmrStatusTimer() {
  tmrStatus.setEnabled(false);
  if (job_.halted) return;
  DotCount = (DotCount + 1) % 4;
  if (const auto text = AnimatedStatusText(StatusCode, DotCount)) lblStatus.setText(*text);
  tmrStatus.setEnabled(true);
}

void TfrmMain::ApplyHelpRule() {
  const std::string program = platform_.system.modulePath();
  const std::string stem = program.substr(0, program.size() >= 3 ? program.size() - 3 : 0);
  AssignCut(HelpPath, stem + "chm");
  btnHelp.setVisible(true);
  std::uint32_t attributes = 0;
  if (!platform_.files.attributes(HelpPath.data(), &attributes)) {
    AssignCut(HelpPath, stem + "pdf");
    btnHelp.setVisible(platform_.files.attributes(HelpPath.data(), &attributes));
  }
}

void TfrmMain::btnHelpClick() {
  platform_.shell.execute(handle(), "open", HelpPath.data(), "", "", kSwShow);
}

void TfrmMain::lblCompanyClick() {
  platform_.shell.execute(handle(), "open", kMakerSite, "", "", kSwShow);
}

// The cursor is application-wide: the hand stays over the other controls
// until the pointer crosses a bare part of the window.
void TfrmMain::lblCompanyMouseMove() { ui_.setCursor(CursorShape::HandPoint); }

void TfrmMain::FormMouseMove() { ui_.setCursor(CursorShape::Arrow); }

// Every paint that finds the toggle set asks for one more, so each paint is
// echoed once, about 5 ms later, and the echo never runs on by itself.
void TfrmMain::FormPaint() {
  if (PaintToggle) {
    invalidate();
    platform_.threads.sleep(5);
    invalidate();
  }
  PaintToggle = !PaintToggle;
}

}  // namespace sc
