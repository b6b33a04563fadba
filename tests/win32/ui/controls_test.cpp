// The controls as other programs and the user see them: IDs, texts, state,
// clicks back to the portable controls.
#include <stdexcept>

#include "test_form.h"

namespace sc::test {
namespace {

class ControlsTest : public UiTest {
 protected:
  void SetUp() override { attach(); }
};

TEST_F(ControlsTest, ChildrenHaveCreationOrderIdsKindsAndTexts) {
  const struct {
    int index;
    const char* kind;
    const char* text;
  } expected[] = {{0, "Static", "Hello there"},
                  {1, "Static", "Initializing"},
                  {2, "Button", "Go"},
                  {3, "Button", "Option"},
                  {4, "Button", ""},
                  {5, "ComboBox", ""},
                  {6, "Edit", ""},
                  {7, "Static", ""}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.index);
    const WindowHandle c = probe::childById(window, controlId(e.index));
    ASSERT_NE(c, 0u);
    EXPECT_EQ(c, form.controls()[e.index]->peer()->handle());
    EXPECT_STRCASEEQ(probe::className(c).c_str(), e.kind);
    EXPECT_EQ(probe::text(c), e.text);
  }
  const WindowHandle group = child(form.rgPlayer);
  EXPECT_EQ(probe::text(probe::childById(group, radioItemId(0))), "Windows Media Player");
  EXPECT_EQ(probe::text(probe::childById(group, radioItemId(1))), "iTunes");
  EXPECT_EQ(probe::childById(group, radioItemId(2)), 0u);
}

TEST_F(ControlsTest, StateChangesAreMirrored) {
  const WindowHandle button = child(form.btnGo);
  form.btnGo.setText("Ripping");
  form.btnGo.setEnabled(false);
  form.ckxOption.setVisible(false);
  form.btnGo.setBounds({20, 30, 80, 26});
  EXPECT_EQ(probe::text(button), "Ripping");
  EXPECT_FALSE(probe::enabled(button));
  EXPECT_FALSE(probe::visibleStyle(child(form.ckxOption)));
  const Rect r = probe::boundsInParent(button);
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.width, 80);
  EXPECT_EQ(r.height, 26);

  form.cbxList.addItem("E: writer");
  form.cbxList.setItemIndex(0);
  EXPECT_EQ(probe::text(child(form.cbxList)), "E: writer");
  form.memo.append("first");
  form.memo.append("second");
  EXPECT_EQ(probe::text(child(form.memo)), "first\r\nsecond");
}

