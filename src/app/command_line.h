#pragma once

#include <string>

namespace sc {

// True when the command line's last "\"-separated piece is a single word: a
// program started bare, or with an argument whose last path piece is one word.
// Read only at close, where it changes nothing: the player is closed anyway.
bool IsStartedBare(const std::string& commandLine);

}  // namespace sc
