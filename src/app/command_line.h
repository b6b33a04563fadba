#pragma once

#include <string>

namespace sc {

// True when the command line's last "\"-separated piece is a single word: a
// program started bare, or with an argument whose last path piece is one word.
// Kept in TfrmMain but never read: the player is closed at close however the
// program was started.
bool IsStartedBare(const std::string& commandLine);

}  // namespace sc
