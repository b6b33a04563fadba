#include "platform/sim/failure_plan.h"

#include "platform/sim/nocase.h"

namespace sc::sim {

void FailurePlan::always(std::string operation, long error, std::string subject,
                         std::string detail) {
  rules_.push_back({std::move(operation), std::move(subject), std::move(detail), error, false});
}

void FailurePlan::once(std::string operation, long error, std::string subject, std::string detail) {
  rules_.push_back({std::move(operation), std::move(subject), std::move(detail), error, true});
}

void FailurePlan::clear() { rules_.clear(); }

long FailurePlan::check(std::string_view operation, std::string_view subject,
                        std::string_view detail) {
  for (auto it = rules_.begin(); it != rules_.end(); ++it) {
    if (it->operation != operation) continue;
    if (!it->subject.empty() && !equalsNoCase(it->subject, subject)) continue;
    if (!it->detail.empty() && !equalsNoCase(it->detail, detail)) continue;
    const long error = it->error;
    if (it->once) rules_.erase(it);
    return error;
  }
  return 0;
}

}  // namespace sc::sim
