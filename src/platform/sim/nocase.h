// Case-insensitive names, as Windows compares registry keys, file paths and
// drive letters. Only ASCII folds: the program's names are ASCII.
#pragma once

#include <string>
#include <string_view>

namespace sc::sim {

std::string lowerAscii(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);

// Orders by the lower-cased bytes. Wine enumerates subkeys in this order, so
// "_x" comes before "Alpha", which an upper-casing compare would not give.
struct NoCaseLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace sc::sim
