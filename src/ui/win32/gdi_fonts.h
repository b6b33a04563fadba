// The GDI fonts of the window and its labels, made once per description and
// kept until the backend goes, and the text measurer that asks GDI.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "ui/widgets/label.h"

namespace sc {

using FontHandle = std::uintptr_t;  // an HFONT

class FontCache {
 public:
  FontCache() = default;
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache();

  FontHandle get(const Font& font);

 private:
  using Key = std::tuple<std::string, int, bool, bool>;
  std::map<Key, FontHandle> fonts_;
};

// Sizes as a STATIC control draws the text in that font: the width of the
// whole string and the font's line height (tmHeight).
//
// It measures on a memory DC of the screen's kind, made once: a label sizes
// itself at every change of its text, and under Wine each GetDC(NULL) and
// ReleaseDC is a round of calls to the server (the screen's visible region,
// its display devices) where a memory DC needs none. The sizes are the same.
class GdiTextMeasurer : public TextMeasurer {
 public:
  explicit GdiTextMeasurer(FontCache& fonts);
  GdiTextMeasurer(const GdiTextMeasurer&) = delete;
  GdiTextMeasurer& operator=(const GdiTextMeasurer&) = delete;
  ~GdiTextMeasurer() override;
  int textWidth(const std::string& text, const Font& font) const override;
  int textHeight(const Font& font) const override;

 private:
  FontCache& fonts_;
  std::uintptr_t dc_;  // an HDC
};

}  // namespace sc
