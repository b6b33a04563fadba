// The window's run-time layout, computed by LayOutMainWindow and applied
// here; the options appear only for iTunes.
#include "app/frm_main.h"
#include "job/status_text.h"
#include "player/player_discovery.h"

namespace sc {

namespace {
Size SizeOf(const Control& control) { return {control.width(), control.height()}; }

// Labels size themselves to their text; the layout only places them.
void Place(Label& label, const Rect& where) {
  label.setLeft(where.left);
  label.setTop(where.top);
}
}  // namespace

void TfrmMain::LayOutForm() {
  setOuterSize(kFormOuterWidth, kFormOuterHeight);
  measures_ = LayoutMeasures{{clientWidth(), clientHeight()},
                             SizeOf(lblVersion),
                             SizeOf(lblCompany),
                             SizeOf(lblStatus),
                             SizeOf(btnWMP),
                             SizeOf(btnHelp),
                             SizeOf(btnExit),
                             SizeOf(ckxRippingNoneCDB)};
  ApplyHelpRule();
  const MainWindowLayout layout = LayOutMainWindow(*measures_, OptionRows::Hidden);
  Image1.setBounds(layout.image);
  Image1.drawFramedBox(Image1.width(), Image1.height());
  Place(lblStatus, layout.status);
  lblStatus.bringToFront();
  lblStatus.setText(StatusText(kStatusInitializing));
  RadioGroup1.setBounds(layout.players);
  if (RadioGroup1.count() > 0 && RadioGroup1.itemIndex() < 0) RadioGroup1.setItemIndex(0);
  DotCount = 0;
  StatusCode = kStatusInitializing;
  tmrStatus.setEnabled(true);
  ArrangeForPlayer();
}

void TfrmMain::ArrangeForPlayer() {
  const bool shown = RadioGroup1.selectedText() == kITunesName;
  ckxReplaceExitFile.setVisible(shown);
  ckxAlternateOutputt.setVisible(shown);
  ckxRippingNoneCDB.setVisible(shown);
  // A selection made while the constructor lists the players comes before
  // the window has its run-time size; the layout then waits for FormCreate.
  const OptionRows rows = shown ? OptionRows::Shown : OptionRows::Hidden;
  if (measures_) ApplyLayout(LayOutMainWindow(*measures_, rows), rows);
  watch_.WatchITunes = ckxRippingNoneCDB.visible();
}

void TfrmMain::ApplyLayout(const MainWindowLayout& layout, OptionRows rows) {
  CheckBox* options[] = {&ckxRippingNoneCDB, &ckxAlternateOutputt, &ckxReplaceExitFile};
  for (int i = 0; i < 3; ++i) {
    // Hidden options keep the top they had.
    if (rows == OptionRows::Shown) {
      options[i]->setBounds(layout.options[i]);
    } else {
      options[i]->setLeft(layout.options[i].left);
      options[i]->setWidth(layout.options[i].width);
    }
  }
  btnWMP.setBounds(layout.ripping);
  btnHelp.setBounds(layout.help);
  btnExit.setBounds(layout.exit);
  Place(lblCompany, layout.company);
  Place(lblVersion, layout.version);
  setClientHeight(layout.clientHeight);
}

void TfrmMain::RadioGroup1Click() { ArrangeForPlayer(); }

}  // namespace sc
