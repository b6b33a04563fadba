#pragma once

#include <string>

#include "ui/widgets/ui_backend.h"

namespace sc {

constexpr const char* kApplicationTitle = "Spoolcat";

// The application object: its title is the caption of its boxes.
struct Application {
  std::string title;
  MessageBoxes& boxes;

  void showException(const std::string& message) { boxes.showError(title, message); }
};

}  // namespace sc
