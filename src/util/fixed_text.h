// Zero-terminated texts in fixed buffers. The buffer sizes are part of what
// the program does (what fits, what is cut), so they are modelled exactly;
// these helpers never read or write past one.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>

namespace sc {

template <std::size_t N>
using FixedText = std::array<char, N>;

// The text up to the first zero byte, or the whole buffer if there is none.
inline std::string TextOf(const char* buffer, std::size_t size) {
  const void* zero = std::memchr(buffer, 0, size);
  return std::string(buffer, zero ? static_cast<const char*>(zero) - buffer : size);
}

template <std::size_t N>
std::string TextOf(const FixedText<N>& buffer) {
  return TextOf(buffer.data(), N);
}

// Exact, case-sensitive comparison up to the first zero byte. A field that
// fills its whole width without a zero equals no literal shorter than it.
inline bool FieldEquals(const char* field, std::size_t width, const char* literal) {
  const std::size_t length = std::strlen(literal);
  return length < width && std::memcmp(field, literal, length) == 0 && field[length] == 0;
}

template <std::size_t N>
bool FieldEquals(const FixedText<N>& field, const char* literal) {
  return FieldEquals(field.data(), N, literal);
}

// Copies as much of `text` as fits with its terminator; the rest is zero.
template <std::size_t N>
void AssignCut(FixedText<N>& buffer, const std::string& text) {
  buffer.fill(0);
  std::memcpy(buffer.data(), text.data(), text.size() < N ? text.size() : N - 1);
}

// Appends `suffix` only if the whole result fits; reports whether it did.
template <std::size_t N>
bool AppendWhole(FixedText<N>& buffer, const char* suffix) {
  const std::size_t used = TextOf(buffer).size();
  const std::size_t extra = std::strlen(suffix);
  if (used + extra + 1 > N) return false;
  std::memcpy(buffer.data() + used, suffix, extra + 1);
  return true;
}

}  // namespace sc
