#include "ui/win32/window_messages.h"

#include <windows.h>

#include <cstring>

namespace sc {
namespace {

// DEV_BROADCAST_VOLUME: dbch_size at 0, dbch_devicetype at 4, dbch_reserved at
// 8, dbcv_unitmask at 12. Read by offset so that a short record from another
// program is never read past its end.
constexpr std::uint32_t kSizeOffset = 0;
constexpr std::uint32_t kDeviceTypeOffset = 4;
constexpr std::uint32_t kUnitMaskOffset = 12;

std::uint32_t readField(const std::uint8_t* record, std::uint32_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, record + offset, sizeof value);
  return value;
}

}  // namespace

CopyData decodeCopyData(std::intptr_t lParam) {
  CopyData result;
  const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (cds == nullptr || cds->lpData == nullptr) return result;
  result.data = static_cast<const std::uint8_t*>(cds->lpData);
  result.size = cds->cbData;
  return result;
}

bool decodeDeviceBroadcast(std::intptr_t lParam, DeviceBroadcast* out) {
  const auto* record = reinterpret_cast<const std::uint8_t*>(lParam);
  *out = DeviceBroadcast{};
  if (record == nullptr) return false;
  const std::uint32_t size = readField(record, kSizeOffset);
  if (size >= kDeviceTypeOffset + 4) out->deviceType = readField(record, kDeviceTypeOffset);
  if (size >= kUnitMaskOffset + 4) out->unitMask = readField(record, kUnitMaskOffset);
  return true;
}

}  // namespace sc
