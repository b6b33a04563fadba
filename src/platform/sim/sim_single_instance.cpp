#include "platform/sim/sim_single_instance.h"

#include <cstring>

namespace sc::sim {

long SimSingleInstance::claim(const char* name) {
  const std::string subject = name != nullptr ? name : "";
  if (const long error = failures_.check("claim", subject)) return error;
  // As Wine answers for "Local\" alone, and for a name that would need a
  // folder below the namespace.
  if (subject.empty()) return kErrorInvalidName;
  if (subject.find('\\') != std::string::npos) return kErrorPathNotFound;
  return held_.insert(subject).second ? kErrorSuccess : kErrorAlreadyExists;
}

bool SimSingleInstance::signalRunning(const char* name) {
  const std::string subject = name != nullptr ? name : "";
  if (failures_.check("signalRunning", subject) != 0) return false;
  if (subject.empty() || subject.find('\\') != std::string::npos) return false;
  signalled_.insert(subject);
  return true;
}

}  // namespace sc::sim