TEST_F(ControlsTest, ButtonClickReachesHandlerOnlyWhileEnabled) {
  int clicks = 0;
  form.btnGo.onClick = [&] { ++clicks; };
  form.btnGo.setEnabled(false);
  probe::click(child(form.btnGo));
  EXPECT_EQ(clicks, 0);
  form.btnGo.setEnabled(true);
  probe::click(child(form.btnGo));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, CheckBoxShowsPortableState) {
  int clicks = 0;
  form.ckxOption.onClick = [&] { ++clicks; };
  const WindowHandle box = child(form.ckxOption);
  probe::click(box);
  EXPECT_TRUE(form.ckxOption.checked());
  EXPECT_TRUE(probe::checked(box));
  form.ckxOption.setChecked(false);
  EXPECT_FALSE(probe::checked(box));
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, RadioClickSelectsThroughTheGroup) {
  int clicks = 0;
  form.rgPlayer.onClick = [&] { ++clicks; };
  const WindowHandle group = child(form.rgPlayer);
  const WindowHandle itunes = probe::childById(group, radioItemId(1));
  probe::click(itunes);
  EXPECT_EQ(form.rgPlayer.itemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(probe::checked(itunes));
  form.rgPlayer.setItemIndex(0);
  EXPECT_FALSE(probe::checked(itunes));
  EXPECT_TRUE(probe::checked(probe::childById(group, radioItemId(0))));

  form.rgPlayer.setEnabled(false);
  EXPECT_FALSE(probe::enabled(itunes));
  probe::click(itunes);
  EXPECT_EQ(form.rgPlayer.itemIndex(), 0);
}

TEST_F(ControlsTest, RadioItemsAreRebuiltWhenAdded) {
  form.rgPlayer.addItem("Third");
  const WindowHandle third = probe::childById(child(form.rgPlayer), radioItemId(2));
  ASSERT_NE(third, 0u);
  EXPECT_EQ(probe::text(third), "Third");
}

TEST_F(ControlsTest, LabelClickAndHoverReachTheLabel) {
  int clicks = 0, moves = 0;
  form.lblHello.onClick = [&] { ++clicks; };
  form.lblHello.onMouseMove = [&] {
    ++moves;
    ui.setCursor(CursorShape::HandPoint);
  };
  const WindowHandle label = child(form.lblHello);
  probe::pressMouse(label);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(probe::hover(label, label));
  EXPECT_EQ(moves, 1);
  EXPECT_TRUE(probe::cursorIs(CursorShape::HandPoint));
  // The cursor stays over other controls until set again.
  EXPECT_TRUE(probe::hover(child(form.btnGo), child(form.btnGo)));
  EXPECT_TRUE(probe::cursorIs(CursorShape::HandPoint));
  EXPECT_EQ(form.mouseMoves, 0);
}

TEST_F(ControlsTest, RealPointerOverALabelIsNotOverTheForm) {
  int moves = 0;
  form.lblHello.onMouseMove = [&] { ++moves; };
  form.show();
  probe::movePointerOnto(child(form.lblHello));
  EXPECT_TRUE(probe::pumpUntil([&] { return moves > 0; }, 3000));
  EXPECT_EQ(form.mouseMoves, 0);
  probe::movePointerOnto(child(form.rgPlayer));
  probe::pumpFor(200);
  EXPECT_EQ(form.mouseMoves, 0);
  probe::movePointerTo(window, 270, 20);  // bare form, right of the labels
  EXPECT_TRUE(probe::pumpUntil([&] { return form.mouseMoves > 0; }, 3000));
}

TEST_F(ControlsTest, LabelsTakeTheSizeOfTheirTextInTheirOwnFont) {
  for (const Label* label : {&form.lblHello, &form.lblStatus}) {
    SCOPED_TRACE(label->name());
    const WindowHandle w = child(*label);
    const Rect text = probe::textSizeInOwnFont(w, label->text());
    EXPECT_EQ(label->width(), text.width);
    EXPECT_EQ(label->height(), text.height);
    EXPECT_EQ(probe::boundsInParent(w).width, text.width);
    EXPECT_EQ(probe::fontFace(w), "Arial");
  }
  EXPECT_GT(probe::fontWeight(child(form.lblStatus)), probe::fontWeight(child(form.lblHello)));
  // Measured away from the screen, sized as the label draws on it.
  for (const char* text :
       {"Disc Unloading ...", "Disc Loaded", "Robot software not found", "W", ""}) {
    SCOPED_TRACE(text);
    form.lblStatus.setText(text);
    EXPECT_EQ(probe::boundsInParent(child(form.lblStatus)).width,
              probe::textSizeInOwnFont(child(form.lblStatus), text).width);
  }
}

// A label that gets narrower on the control it lies on leaves a strip of that
// control to paint, and nothing of the form: no form paint, no paint echo.
TEST_F(ControlsTest, ANarrowerLabelOnItsBackdropRepaintsOnlyTheBackdrop) {
  form.show();
  form.image.setBounds({4, 26, 220, 24});
  form.lblStatus.setBackdrop(form.image);
  form.lblStatus.bringToFront();
  form.lblStatus.setText("Disc Unloading ...");
  probe::repaintNow(window);
  probe::pumpFor(100);
  ASSERT_FALSE(probe::waitsForPaint(window));
  form.lblStatus.setText("Ready");
  EXPECT_FALSE(probe::waitsForPaint(window));
  EXPECT_TRUE(probe::waitsForPaint(child(form.image)));
}

TEST_F(ControlsTest, TabStopsStackInTabOrderAboveTheRest) {
  WindowHandle w = probe::topChild(window);
  EXPECT_EQ(w, child(form.ckxOption));
  w = probe::nextBelow(w);
  EXPECT_EQ(w, child(form.btnGo));
  w = probe::nextBelow(w);
  EXPECT_EQ(w, child(form.rgPlayer));
  EXPECT_EQ(probe::nextBelow(w), child(form.image));
  EXPECT_TRUE(probe::tabStop(child(form.btnGo)));
  EXPECT_FALSE(probe::tabStop(child(form.lblHello)));
  // A graphic control created later lies above an earlier one until brought up.
  form.lblStatus.bringToFront();
  EXPECT_EQ(probe::topChild(window), child(form.lblStatus));
}

}  // namespace
}  // namespace sc::test
