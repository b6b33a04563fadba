// The notice program's walk itself, for tests that look at what an input
// makes the window do rather than only whether it failed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "support/path_walker.h"

namespace sc::fuzz {

// Plays the input as PlayNoticeProgram does, up to the first violation.
testing::WalkRun RunNoticeProgram(const std::uint8_t* data, std::size_t size,
                                  testing::Driven driven = testing::Driven::Window);

}  // namespace sc::fuzz
