#include "ui/widgets/label.h"

#include <utility>

namespace sc {

int FixedTextMeasurer::textWidth(const std::string& text, const Font& font) const {
  (void)font;
  return static_cast<int>(text.size()) * 6;
}

int FixedTextMeasurer::textHeight(const Font& font) const { return font.height + 3; }

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
