// Text sizes without a font engine, for the headless backend.
#pragma once

#include <string>

#include "ui/widgets/label.h"

namespace sc {

// 6 pixels a character, 15 high for the 12-pixel Arial.
class FixedTextMeasurer : public TextMeasurer {
 public:
  int textWidth(const std::string& text, const Font& font) const override;
  int textHeight(const Font& font) const override;
};

}  // namespace sc
