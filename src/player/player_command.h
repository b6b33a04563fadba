// A registered open command is a program path, often in quotes and followed
// by arguments ("C:\...\iTunes.exe" /autorun). The shell takes the whole
// command as a file name only when it names a file.
#pragma once

#include <optional>
#include <string>

namespace sc {

struct ProgramAndArguments {
  std::string program;  // without its quotes
  std::string arguments;
};

// A command that starts with a quoted program: the program and what follows
// its closing quote, blanks before it dropped. Nothing for any other command
// (no opening quote, no closing quote, or empty quotes).
std::optional<ProgramAndArguments> SplitQuotedCommand(const std::string& command);

}  // namespace sc
