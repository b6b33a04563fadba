#include "ui/headless/fixed_text_measurer.h"

namespace sc {

int FixedTextMeasurer::textWidth(const std::string& text, const Font& font) const {
  (void)font;
  return static_cast<int>(text.size()) * 6;
}

int FixedTextMeasurer::textHeight(const Font& font) const { return font.height + 3; }

}  // namespace sc
