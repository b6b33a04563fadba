#include "job/drive_letter.h"

namespace sc {

char LowestDriveLetter(std::uint32_t unitMask) {
  for (int bit = 0; bit < 26; ++bit)
    if (unitMask & (1u << bit)) return static_cast<char>('A' + bit);
  return 0;
}

}  // namespace sc
