#include "robot/manager_notice.h"

#include <cstring>

#include "util/fixed_text.h"

namespace sc {

void StoreNotice(ManagerNotice& notice, const std::uint8_t* payload, std::uint32_t size) {
  std::memset(&notice, 0, sizeof notice);
  if (payload == nullptr) return;
  std::memcpy(&notice, payload, size < sizeof notice ? size : sizeof notice);
}

bool SourceIs(const ManagerNotice& n, const char* literal) {
  return FieldEquals(n.Source, sizeof n.Source, literal);
}
bool ActionIs(const ManagerNotice& n, const char* literal) {
  return FieldEquals(n.Action, sizeof n.Action, literal);
}
bool ResultIs(const ManagerNotice& n, const char* literal) {
  return FieldEquals(n.Result, sizeof n.Result, literal);
}
bool DetailIs(const ManagerNotice& n, const char* literal) {
  return FieldEquals(n.Detail, sizeof n.Detail, literal);
}

NoticeKind ClassifyNotice(const ManagerNotice& notice) {
  if (ActionIs(notice, "load")) {
    if (ResultIs(notice, "OK")) return NoticeKind::Loaded;
    return DetailIs(notice, "Occupied") ? NoticeKind::Occupied : NoticeKind::LoadRefused;
  }
  if (ActionIs(notice, "unload") || ActionIs(notice, "reject"))
    return ResultIs(notice, "OK") ? NoticeKind::Unloaded : NoticeKind::UnloadFailed;
  if (ActionIs(notice, "Refresh") || ActionIs(notice, "Check")) return NoticeKind::Recheck;
  if (ActionIs(notice, "Terminate")) return NoticeKind::Terminate;
  return NoticeKind::Ignored;
}

}  // namespace sc
