// The robot software's report in the registry: its status and, once it reads
// "Ready", the writers of the units that are online.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sc {

// "Writers" comes from another program; a robot has a handful of writers, so
// at most this many Writer%d keys are probed per unit. A corrupt count such as
// 0xFFFFFFFF cannot keep the window thread in the loop.
constexpr std::uint32_t kMaxWritersPerUnit = 256;
// A writer's entry text is cut to what its 128-byte buffer holds.
constexpr std::size_t kMaxWriterTextLength = 127;

struct RobotReport {
  enum class Status { Unreadable, Wait, Ready, Other };
  Status status = Status::Unreadable;
  // Filled only when the status is Ready: units in enumeration order, within
  // a unit Writer1 to WriterN.
  std::vector<std::string> writers;
};

RobotReport ReadRobotReport(Registry& registry, RegRoot root);

}  // namespace sc
