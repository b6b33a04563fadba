#include "ui/widgets/label.h"

#include <utility>

namespace sc {

Label::Label(std::string name, std::string text, Rect bounds, const Font& formFont,
             const TextMeasurer& measurer)
    : Control(std::move(name), std::move(text), bounds), formFont_(formFont), measurer_(measurer) {
  autoSize();
}

// Wider, the label takes its size first, so that the new text is painted
// once, at its size; narrower, it takes the text first, then gives up the
// strip it no longer covers.
void Label::setText(const std::string& text) {
  const Rect fitted = fittedTo(text);
  const bool wider = fitted.width > width() || fitted.height != height();
  if (wider) setBounds(fitted);
  Control::setText(text);
  if (!wider) setBounds(fitted);
}

void Label::setOwnFont(const Font& font) {
  Control::setOwnFont(font);
  autoSize();
}

void Label::click() {
  if (acceptsInput() && onClick) onClick();
}

void Label::autoSize() { setBounds(fittedTo(text())); }

Rect Label::fittedTo(const std::string& text) const {
  const Font& f = font() ? *font() : formFont_;
  return {left(), top(), measurer_.textWidth(text, f), measurer_.textHeight(f)};
}

}  // namespace sc
