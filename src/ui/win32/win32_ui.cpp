#include "ui/win32/win32_ui.h"

#include <windows.h>

#include <atomic>

#include "ui/widgets/label.h"
#include "ui/win32/application_window.h"
#include "ui/win32/gdi_fonts.h"
#include "ui/win32/main_window.h"
#include "ui/win32/win32_message_boxes.h"
#include "ui/win32/win32_timers.h"

namespace sc {

struct Win32Ui::Impl {
  explicit Impl(MessageBoxes* injected) : ownBoxes(mainWindow), boxes(injected) {
    if (boxes == nullptr) boxes = &ownBoxes;
  }

  // The form design's font: Arial, 12-pixel characters, regular.
  Font windowFont;
  FontCache fonts;
  GdiTextMeasurer measurer{fonts};
  Win32Timers timers;
  std::atomic<WindowHandle> mainWindow{0};
  Win32MessageBoxes ownBoxes;
  MessageBoxes* boxes;
  std::string title;
  HCURSOR cursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  // Destroyed after the main window it owns.
  std::unique_ptr<ApplicationWindow> application;
  std::unique_ptr<MainWindow> window;
};

Win32Ui::Win32Ui() : impl_(std::make_unique<Impl>(nullptr)) {}
Win32Ui::Win32Ui(MessageBoxes& boxes) : impl_(std::make_unique<Impl>(&boxes)) {}
Win32Ui::~Win32Ui() = default;

TimerService& Win32Ui::timers() { return impl_->timers; }
MessageBoxes& Win32Ui::boxes() { return *impl_->boxes; }
const TextMeasurer& Win32Ui::measurer() { return impl_->measurer; }

void Win32Ui::setCursor(CursorShape shape) {
  const LPCSTR id = shape == CursorShape::HandPoint ? reinterpret_cast<LPCSTR>(IDC_HAND)
                                                    : reinterpret_cast<LPCSTR>(IDC_ARROW);
  impl_->cursor = LoadCursorA(nullptr, id);
  if (impl_->window) {
    impl_->window->setCursor(reinterpret_cast<std::uintptr_t>(impl_->cursor));
  } else {
    SetCursor(impl_->cursor);
  }
}

void Win32Ui::setApplicationTitle(const std::string& title) {
  impl_->title = title;
  if (impl_->application) impl_->application->setTitle(title);
}

void Win32Ui::attach(Form& form) {
  Impl* impl = impl_.get();
  auto showFailure = [impl](const std::string& message) {
    impl->boxes->showError(impl->title, message);
  };
  impl_->application = std::make_unique<ApplicationWindow>(impl_->mainWindow, form, showFailure);
  impl_->application->create(impl_->title);

  MainWindowSetup setup;
  setup.fonts = &impl_->fonts;
  setup.measurer = &impl_->measurer;
  setup.windowFont = &impl_->windowFont;
  setup.timers = &impl_->timers;
  setup.published = &impl_->mainWindow;
  setup.showFailure = showFailure;
  setup.owner = impl_->application->handle();
  ApplicationWindow* application = impl_->application.get();
  setup.pictureChanged = [application] { application->pictureChanged(); };
  setup.moved = [application] { application->followMainWindow(); };
  impl_->window = std::make_unique<MainWindow>(form, std::move(setup));
  impl_->window->create();
  impl_->window->setCursor(reinterpret_cast<std::uintptr_t>(impl_->cursor));
}

void Win32Ui::run(Form& form, const std::string& title) {
  setApplicationTitle(title);
  if (form.isClosed()) return;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Tab and the arrow keys move between the controls as in a dialog.
    const HWND dialog = reinterpret_cast<HWND>(impl_->mainWindow.load());
    if (dialog != nullptr && IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace sc
