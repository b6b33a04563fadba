#include "job/volume_event.h"

namespace sc {

char LowestDriveLetter(std::uint32_t unitMask) {
  for (int bit = 0; bit < 26; ++bit)
    if (unitMask & (1u << bit)) return static_cast<char>('A' + bit);
  return 0;
}

WriterVolume ClassifyVolumeEvent(std::uint32_t event, const DeviceBroadcast* header,
                                 const std::string& writer) {
  if (event != kDbtDeviceArrival && event != kDbtDeviceRemoveComplete) return WriterVolume::None;
  if (header == nullptr || header->deviceType != kDbtDevtypVolume) return WriterVolume::None;
  const char drive = LowestDriveLetter(header->unitMask);
  if (drive == 0 || writer.empty() || writer[0] != drive) return WriterVolume::None;
  return event == kDbtDeviceArrival ? WriterVolume::Arrived : WriterVolume::Removed;
}

}  // namespace sc
