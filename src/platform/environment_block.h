// An environment block as CreateProcessA takes it and GetEnvironmentStringsA
// gives it: "NAME=value" entries, each ended by a zero, and a zero after the
// last. Entries whose name begins with "=" (the current folder of each drive)
// are Windows' own and pass through untouched.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sc {

using EnvironmentVariable = std::pair<std::string, std::string>;  // name, value

// `block` with each of `variables` set to its value, byte for byte: an entry of
// the same name (Windows compares names without case) is replaced where it
// stands, once, and any later entry of that name dropped; the others are added
// after the last entry, in the order given. A block that is cut (no zero after
// its last entry) keeps what it holds.
std::string WithVariables(const std::string& block,
                          const std::vector<EnvironmentVariable>& variables);

// The value of `name` in `block`, compared without case; none when absent.
std::optional<std::string> VariableIn(const std::string& block, const std::string& name);

}  // namespace sc
