// The window's run-time layout: everything hangs off one 8-pixel margin and
// the sizes of a few controls; the options appear only for iTunes.
#include "app/frm_main.h"
#include "job/status_text.h"
#include "player/player_discovery.h"

namespace sc {

void TfrmMain::LayOutForm() {
  setOuterSize(300, 200);
  lblVersion.setLeft(8);
  lblCompany.setLeft(clientWidth() - lblVersion.left() - lblCompany.width());
  lblVersion.setTop(clientHeight() - lblVersion.height() - lblVersion.left());
  lblCompany.setTop(lblVersion.top());
  btnWMP.setLeft(lblVersion.left());
  btnWMP.setTop(lblVersion.top() - btnWMP.height() - btnWMP.left());
  btnExit.setLeft(clientWidth() - btnExit.width() - btnWMP.left());
  btnExit.setTop(btnWMP.top());
  btnHelp.setTop(btnWMP.top());
  btnHelp.setLeft((btnWMP.left() + btnExit.left()) / 2);
  ApplyHelpRule();
  Image1.setLeft(btnWMP.left());
  Image1.setWidth(clientWidth() - 2 * Image1.left());
  Image1.setHeight(lblStatus.height() + 2);
  Image1.setTop(btnWMP.top() - Image1.left() - Image1.height());
  Image1.drawFramedBox(Image1.width(), Image1.height());
  lblStatus.setLeft(Image1.left() + 6);
  lblStatus.setTop(Image1.top() + 1);
  lblStatus.bringToFront();
  lblStatus.setText(StatusText(kStatusInitializing));
  RadioGroup1.setLeft(btnWMP.left());
  RadioGroup1.setTop(RadioGroup1.left() - 6);
  RadioGroup1.setHeight(lblStatus.top() - RadioGroup1.top() - btnWMP.left());
  RadioGroup1.setWidth(btnExit.left() + btnExit.width() - btnWMP.left());
  if (RadioGroup1.count() > 0 && RadioGroup1.itemIndex() < 0) RadioGroup1.setItemIndex(0);
  DotCount = 0;
  StatusCode = kStatusInitializing;
  tmrStatus.setEnabled(true);
  ckxReplaceExitFile.setWidth(Image1.width());
  ckxAlternateOutputt.setWidth(Image1.width());
  ckxRippingNoneCDB.setWidth(Image1.width());
  ArrangeForPlayer();
}

void TfrmMain::ArrangeForPlayer() {
  const bool shown = RadioGroup1.selectedText() == kITunesName;
  ckxReplaceExitFile.setVisible(shown);
  ckxAlternateOutputt.setVisible(ckxReplaceExitFile.visible());
  ckxRippingNoneCDB.setVisible(ckxReplaceExitFile.visible());
  ckxReplaceExitFile.setLeft(btnWMP.left());
  ckxAlternateOutputt.setLeft(ckxReplaceExitFile.left());
  ckxRippingNoneCDB.setLeft(ckxReplaceExitFile.left());
  int y = Image1.top() + Image1.height();
  if (ckxRippingNoneCDB.visible()) {
    ckxRippingNoneCDB.setTop(y + ckxRippingNoneCDB.left());
    ckxAlternateOutputt.setTop(ckxRippingNoneCDB.bottom() + ckxReplaceExitFile.left());
    ckxReplaceExitFile.setTop(ckxAlternateOutputt.bottom() + ckxReplaceExitFile.left());
    y = ckxReplaceExitFile.bottom();
  }
  btnWMP.setTop(y + btnWMP.left());
  btnHelp.setTop(btnWMP.top());
  btnExit.setTop(btnWMP.top());
  lblCompany.setTop(btnWMP.bottom() + btnWMP.left());
  lblVersion.setTop(lblCompany.top());
  setClientHeight(lblCompany.bottom() + btnWMP.left());
  watch_.WatchITunes = ckxRippingNoneCDB.visible();
}

void TfrmMain::RadioGroup1Click() { ArrangeForPlayer(); }

}  // namespace sc
