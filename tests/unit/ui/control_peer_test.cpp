#include <gtest/gtest.h>

#include <vector>

#include "ui/headless/fixed_text_measurer.h"
#include "ui/widgets/control.h"
#include "ui/widgets/label.h"

namespace sc {
namespace {

// Records what a real window would be told.
class RecordingPeer : public ControlPeer {
 public:
  void sync(const Control& control, Change what) override {
    (void)control;
    changes.push_back(what);
  }
  WindowHandle handle() const override { return 0; }
  std::vector<Change> changes;
};

TEST(ControlPeerTest, OnlyChangedStateReachesThePeer) {
  FixedTextMeasurer measurer;
  Label label("lblStatus", "Ready", {14, 100, 0, 15}, Font{}, measurer);
  RecordingPeer peer;
  label.attachPeer(&peer);

  // The status line's tick writes the same text when nothing moved.
  label.setText("Ready");
  label.setEnabled(true);
  label.setVisible(true);
  label.setBounds(label.bounds());
  EXPECT_TRUE(peer.changes.empty());

  // A new text of the same width is shown, the size is left alone.
  label.setText("Reddy");
  EXPECT_EQ(peer.changes, std::vector<Change>{Change::Text});

  // A longer one: the label grows first, so the text is painted once, at
  // its size; a shorter one is shown before the label gives up the rest.
  peer.changes.clear();
  label.setText("Disc Loading .");
  EXPECT_EQ(peer.changes, (std::vector<Change>{Change::Bounds, Change::Text}));
  EXPECT_EQ(label.width(), 14 * 6);
  EXPECT_EQ(label.left(), 14);
  peer.changes.clear();
  label.setText("Disc Loading");
  EXPECT_EQ(peer.changes, (std::vector<Change>{Change::Text, Change::Bounds}));
}

TEST(ControlPeerTest, AnyOneCoordinateMovesTheWindow) {
  Control control("btnExit", "Exit", {1, 2, 3, 4});
  RecordingPeer peer;
  control.attachPeer(&peer);
  control.setLeft(5);
  control.setTop(6);
  control.setWidth(7);
  control.setHeight(8);
  control.setHeight(8);
  EXPECT_EQ(peer.changes.size(), 4u);
  EXPECT_EQ(control.bounds().left, 5);
  EXPECT_EQ(control.bounds().height, 8);
}

}  // namespace
}  // namespace sc
