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

namespace {

// A screen DC with `font` selected, for the length of one measurement.
class MeasuringDc {
 public:
  explicit MeasuringDc(FontHandle font) : dc_(GetDC(nullptr)) {
    old_ = SelectObject(dc_, reinterpret_cast<HFONT>(font));
  }
  ~MeasuringDc() {
    SelectObject(dc_, old_);
    ReleaseDC(nullptr, dc_);
  }
  MeasuringDc(const MeasuringDc&) = delete;
  MeasuringDc& operator=(const MeasuringDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

int GdiTextMeasurer::textWidth(const std::string& text, const Font& font) const {
  MeasuringDc dc(fonts_.get(font));
  SIZE size = {};
  if (!GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size)) {
    return 0;
  }
  return size.cx;
}

int GdiTextMeasurer::textHeight(const Font& font) const {
  MeasuringDc dc(fonts_.get(font));
  TEXTMETRICA metrics = {};
  if (!GetTextMetricsA(dc.get(), &metrics)) return 0;
  return metrics.tmHeight;
}

}  // namespace sc
