// What a device-change broadcast means for the selected writer: a volume
// arriving in or leaving its drive, or nothing that concerns it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/device_broadcast.h"

namespace sc {

// The drive a volume broadcast names: the lowest set bit of the unit mask
// among A to Z, or 0 when none is set. Higher drives in the same broadcast
// are not looked at.
char LowestDriveLetter(std::uint32_t unitMask);

enum class WriterVolume { None, Arrived, Removed };

// The writer's drive is the first character of its entry text; only a volume
// record whose lowest drive is that letter (exact byte) concerns it.
WriterVolume ClassifyVolumeEvent(std::uint32_t event, const DeviceBroadcast* header,
                                 const std::string& writer);

}  // namespace sc
