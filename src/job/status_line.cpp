#include "job/status_line.h"

#include <cstdio>
#include <cstring>

#include "job/status_text.h"

namespace sc {

std::optional<std::string> AnimatedStatusText(int code, int dotCount) {
  if (!IsAnimated(code)) return std::nullopt;
  // The dots come from an 8-byte buffer and the text from a 128-byte one;
  // a count outside 0 to 7 cannot reach past either.
  char dots[8];
  std::memset(dots, '.', sizeof dots);
  dots[dotCount < 0 ? 0 : dotCount > 7 ? 7 : dotCount] = 0;
  char text[128];
  std::snprintf(text, sizeof text, "%s %s", StatusText(code), dots);
  return std::string(text);
}

std::string SteadyStatusText(const std::string& text) {
  const std::size_t end = text.find_last_not_of(". ");
  return end == std::string::npos ? "" : text.substr(0, end + 1);
}

}  // namespace sc
