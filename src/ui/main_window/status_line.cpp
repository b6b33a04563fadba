// The status line's animation and the help document.
#include <cstring>
#include <string>

#include "app/frm_main.h"
#include "job/status_text.h"

namespace sc {

void TfrmMain::tmrStatusTimer() {
  tmrStatus.setEnabled(false);
  if (Halted) return;
  DotCount = (DotCount + 1) % 4;
  if (IsAnimated(StatusCode))
    lblStatus.setText(std::string(StatusText(StatusCode)) + " " + std::string(DotCount, '.'));
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

}  // namespace sc
