// Plain values out of the raw parameters of the two messages the main window
// handles itself. Only the fields the program reads are taken, and only where
// the sender's record is long enough to hold them.
#pragma once

#include <cstdint>

#include "ui/widgets/form.h"

namespace sc {

struct CopyData {
  const std::uint8_t* data = nullptr;
  std::uint32_t size = 0;
};

// WM_COPYDATA's lParam (a COPYDATASTRUCT*, possibly null). dwData is not
// read. A payload without an address counts as empty whatever its cbData.
CopyData decodeCopyData(std::intptr_t lParam);

// WM_DEVICECHANGE's lParam (a DEV_BROADCAST_HDR*, possibly null): false when
// there is no record. A field beyond the record's dbch_size stays zero.
bool decodeDeviceBroadcast(std::intptr_t lParam, DeviceBroadcast* out);

}  // namespace sc
