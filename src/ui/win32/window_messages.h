// Plain values out of WM_COPYDATA's raw parameters. (WM_DEVICECHANGE's
// record is read by the portable DecodeDeviceBroadcast.)
#pragma once

#include <cstdint>

namespace sc {

struct CopyData {
  const std::uint8_t* data = nullptr;
  std::uint32_t size = 0;
};

// WM_COPYDATA's lParam (a COPYDATASTRUCT*, possibly null). dwData is not
// read. A payload without an address counts as empty whatever its cbData.
CopyData decodeCopyData(std::intptr_t lParam);

}  // namespace sc
