// The 388-byte record the manager sends with WM_COPYDATA: four zero-padded,
// zero-terminated single-byte texts at fixed offsets, nothing else.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace sc::tools {

constexpr std::size_t kNoticeSize = 388;
constexpr std::size_t kSourceOffset = 0, kSourceWidth = 64;
constexpr std::size_t kActionOffset = 64, kActionWidth = 32;
constexpr std::size_t kResultOffset = 96, kResultWidth = 32;
constexpr std::size_t kDetailOffset = 128, kDetailWidth = 260;

using NoticeBytes = std::array<char, kNoticeSize>;

struct Notice {
  std::string source = "Autoloader";
  std::string action;
  std::string result;
  std::string detail;
};

// Texts longer than their field are cut so that the field keeps its
// terminating zero.
NoticeBytes BuildNotice(const Notice& notice);

// Reads the four fields back, each up to its first zero or its width.
Notice ReadNotice(const NoticeBytes& bytes);

}  // namespace sc::tools
