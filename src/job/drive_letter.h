#pragma once

#include <cstdint>

namespace sc {

// The drive a volume broadcast names: the lowest set bit of the unit mask
// among A to Z, or 0 when none is set. Higher drives in the same broadcast
// are not looked at.
char LowestDriveLetter(std::uint32_t unitMask);

}  // namespace sc
