// The record a WM_DEVICECHANGE may point to, read as far as the program needs
// it. Any program can send or post this message with any event code and any
// lParam, so the record is read only for the events that carry one.
#pragma once

#include <cstdint>
#include <optional>

namespace sc {

// The fields of a device-change broadcast record that the program reads.
struct DeviceBroadcast {
  std::uint32_t deviceType = 0;
  std::uint32_t unitMask = 0;  // only meaningful for volume records
};

constexpr std::uint32_t kDbtDeviceArrival = 0x8000;
constexpr std::uint32_t kDbtDeviceRemoveComplete = 0x8004;
constexpr std::uint32_t kDbtDevtypVolume = 2;

// The record of a DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE (a
// DEV_BROADCAST_HDR, for volumes followed by the rest of a
// DEV_BROADCAST_VOLUME). Nothing for any other event, whose lParam is not a
// record at all (or not one we read), and nothing for a null record: neither
// is touched. A field beyond the record's dbch_size reads as zero.
std::optional<DeviceBroadcast> DecodeDeviceBroadcast(std::uint32_t event,
                                                     const std::uint8_t* record);

}  // namespace sc
