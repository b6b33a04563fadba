// The settings: the registry root, loading at start, saving at close, and
// the three option boxes.
#include "app/frm_main.h"
#include "settings/registry_root.h"
#include "settings/settings_store.h"

namespace sc {

void TfrmMain::ChooseRegistryRoot() { RegistryRoot = sc::ChooseRegistryRoot(platform_.system); }

void TfrmMain::LoadSettings() {
  const StoredSettings stored =
      LoadSettingsFrom(platform_.registry, RegistryRoot, platform_.system.modulePath());
  SavedPlayerName = stored.savedPlayerName;
  ImportUnknownCd = stored.importUnknownCd;
  UnloadUnknownToAlternate = stored.unloadUnknownToAlternate;
  ReplaceExistingSongs = stored.replaceExistingSongs;
  waitLimits_ = stored.waitLimits;
  TakeNotifyCommand(stored.notifyCommand);
}

void TfrmMain::SaveSettings() {
  std::optional<std::string> player;
  // With no player listed there is nothing to choose from; the stored choice
  // stays as it was.
  if (RadioGroup1.itemIndex() >= 0) player = RadioGroup1.selectedText();
  SaveSettingsTo(platform_.registry, RegistryRoot, player, ImportUnknownCd,
                 UnloadUnknownToAlternate, ReplaceExistingSongs);
}

// The responder reads copies of two boxes, never the widgets themselves.
void TfrmMain::ckxRippingNoneCDBClick() {
  ImportUnknownCd = ckxRippingNoneCDB.checked() ? 1 : 0;
  watcher_.options.importUnknown = ckxRippingNoneCDB.checked();
}

void TfrmMain::ckxAlternateOutputtClick() {
  UnloadUnknownToAlternate = ckxAlternateOutputt.checked() ? 1 : 0;
}

void TfrmMain::ckxReplaceExitFileClick() {
  ReplaceExistingSongs = ckxReplaceExitFile.checked() ? 1 : 0;
  watcher_.options.replaceSongs = ckxReplaceExitFile.checked();
}

}  // namespace sc
