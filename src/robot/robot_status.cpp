#include "robot/robot_status.h"

#include <cstdio>

#include "platform/registry_read.h"
#include "robot/manager_locator.h"
#include "util/fixed_text.h"

namespace sc {

namespace {

void ReadUnitWriters(Registry& registry, RegKey unit, std::vector<std::string>& writers) {
  if (ReadRawNumber(registry, unit, "Online") == 0) return;
  std::uint32_t count = ReadRawNumber(registry, unit, "Writers");
  if (count > kMaxWritersPerUnit) count = kMaxWritersPerUnit;
  for (std::uint32_t n = 1; n <= count; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "Writer%u", static_cast<unsigned>(n));
    RegKey writer = 0;
    if (registry.openSubKey(unit, name, kKeyRead, &writer) != kErrorSuccess) continue;
    writers.push_back(ReadTextValueCut(registry, writer, nullptr, kMaxWriterTextLength));
    registry.closeKey(writer);
  }
}

}  // namespace

// Read access only: on Windows XP the keys live under HKEY_LOCAL_MACHINE,
// where a standard account may read but not write, and asked for more it
// would never see the robot.
RobotReport ReadRobotReport(Registry& registry, RegRoot root) {
  RobotReport report;
  RegKey robot = 0;
  if (registry.openKey(root, kRobotKeyPath, kKeyRead, &robot) != kErrorSuccess) return report;

  FixedText<64> status{};
  ReadTextValue(registry, robot, kRobotReportValue, status);
  if (!FieldEquals(status, "Ready")) {
    report.status =
        FieldEquals(status, "Wait") ? RobotReport::Status::Wait : RobotReport::Status::Other;
    registry.closeKey(robot);
    return report;
  }

  report.status = RobotReport::Status::Ready;
  // Any failure ends the enumeration, a unit name over 31 characters included.
  for (std::uint32_t index = 0;; ++index) {
    char name[32] = {};
    std::uint32_t nameSize = sizeof name;
    if (registry.enumKey(robot, index, name, &nameSize) != kErrorSuccess) break;
    name[sizeof name - 1] = 0;
    RegKey unit = 0;
    if (registry.openSubKey(robot, name, kKeyRead, &unit) != kErrorSuccess) continue;
    ReadUnitWriters(registry, unit, report.writers);
    registry.closeKey(unit);
  }
  registry.closeKey(robot);
  return report;
}

}  // namespace sc
