// Where the main window's controls stand. Everything hangs off one 8-pixel
// margin and the measured sizes of a few controls; the three options appear
// between the status box and the buttons only for iTunes, and the client area
// grows to fit them.
#pragma once

#include "ui/widgets/control.h"

namespace sc {

constexpr int kFormOuterWidth = 300;
constexpr int kFormOuterHeight = 200;
constexpr int kFormMargin = 8;

struct Size {
  int width = 0;
  int height = 0;
};

// The client area of the 300 x 200 window and the sizes the layout reads:
// labels as they measure their text, buttons and check boxes as designed.
struct LayoutMeasures {
  Size client;
  Size version;
  Size company;
  Size status;
  Size ripping;
  Size help;
  Size exit;
  Size option;  // each of the three option boxes
};

struct MainWindowLayout {
  Rect version;
  Rect company;
  Rect status;
  Rect image;  // the status box
  Rect ripping;
  Rect help;
  Rect exit;
  Rect players;  // the radio group
  // From the top: "Always rip unidentified CD", "Unload unidentified CD to
  // reject bin", "Replace existing songs"; stacked as they stand when shown.
  Rect options[3];
  int clientHeight = 0;
};

enum class OptionRows { Hidden, Shown };

MainWindowLayout LayOutMainWindow(const LayoutMeasures& measures, OptionRows options);

}  // namespace sc
