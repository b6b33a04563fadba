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

}  // namespace sc
