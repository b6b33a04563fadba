#include "robot/manager_locator.h"

#include "platform/registry_open.h"
#include "platform/registry_read.h"
#include "util/fixed_text.h"

namespace sc {

namespace {

FixedText<260> PathBesideProgram(SystemInfo& system) {
  FixedText<260> path{};
  AssignCut(path, system.modulePath());
  // The first character is never looked at: a bare "\x" keeps its backslash.
  for (std::size_t i = TextOf(path).size(); i-- > 1;) {
    if (path[i] == '\\') {
      path[i] = 0;
      break;
    }
  }
  if (!AppendWhole(path, "\\ketmgr.exe")) path.fill(0);
  return path;
}

bool IsManagerFile(FileSystem& files, const FixedText<260>& path) {
  std::uint32_t attributes = 0;
  if (path[0] == 0 || !files.findFirst(path.data(), &attributes)) return false;
  return (attributes & kFileAttributeDirectory) == 0 && (attributes & kFileAttributeArchive) != 0;
}

}  // namespace

std::string LocateManager(const Platform& platform, RegRoot root) {
  FixedText<260> path = PathBesideProgram(platform.system);
  if (IsManagerFile(platform.files, path)) return TextOf(path);

  Registry& registry = platform.registry;
  RegKey key = 0;
  std::uint32_t disposition = 0;
  if (!CreateOrOpenToRead(registry, root, kRobotKeyPath, &key, &disposition)) return TextOf(path);
  if (disposition == kRegOpenedExistingKey) {
    path.fill(0);
    ReadTextValue(registry, key, nullptr, path);
  }
  // Through a key opened to read only this fails without a word, as every
  // failed write does; the "Check" command sent at start asks all the same.
  WriteTextValue(registry, key, kRobotReportValue, "Check");
  registry.closeKey(key);
  return TextOf(path);
}

}  // namespace sc
