// The players: which are offered, starting the chosen one, closing it at the
// end.
#include "app/frm_main.h"
#include "player/player_command.h"
#include "player/player_discovery.h"

namespace sc {

namespace {

// How long closing waits for the player to handle WM_CLOSE. A player that is
// alive answers well within it; one stuck in a question of its own, or hung,
// holds the exit this long and no longer, and the settings are saved after.
// Windows takes a program that has not looked at its message queue for 5 s
// for hung, and waiting here it does not look: staying under that mark keeps
// its own window from being shown as not responding meanwhile.
constexpr std::uint32_t kPlayerCloseWaitMs = 4000;

}  // namespace

void TfrmMain::DiscoverPlayers() {
  const InstalledPlayers players = FindInstalledPlayers(platform_.registry);
  if (players.wmpPath) {
    AssignCut(WmpPath, *players.wmpPath);
    RadioGroup1.addItem(kWmpName);
    if (FieldEquals(SavedPlayerName, kWmpName)) RadioGroup1.setItemIndex(0);
  }
  if (players.iTunesCommand) {
    AssignCut(ITunesCommand, *players.iTunesCommand);
    RadioGroup1.addItem(kITunesName);
    if (FieldEquals(SavedPlayerName, kITunesName))
      RadioGroup1.setItemIndex(RadioGroup1.count() - 1);
  }
}

void TfrmMain::StartPlayer(Player player) {
  const bool iTunes = player == Player::ITunes;
  const std::string file = TextOf(iTunes ? ITunesCommand : WmpPath);
  if (platform_.shell.execute(0, "open", file.c_str(), "", "", kSwShow) > kShellStarted) return;
  // The registered command as it stands is the first try; a shell that takes
  // it for a file name finds none when it carries arguments.
  if (!iTunes) return;
  if (const auto split = SplitQuotedCommand(file)) {
    platform_.shell.execute(0, "open", split->program.c_str(), split->arguments.c_str(), "",
                            kSwShow);
  }
}

void TfrmMain::ClosePlayer() {
  const WindowHandle window =
      platform_.desktop.findWindowByTitle(PlayerIsITunes ? kITunesName : kWmpName);
  // A player that does not answer in time is left to itself.
  if (window != 0) platform_.desktop.sendClose(window, kPlayerCloseWaitMs);
}

}  // namespace sc
