#include "platform/sim/sim_system_info.h"

namespace sc::sim {
namespace {

constexpr std::uint32_t kVersionInfoExSize = 156;
constexpr std::uint32_t kVersionInfoSize = 148;
constexpr std::size_t kModulePathBuffer = 260;

}  // namespace

bool SimSystemInfo::getVersion(std::uint32_t recordSize, std::uint32_t* major) {
  // Any other record size is refused (ERROR_INSUFFICIENT_BUFFER on Wine).
  if (recordSize != kVersionInfoExSize && recordSize != kVersionInfoSize) return false;
  if (failures_.check("getVersion", std::to_string(recordSize))) return false;
  *major = major_;
  return true;
}

std::string SimSystemInfo::modulePath() {
  // The buffer holds 260 bytes; a longer path is cut to leave room for its zero.
  return modulePath_.substr(0, kModulePathBuffer - 1);
}

}  // namespace sc::sim
