#include "ui/win32/gdi_fonts.h"

#include <windows.h>

namespace sc {

FontCache::~FontCache() {
  for (const auto& entry : fonts_) DeleteObject(reinterpret_cast<HFONT>(entry.second));
}

FontHandle FontCache::get(const Font& font) {
  const Key key{font.face, font.height, font.bold, font.underline};
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  // A negative height asks for that character height, not cell height: the
  // form design's 12-pixel Arial.
  HFONT handle = CreateFontA(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                             font.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, font.face.c_str());
  const auto value = reinterpret_cast<FontHandle>(handle);
  fonts_.emplace(key, value);
  return value;
}

GdiTextMeasurer::GdiTextMeasurer(FontCache& fonts)
    : fonts_(fonts), dc_(reinterpret_cast<std::uintptr_t>(CreateCompatibleDC(nullptr))) {}

GdiTextMeasurer::~GdiTextMeasurer() {
  if (dc_ != 0) DeleteDC(reinterpret_cast<HDC>(dc_));
}

namespace {

// The measuring DC with `font` selected, for the length of one measurement.
class FontSelected {
 public:
  FontSelected(std::uintptr_t dc, FontHandle font) : dc_(reinterpret_cast<HDC>(dc)) {
    old_ = SelectObject(dc_, reinterpret_cast<HFONT>(font));
  }
  ~FontSelected() { SelectObject(dc_, old_); }
  FontSelected(const FontSelected&) = delete;
  FontSelected& operator=(const FontSelected&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

int GdiTextMeasurer::textWidth(const std::string& text, const Font& font) const {
  FontSelected dc(dc_, fonts_.get(font));
  SIZE size = {};
  if (!GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size)) {
    return 0;
  }
  return size.cx;
}

int GdiTextMeasurer::textHeight(const Font& font) const {
  FontSelected dc(dc_, fonts_.get(font));
  TEXTMETRICA metrics = {};
  if (!GetTextMetricsA(dc.get(), &metrics)) return 0;
  return metrics.tmHeight;
}

}  // namespace sc
