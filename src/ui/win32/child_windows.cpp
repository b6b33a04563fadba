// Picks the window kind for a portable control.
#include "ui/win32/button_windows.h"
#include "ui/win32/combo_box_window.h"
#include "ui/win32/image_window.h"
#include "ui/win32/label_window.h"
#include "ui/win32/memo_window.h"
#include "ui/win32/radio_group_window.h"

namespace sc {

std::unique_ptr<ChildWindow> createChildWindow(Control& control, const ChildSetup& setup) {
  if (auto* label = dynamic_cast<Label*>(&control)) {
    return std::make_unique<LabelWindow>(*label, setup, label->highlightBackground());
  }
  if (auto* button = dynamic_cast<Button*>(&control)) {
    return std::make_unique<ButtonWindow>(*button, setup);
  }
  if (auto* box = dynamic_cast<CheckBox*>(&control)) {
    return std::make_unique<CheckBoxWindow>(*box, setup);
  }
  if (auto* group = dynamic_cast<RadioGroup*>(&control)) {
    return std::make_unique<RadioGroupWindow>(*group, setup);
  }
  if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
    return std::make_unique<ComboBoxWindow>(*combo, setup);
  }
  if (auto* memo = dynamic_cast<Memo*>(&control)) {
    return std::make_unique<MemoWindow>(*memo, setup);
  }
  if (auto* image = dynamic_cast<Image*>(&control)) {
    return std::make_unique<ImageWindow>(*image, setup);
  }
  return nullptr;
}

}  // namespace sc
