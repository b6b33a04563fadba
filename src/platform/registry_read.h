// Reads that leave the destination unchanged unless the stored value fits.
// The registry is written by other programs: a REG_SZ may lack its zero, be
// longer than the buffer, or have another type; none of that may overrun a
// buffer or cost a setting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "util/fixed_text.h"

namespace sc {

// Reads a text value into a zeroed buffer of `size` bytes, offering all of
// them. Succeeds only when the data, with a terminating zero, fits the buffer;
// otherwise `buffer` is left as it was. The stored type is not examined.
bool ReadTextValue(Registry& registry, RegKey key, const char* name, char* buffer,
                   std::size_t size);

template <std::size_t N>
bool ReadTextValue(Registry& registry, RegKey key, const char* name, FixedText<N>& buffer) {
  return ReadTextValue(registry, key, name, buffer.data(), N);
}

// Reads a text value whole, however long, and cuts it to `maxLength`
// characters. Empty when the value is missing.
std::string ReadTextValueCut(Registry& registry, RegKey key, const char* name,
                             std::size_t maxLength);

// A 32-bit option: taken only when it is a REG_DWORD of exactly 4 bytes.
bool ReadDwordValue(Registry& registry, RegKey key, const char* name, std::int32_t& value);

// Up to 4 raw bytes into a number that starts at 0, whatever the stored type;
// a value longer than 4 bytes reads as 0.
std::uint32_t ReadRawNumber(Registry& registry, RegKey key, const char* name);

void WriteTextValue(Registry& registry, RegKey key, const char* name, const std::string& text);
void WriteDwordValue(Registry& registry, RegKey key, const char* name, std::int32_t value);

}  // namespace sc
