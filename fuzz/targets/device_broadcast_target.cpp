// The WM_DEVICECHANGE record decoder with any event code and any record. The
// record is the input's bytes in a block of exactly their length, so a read
// past its end is caught by AddressSanitizer. The system delivers a record of
// dbch_size bytes, and at least the size field itself: a shorter input is
// padded to those 4 bytes, and a dbch_size that claims more than the input
// holds is lowered to what it holds.
#include <algorithm>
#include <cstring>
#include <memory>

#include "fuzz_input.h"
#include "fuzz_targets.h"
#include "job/volume_event.h"
#include "platform/device_broadcast.h"

namespace sc::fuzz {

namespace {

std::uint32_t FieldAt(const std::vector<std::uint8_t>& record, std::size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, record.data() + offset, 4);
  return value;
}

}  // namespace

std::string DecodeDeviceChange(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint32_t kEvents[] = {kDbtDeviceArrival, kDbtDeviceRemoveComplete};
  const std::uint8_t choice = in.Byte();
  const std::uint32_t event = choice < 200 ? kEvents[choice % 2] : in.Uint32();
  const bool noRecord = in.Byte() == 0xFF;
  std::vector<std::uint8_t> bytes = in.Bytes(size);
  if (bytes.size() < 4) bytes.resize(4);
  const auto length = static_cast<std::uint32_t>(bytes.size());
  const std::uint32_t claimed = std::min(FieldAt(bytes, 0), length);
  std::memcpy(bytes.data(), &claimed, 4);

  std::unique_ptr<std::uint8_t[]> record(new std::uint8_t[length]);
  std::copy(bytes.begin(), bytes.end(), record.get());
  const auto header = DecodeDeviceBroadcast(event, noRecord ? nullptr : record.get());

  const bool carriesRecord =
      (event == kDbtDeviceArrival || event == kDbtDeviceRemoveComplete) && !noRecord;
  if (!carriesRecord) return header ? "a record was read for event " + std::to_string(event) : "";
  if (!header) return "the record of event " + std::to_string(event) + " was not read";
  const std::uint32_t type = claimed >= 8 ? FieldAt(bytes, 4) : 0;
  const std::uint32_t mask = claimed >= 16 ? FieldAt(bytes, 12) : 0;
  if (header->deviceType != type || header->unitMask != mask)
    return "record of " + std::to_string(claimed) + " bytes read as type " +
           std::to_string(header->deviceType) + ", mask " + std::to_string(header->unitMask);
  // What the window makes of it: only a volume whose lowest drive is the
  // writer's concerns the writer.
  const WriterVolume volume = ClassifyVolumeEvent(event, &*header, "E: Writer 1");
  const bool writers = type == kDbtDevtypVolume && LowestDriveLetter(mask) == 'E';
  if ((volume != WriterVolume::None) != writers)
    return "a volume record of mask " + std::to_string(mask) + " was taken for the wrong drive";
  return "";
}

}  // namespace sc::fuzz
