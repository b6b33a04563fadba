#include "ui/widgets/label.h"

#include <utility>

namespace sc {

Label::Label(std::string name, std::string text, Rect bounds, const Font& formFont,
             const TextMeasurer& measurer)
    : Control(std::move(name), std::move(text), bounds), formFont_(formFont), measurer_(measurer) {
  autoSize();
}

void Label::setText(const std::string& text) {
  Control::setText(text);
  autoSize();
}

void Label::setOwnFont(const Font& font) {
  Control::setOwnFont(font);
  autoSize();
}

void Label::click() {
  if (acceptsInput() && onClick) onClick();
}

void Label::autoSize() {
  const Font& f = font() ? *font() : formFont_;
  setBounds({left(), top(), measurer_.textWidth(text(), f), measurer_.textHeight(f)});
}

}  // namespace sc
