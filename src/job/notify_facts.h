// What the user's notify command is told of a moment, in environment
// variables beside the program's own, and what the tooltip says when it could
// not be run.
#pragma once

#include <string>
#include <vector>

#include "job/job_machine.h"
#include "platform/environment_block.h"
#include "settings/settings_store.h"

namespace sc {

struct NotifyFacts {
  JobNotice notice = JobNotice::Done;
  std::string status;   // the status line without its moving dots
  std::string summary;  // the taskbar tooltip's text, its lines joined by CR LF
  bool inJob = false;   // the moment is a job's: its figures and start are told
  JobFigures figures{};
  std::string startedAt;  // the job's start as the tooltip writes it
};

// SPOOLCAT_EVENT, _STATUS, _SUMMARY, _LOADED, _UNLOADED, _REJECTED and
// _STARTED, in that order; outside a job the figures are 0 and the start "".
std::vector<EnvironmentVariable> NotifyVariables(const NotifyFacts& facts);

// The tooltip's line for a notify command Windows could not start.
std::string NotifyNotStartedLine(const std::string& errorText);

// The tooltip's line for a setting the program ignored; "" for none.
std::string NotifySettingIgnoredLine(NotifyCommandFault fault);

}  // namespace sc
