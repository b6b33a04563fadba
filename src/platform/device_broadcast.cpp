#include "platform/device_broadcast.h"

#include <cstring>

namespace sc {
namespace {

// DEV_BROADCAST_VOLUME: dbch_size at 0, dbch_devicetype at 4, dbch_reserved at
// 8, dbcv_unitmask at 12. Read by offset so that a short record from another
// program is never read past its end.
constexpr std::uint32_t kSizeOffset = 0;
constexpr std::uint32_t kDeviceTypeOffset = 4;
constexpr std::uint32_t kUnitMaskOffset = 12;

std::uint32_t ReadField(const std::uint8_t* record, std::uint32_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, record + offset, sizeof value);
  return value;
}

}  // namespace

std::optional<DeviceBroadcast> DecodeDeviceBroadcast(std::uint32_t event,
                                                     const std::uint8_t* record) {
  if (event != kDbtDeviceArrival && event != kDbtDeviceRemoveComplete) return std::nullopt;
  if (record == nullptr) return std::nullopt;
  DeviceBroadcast header;
  const std::uint32_t size = ReadField(record, kSizeOffset);
  if (size >= kDeviceTypeOffset + 4) header.deviceType = ReadField(record, kDeviceTypeOffset);
  if (size >= kUnitMaskOffset + 4) header.unitMask = ReadField(record, kUnitMaskOffset);
  return header;
}

}  // namespace sc
