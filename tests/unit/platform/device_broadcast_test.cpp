// What a WM_DEVICECHANGE's lParam is taken for. Any program can send or post
// the message with any event code and any lParam, so the record is read only
// for the two events that carry one, and never past its dbch_size. The
// records here sit right before an inaccessible page: a read in the wrong
// place ends the test program.
#include "platform/device_broadcast.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

namespace sc {
namespace {

// Two pages, the second one inaccessible; bytes placed at the end of the first.
class GuardedBytes {
 public:
  GuardedBytes() {
    page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* memory =
        mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw std::runtime_error("mmap failed");
    memory_ = static_cast<std::uint8_t*>(memory);
    mprotect(memory_ + page_, page_, PROT_NONE);
  }
  ~GuardedBytes() { munmap(memory_, 2 * page_); }
  GuardedBytes(const GuardedBytes&) = delete;
  GuardedBytes& operator=(const GuardedBytes&) = delete;

  // The first inaccessible byte.
  const std::uint8_t* guard() const { return memory_ + page_; }
  // `size` bytes of `bytes` ending at the guard.
  const std::uint8_t* place(const void* bytes, std::size_t size) {
    std::uint8_t* at = memory_ + page_ - size;
    std::memcpy(at, bytes, size);
    return at;
  }

 private:
  std::size_t page_ = 0;
  std::uint8_t* memory_ = nullptr;
};

struct VolumeRecord {
  std::uint32_t size, deviceType, reserved, unitMask;
};

TEST(DeviceBroadcastTest, EventsWithoutARecordNeverTouchTheLParam) {
  GuardedBytes memory;
  const std::uint32_t events[] = {0x0007, 0x0018, 0x0019, 0x8001, 0x8003, 0x8006, 0xFFFF, 0};
  for (std::uint32_t event : events) {
    EXPECT_FALSE(DecodeDeviceBroadcast(event, memory.guard())) << event;
    EXPECT_FALSE(DecodeDeviceBroadcast(event, nullptr)) << event;
  }
  EXPECT_FALSE(DecodeDeviceBroadcast(kDbtDeviceArrival, nullptr));
  EXPECT_FALSE(DecodeDeviceBroadcast(kDbtDeviceRemoveComplete, nullptr));
}

TEST(DeviceBroadcastTest, ArrivalAndRemovalReadOnlyWhatTheRecordHolds) {
  const struct {
    const char* what;
    std::uint32_t size;  // dbch_size, and the bytes really there (at least 4)
    std::uint32_t deviceType;
    std::uint32_t unitMask;
  } cases[] = {
      {"a whole volume record", 16, kDbtDevtypVolume, 1u << 4},
      {"a bare header: the mask is not the sender's", 12, kDbtDevtypVolume, 0},
      {"room for the type only", 8, kDbtDevtypVolume, 0},
      {"shorter than the type", 7, 0, 0},
      {"a size alone", 4, 0, 0},
  };
  GuardedBytes memory;
  for (std::uint32_t event : {kDbtDeviceArrival, kDbtDeviceRemoveComplete}) {
    for (const auto& c : cases) {
      const VolumeRecord full{c.size, kDbtDevtypVolume, 0, 1u << 4};
      const std::uint8_t* record = memory.place(&full, c.size < 4 ? 4 : c.size);
      const auto header = DecodeDeviceBroadcast(event, record);
      ASSERT_TRUE(header) << c.what;
      EXPECT_EQ(header->deviceType, c.deviceType) << c.what;
      EXPECT_EQ(header->unitMask, c.unitMask) << c.what;
    }
  }
}

}  // namespace
}  // namespace sc
