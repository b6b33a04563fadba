// A label that sizes itself to its text.
#pragma once

#include <functional>

#include "ui/widgets/control.h"

namespace sc {

// How wide and high a text is in a font; the real backend asks GDI.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual int textWidth(const std::string& text, const Font& font) const = 0;
  virtual int textHeight(const Font& font) const = 0;
};

class Label : public Control {
 public:
  // The label measures its text with `measurer`, which must outlive it.
  Label(std::string name, std::string text, Rect bounds, const Font& formFont,
        const TextMeasurer& measurer);
  std::function<void()> onClick;
  std::function<void()> onMouseMove;

  void setText(const std::string& text) override;
  // A label with a font of its own takes the size of its text in that font.
  void setOwnFont(const Font& font);
  // Drawn opaque on the button-highlight colour instead of the window's.
  bool highlightBackground() const { return highlightBackground_; }
  void setHighlightBackground(bool on) { highlightBackground_ = on; }
  // The control the label lies on, wholly: when the label gets narrower, the
  // strip it uncovers is that control's alone to paint again. Null: none.
  const Control* backdrop() const { return backdrop_; }
  void setBackdrop(const Control& control) { backdrop_ = &control; }
  void bringToFront() { changed(Change::Front); }
  void click();

 private:
  void autoSize();
  Rect fittedTo(const std::string& text) const;
  Font formFont_;
  const TextMeasurer& measurer_;
  bool highlightBackground_ = false;
  const Control* backdrop_ = nullptr;
};

}  // namespace sc
