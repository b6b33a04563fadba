// The status line's animation: a state of work in progress shows its text, a
// blank and zero to three dots, one more each second.
#pragma once

#include <optional>
#include <string>

namespace sc {

// The text the status line shows for `code` with `dotCount` dots, or nothing
// when the code is not animated (the line then keeps its last text).
std::optional<std::string> AnimatedStatusText(int code, int dotCount);

// The line's text without the animation's blank and dots.
std::string SteadyStatusText(const std::string& text);

}  // namespace sc
