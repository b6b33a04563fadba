#include "plan_runner.h"

#include <windows.h>

// dbt.h needs the types of windows.h first.
#include <dbt.h>

#include "disc_marker.h"
#include "files.h"
#include "log_line.h"
#include "notice_sender.h"
#include "robot_registry.h"
#include "volume_broadcast.h"

namespace sc::tools {
namespace {

using Kind = RobotStep::Kind;

std::string Drive(char letter) { return std::string(1, letter) + ":"; }

std::string Outcome(LONG error) {
  return error == ERROR_SUCCESS ? "ok" : "error=" + std::to_string(error);
}

void Publish(const RobotStep& step, const RobotConfig& config, const ToolLog& log) {
  RobotRegistry registry(config.root);
  std::string root = std::string("root=") + registry.RootName() + " ";
  if (step.kind == Kind::PublishUnits) {
    LONG error = registry.SetUnits(config.units);
    for (const auto& unit : config.units) {
      log.Write("REGISTRY " + root + Quoted("unit", unit.name) + " online=" +
                (unit.online ? "1" : "0") + " writers=" + std::to_string(unit.writers));
      for (const auto& [n, text] : unit.texts) {
        log.Write("REGISTRY " + root + Quoted("unit", unit.name) + " " +
                  Quoted("key", "Writer" + std::to_string(n)) + " " + Quoted("text", text));
      }
    }
    log.Write("REGISTRY " + root + "units " + Outcome(error));
    return;
  }
  if (step.kind == Kind::PublishWait && config.write_manager_path) {
    std::string path = ExeDir() + "\\ketmgr.exe";
    log.Write("REGISTRY " + root + Quoted("path", path) + " " +
              Outcome(registry.SetManagerPath(path)));
  }
  std::string report = step.kind == Kind::PublishWait ? "Wait" : "Ready";
  log.Write("REGISTRY " + root + Quoted("report", report) + " " +
            Outcome(registry.SetReport(report)));
}

void RunStep(const RobotStep& step, const RobotConfig& config, const ManagerRequest& request,
             const ToolLog& log) {
  switch (step.kind) {
    case Kind::PublishWait:
    case Kind::PublishUnits:
    case Kind::PublishReady:
      Publish(step, config, log);
      break;
    case Kind::Pause:
      Sleep(static_cast<DWORD>(step.ms));
      break;
    case Kind::SendNotice: {
      std::string status = step.deliver ? SendNotice(request.caller, step.notice) : "skipped";
      log.Write(NoticeBody(request.caller, step.notice, status));
      break;
    }
    case Kind::PlaceDisc: {
      std::string marker = DiscMarkerPath(config.disc_folder, step.drive);
      bool ok = WriteTextFile(marker, FormatDiscMarker(step.disc));
      log.Write("DISC-IN disc=" + std::to_string(step.disc.disc) + " " +
                Quoted("traits", JoinTraits(step.disc.traits)) + " drive=" + Drive(step.drive) +
                " " + Quoted("marker", marker) + (ok ? " ok" : " write-failed"));
      break;
    }
    case Kind::TakeDisc: {
      std::string marker = DiscMarkerPath(config.disc_folder, step.drive);
      bool ok = DeleteFileIfThere(marker);
      log.Write("DISC-OUT drive=" + Drive(step.drive) + " " + Quoted("marker", marker) +
                (ok ? " ok" : " delete-failed"));
      break;
    }
    case Kind::Arrival:
    case Kind::Removal: {
      WPARAM event = step.kind == Kind::Arrival ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
      int windows = SendVolumeChange(event, step.drive);
      log.Write(std::string("BROADCAST event=") + VolumeEventName(event) +
                " drive=" + Drive(step.drive) + " windows=" + std::to_string(windows));
      break;
    }
    case Kind::Note:
      log.Write(step.text);
      break;
  }
}

}  // namespace

void RunPlan(const RobotPlan& plan, const RobotConfig& config, const ManagerRequest& request,
             const ToolLog& log) {
  for (const auto& step : plan.steps) RunStep(step, config, request, log);
}

std::string StateBody(const RobotConfig& config, const RobotState& state) {
  int waiting = config.discs - state.next_disc + 1;
  std::string writers;
  for (const auto& [drive, disc] : state.in_writer) {
    writers += (writers.empty() ? "" : ",") + Drive(drive) + std::to_string(disc);
  }
  return "STATE waiting=" + std::to_string(waiting < 0 ? 0 : waiting) + " " +
         Quoted("writers", writers) + " output=" + std::to_string(state.output.size()) +
         " rejected=" + std::to_string(state.rejected.size());
}

}  // namespace sc::tools
