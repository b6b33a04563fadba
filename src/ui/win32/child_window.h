// The part every child control window shares: creation with its ID and font,
// and the mirroring of the portable state that all controls have (text,
// enabled, visible, bounds, stacking). Each kind adds its own state and takes
// the notifications that the main window reflects back to it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/platform.h"
#include "ui/widgets/control.h"

namespace sc {

class FontCache;
class MessageHandler;
class TextMeasurer;

struct ChildSetup {
  WindowHandle parent = 0;
  int id = 0;
  FontCache* fonts = nullptr;
  const TextMeasurer* measurer = nullptr;
  const Font* windowFont = nullptr;
  // Takes exceptions of handlers run from a child's own window procedure.
  MessageHandler* failures = nullptr;
  // Told when the child's text, state or place changes what the form looks
  // like; may be null or empty.
  const std::function<void()>* pictureChanged = nullptr;
};

class ChildWindow : public ControlPeer {
 public:
  ChildWindow(const ChildWindow&) = delete;
  ChildWindow& operator=(const ChildWindow&) = delete;

  WindowHandle handle() const override { return handle_; }
  void sync(const Control& control, Change what) override;

  // Notifications reflected from the parent, already matched to this child.
  virtual void command(unsigned code) { (void)code; }
  // WM_CTLCOLORSTATIC: true with the brush to use when the kind has colours
  // of its own.
  virtual bool colours(std::uintptr_t dc, std::intptr_t* brush) {
    (void)dc;
    (void)brush;
    return false;
  }
  // WM_DRAWITEM for an owner-drawn child; `item` is the DRAWITEMSTRUCT.
  virtual void draw(const void* item) { (void)item; }
  // The pointer moves over the child.
  virtual void mouseMove() {}

  // The window forgets its handle when the parent has destroyed it.
  void forget() { handle_ = 0; }

 protected:
  explicit ChildWindow(Control& control) : control_(control) {}
  // Creates the window with the control's text, bounds, enabled and visible
  // state; WS_CHILD, WS_CLIPSIBLINGS, and WS_TABSTOP by tab order are added.
  void create(const char* className, std::uint32_t style, std::uint32_t exStyle,
              const ChildSetup& setup);
  // The kind's own state, after the common part of sync.
  virtual void syncOwn(Change what) { (void)what; }
  // The control's bounds changed: the window takes them.
  virtual void move();
  std::intptr_t send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) const;

  const Font& font() const { return font_; }

 private:
  Control& control_;
  WindowHandle handle_ = 0;
  Font font_;
  const std::function<void()>* pictureChanged_ = nullptr;
};

// The window of the control's kind (chosen by its dynamic type), created.
std::unique_ptr<ChildWindow> createChildWindow(Control& control, const ChildSetup& setup);

}  // namespace sc
