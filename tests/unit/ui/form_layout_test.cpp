// The main window's layout as concrete pixels, worked out by hand.
#include "ui/main_window/form_layout.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/main_window_fixture.h"

namespace sc {

bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

// The headless window: a 6 x 25 frame leaves a 294 x 175 client area; labels
// are 6 pixels a character and 15 high ("Venmora Inc." is 72 wide).
const LayoutMeasures kHeadless{{294, 175}, {90, 15}, {72, 15}, {36, 15},
                               {75, 25},   {75, 25}, {75, 25}, {276, 17}};
// A window with a wider frame and GDI's sizes: a 16-pixel status line and a
// 60-pixel company link.
const LayoutMeasures kWine{{292, 172}, {80, 15}, {60, 15}, {70, 16},
                           {75, 25},   {75, 25}, {75, 25}, {276, 17}};

struct Case {
  const char* what;
  const LayoutMeasures* measures;
  OptionRows options;
  MainWindowLayout expected;
};

const Case kCases[] = {
    {"headless, Windows Media Player",
     &kHeadless,
     OptionRows::Hidden,
     {/*version*/ {8, 152, 90, 15},
      /*company*/ {214, 152, 72, 15},
      /*status*/ {14, 95, 36, 15},
      /*image*/ {8, 94, 278, 17},
      /*ripping*/ {8, 119, 75, 25},
      /*help*/ {109, 119, 75, 25},
      /*exit*/ {211, 119, 75, 25},
      /*players*/ {8, 2, 278, 85},
      /*options*/ {{8, 119, 278, 17}, {8, 144, 278, 17}, {8, 169, 278, 17}},
      /*client height*/ 175}},
    {"headless, iTunes: 75 pixels taller, group and box unmoved",
     &kHeadless,
     OptionRows::Shown,
     {{8, 227, 90, 15},
      {214, 227, 72, 15},
      {14, 95, 36, 15},
      {8, 94, 278, 17},
      {8, 194, 75, 25},
      {109, 194, 75, 25},
      {211, 194, 75, 25},
      {8, 2, 278, 85},
      {{8, 119, 278, 17}, {8, 144, 278, 17}, {8, 169, 278, 17}},
      250}},
    {"other frame and fonts, iTunes",
     &kWine,
     OptionRows::Shown,
     {{8, 224, 80, 15},
      {224, 224, 60, 15},
      {14, 91, 70, 16},
      {8, 90, 276, 18},
      {8, 191, 75, 25},
      {108, 191, 75, 25},
      {209, 191, 75, 25},
      {8, 2, 276, 81},
      {{8, 116, 276, 17}, {8, 141, 276, 17}, {8, 166, 276, 17}},
      247}},
};

TEST(FormLayoutTest, EveryControlWhereTheMarginPutsIt) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const MainWindowLayout l = LayOutMainWindow(*c.measures, c.options);
    const MainWindowLayout& e = c.expected;
    EXPECT_EQ(l.version, e.version);
    EXPECT_EQ(l.company, e.company);
    EXPECT_EQ(l.status, e.status);
    EXPECT_EQ(l.image, e.image);
    EXPECT_EQ(l.ripping, e.ripping);
    EXPECT_EQ(l.help, e.help);
    EXPECT_EQ(l.exit, e.exit);
    EXPECT_EQ(l.players, e.players);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(l.options[i], e.options[i]) << "option " << i;
    EXPECT_EQ(l.clientHeight, e.clientHeight);
  }
}

// The window applies the layout: both players, and a switch back and forth.
class FormAppliesLayoutTest : public testing::MainWindowTest {};

TEST_F(FormAppliesLayoutTest, SwitchingPlayersRestacksBelowTheStatusBox) {
  InstallManagerAndPlayers();
  sim.registry.putString(testing::kUser, testing::kOwnKey, "Ripping Application", "iTunes");
  Start();
  const MainWindowLayout iTunes = kCases[1].expected;
  EXPECT_EQ(form->clientHeight(), iTunes.clientHeight);
  EXPECT_EQ(form->ckxAlternateOutputt.bounds(), iTunes.options[1]);
  EXPECT_EQ(form->btnExit.bounds(), iTunes.exit);
  EXPECT_EQ(form->lblCompany.bounds(), iTunes.company);
  EXPECT_TRUE(form->ckxReplaceExitFile.visible());

  form->RadioGroup1.clickItem(0);
  const MainWindowLayout wmp = kCases[0].expected;
  EXPECT_EQ(form->outerHeight(), 200);
  EXPECT_EQ(form->btnWMP.bounds(), wmp.ripping);
  EXPECT_EQ(form->lblVersion.bounds(), wmp.version);
  EXPECT_EQ(form->RadioGroup1.bounds(), wmp.players);
  EXPECT_EQ(form->Image1.bounds(), wmp.image);
  EXPECT_FALSE(form->ckxRippingNoneCDB.visible());
  EXPECT_FALSE(watch.WatchITunes);
}

}  // namespace
}  // namespace sc
