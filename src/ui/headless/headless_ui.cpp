#include "ui/headless/headless_ui.h"

namespace sc {

void RecordingBoxes::showError(const std::string& title, const std::string& text) {
  shown.push_back({true, 0, title, text});
  if (whileOpen) whileOpen();
}

void RecordingBoxes::showMessage(WindowHandle owner, const std::string& title,
                                 const std::string& text) {
  shown.push_back({false, owner, title, text});
  if (whileOpen) whileOpen();
}

void HeadlessUi::run(Form& form, const std::string& title) {
  (void)title;
  if (loop) loop(form);
}

}  // namespace sc
