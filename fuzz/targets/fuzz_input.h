// Reads a fuzzer's bytes as a sequence of choices. Past the end every read
// gives zeros and empty byte runs, so any input, the empty one included, is a
// complete program; a mutation that cuts an input short only drops its tail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sc::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return next_ >= size_; }
  std::uint8_t Byte() { return next_ < size_ ? data_[next_++] : 0; }
  // Little-endian. Each read is its own statement: the order in which a
  // compiler evaluates the operands of `|` is unspecified, and an input must
  // mean the same in every build.
  std::uint16_t Uint16() {
    const std::uint16_t low = Byte();
    const std::uint16_t high = Byte();
    return static_cast<std::uint16_t>(low | high << 8);
  }
  std::uint32_t Uint32() {
    const std::uint32_t low = Uint16();
    const std::uint32_t high = Uint16();
    return low | high << 16;
  }
  // One of `count` choices.
  std::size_t Choice(std::size_t count) { return count == 0 ? 0 : Byte() % count; }
  // Up to `count` bytes, fewer when the input ends first.
  std::vector<std::uint8_t> Bytes(std::size_t count) {
    const std::size_t taken = count < size_ - next_ ? count : size_ - next_;
    std::vector<std::uint8_t> bytes(data_ + next_, data_ + next_ + taken);
    next_ += taken;
    return bytes;
  }
  std::string Text(std::size_t count) {
    const std::vector<std::uint8_t> bytes = Bytes(count);
    return std::string(bytes.begin(), bytes.end());
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t next_ = 0;
};

}  // namespace sc::fuzz
