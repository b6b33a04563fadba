#include "job/notify_facts.h"

namespace sc {

std::vector<EnvironmentVariable> NotifyVariables(const NotifyFacts& facts) {
  const JobFigures figures = facts.inJob ? facts.figures : JobFigures{};
  return {{"SPOOLCAT_EVENT", NameOf(facts.notice)},
          {"SPOOLCAT_STATUS", facts.status},
          {"SPOOLCAT_SUMMARY", facts.summary},
          {"SPOOLCAT_LOADED", std::to_string(figures.loaded)},
          {"SPOOLCAT_UNLOADED", std::to_string(figures.unloaded)},
          {"SPOOLCAT_REJECTED", std::to_string(figures.rejected)},
          {"SPOOLCAT_STARTED", facts.inJob ? facts.startedAt : ""}};
}

std::string NotifyNotStartedLine(const std::string& errorText) {
  return "The notify command could not be started: " + errorText;
}

std::string NotifySettingIgnoredLine(NotifyCommandFault fault) {
  switch (fault) {
    case NotifyCommandFault::None:
      break;
    case NotifyCommandFault::NotText:
      return "The notify command setting is ignored: it is not text";
    case NotifyCommandFault::TooLong:
      return "The notify command setting is ignored: it is longer than 2047 characters";
  }
  return "";
}

}  // namespace sc
