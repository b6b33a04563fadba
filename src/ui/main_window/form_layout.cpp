#include "ui/main_window/form_layout.h"

namespace sc {

namespace {
Rect At(int left, int top, Size size) { return {left, top, size.width, size.height}; }
int Bottom(const Rect& r) { return r.top + r.height; }
}  // namespace

MainWindowLayout LayOutMainWindow(const LayoutMeasures& m, OptionRows options) {
  const int margin = kFormMargin;
  const int width = m.client.width;
  MainWindowLayout l;

  // The first pass fills the 300 x 200 window from its bottom up: the bottom
  // line, the buttons, the status box; the radio group takes what is left.
  const int versionTop = m.client.height - m.version.height - margin;
  const int buttonTop = versionTop - m.ripping.height - margin;
  const int boxHeight = m.status.height + 2;
  const int exitLeft = width - m.exit.width - margin;
  l.image = {margin, buttonTop - margin - boxHeight, width - 2 * margin, boxHeight};
  // The label sits 6 pixels in and 1 pixel down, inside the box's frame.
  l.status = At(l.image.left + 6, l.image.top + 1, m.status);
  // The group starts 6 pixels above the margin line and ends a margin above
  // the status label, which is one pixel below the box's top edge.
  const int playersTop = margin - 6;
  l.players = {margin, playersTop, exitLeft + m.exit.width - margin,
               l.status.top - playersTop - margin};

  // The second pass stacks the rest under the status box; with the options
  // hidden it lands where the first pass put things.
  const int boxBottom = Bottom(l.image);
  int y = boxBottom;
  for (Rect& option : l.options) {
    option = {margin, y + margin, l.image.width, m.option.height};
    y = Bottom(option);
  }
  const int rowTop = (options == OptionRows::Shown ? y : boxBottom) + margin;
  l.ripping = At(margin, rowTop, m.ripping);
  l.exit = At(exitLeft, rowTop, m.exit);
  // Truncated toward zero: the three equal buttons are evenly spaced.
  l.help = At((margin + exitLeft) / 2, rowTop, m.help);
  const int lineTop = Bottom(l.ripping) + margin;
  l.version = At(margin, lineTop, m.version);
  l.company = At(width - margin - m.company.width, lineTop, m.company);
  l.clientHeight = Bottom(l.company) + margin;
  return l;
}

}  // namespace sc
