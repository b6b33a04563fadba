#include "robot_plan.h"

namespace sc::tools {
namespace {

using Kind = RobotStep::Kind;

class PlanBuilder {
 public:
  PlanBuilder(const RobotConfig& config, RobotPlan& plan) : config_(config), plan_(plan) {}

  void Add(Kind kind) { plan_.steps.push_back(Step(kind)); }

  void Pause(int ms) {
    if (ms <= 0) return;
    RobotStep step = Step(Kind::Pause);
    step.ms = ms;
    plan_.steps.push_back(step);
  }

  void Answer(const std::string& action, const std::string& result, const std::string& detail) {
    RobotStep step = Step(Kind::SendNotice);
    step.notice = Notice{"Autoloader", action, result, detail};
    step.deliver = config_.no_answer.count(action) == 0;
    plan_.steps.push_back(step);
  }

  void OnDrive(Kind kind, char drive) {
    if (drive == 0) return;
    RobotStep step = Step(kind);
    step.drive = drive;
    plan_.steps.push_back(step);
  }

  void Place(char drive, int disc) {
    if (drive == 0) return;
    RobotStep step = Step(Kind::PlaceDisc);
    step.drive = drive;
    step.disc = DiscMarker{disc, TraitsOf(config_, disc)};
    plan_.steps.push_back(step);
  }

  void Note(const std::string& text) {
    RobotStep step = Step(Kind::Note);
    step.text = text;
    plan_.steps.push_back(step);
  }

 private:
  static RobotStep Step(Kind kind) {
    RobotStep step;
    step.kind = kind;
    return step;
  }

  const RobotConfig& config_;
  RobotPlan& plan_;
};

void PlanCheck(const RobotConfig& config, PlanBuilder& b) {
  b.Add(Kind::PublishWait);
  b.Add(Kind::PublishUnits);
  b.Pause(config.check_delay_ms);
  b.Add(Kind::PublishReady);
  b.Answer("Check", "OK", "");
}

void PlanLoad(const RobotConfig& config, RobotState& state, const ManagerRequest& request,
              PlanBuilder& b) {
  state.loads += 1;
  char drive = DriveOfWriter(request.target);
  if (config.occupied_loads < 0 || state.loads <= config.occupied_loads) {
    b.Answer("load", "Error", "Occupied");
  } else if (!IsKnownWriter(config, request.target)) {
    b.Answer("load", "Error", "No such writer");
  } else if (state.in_writer.count(drive) != 0) {
    b.Answer("load", "Error", "Writer not empty");
  } else if (state.next_disc > config.discs) {
    b.Answer("load", config.empty_result, config.empty_detail);
  } else {
    int disc = state.next_disc++;
    state.in_writer[drive] = disc;
    b.Pause(config.load_delay_ms);
    b.Place(drive, disc);
    b.Answer("load", "OK", "");
    b.Pause(config.arrival_delay_ms);
    b.OnDrive(Kind::Arrival, drive);
  }
}

void PlanTakeOut(const RobotConfig& config, RobotState& state, const ManagerRequest& request,
                 bool disc_in_drive, PlanBuilder& b) {
  bool to_reject = request.action == "reject";
  const std::string& result = to_reject ? config.reject_result : config.unload_result;
  char drive = DriveOfWriter(request.target);
  auto held = state.in_writer.find(drive);
  if (!IsKnownWriter(config, request.target)) {
    b.Answer(request.action, "Error", "No such writer");
  } else if (held == state.in_writer.end()) {
    b.Answer(request.action, "Error", "Writer empty");
  } else if (result != "OK") {
    b.Pause(config.unload_delay_ms);
    b.Answer(request.action, result, "Unload failed");
  } else {
    // The system announces the volume's removal when the robot pulls a disc
    // the player left in the drive; a disc already ejected has no volume.
    if (disc_in_drive) {
      b.OnDrive(Kind::TakeDisc, drive);
      b.OnDrive(Kind::Removal, drive);
    }
    b.Pause(config.unload_delay_ms);
    (to_reject ? state.rejected : state.output).push_back(held->second);
    state.in_writer.erase(held);
    b.Answer(request.action, "OK", "");
  }
}

// What the robot did before the manager would have answered stands, and so
// does the state it leaves; the notice and every step after it are lost.
void DieBeforeNotice(RobotPlan& plan) {
  auto notice = plan.steps.begin();
  while (notice != plan.steps.end() && notice->kind != Kind::SendNotice) ++notice;
  plan.steps.erase(notice, plan.steps.end());
  plan.die = true;
}

}  // namespace

char DriveOfWriter(const std::string& writer) {
  if (writer.empty() || writer[0] < 'A' || writer[0] > 'Z') return 0;
  return writer[0];
}

bool IsKnownWriter(const RobotConfig& config, const std::string& writer) {
  for (const auto& unit : config.units) {
    for (const auto& [n, text] : unit.texts) {
      if (n <= unit.writers && text == writer) return true;
    }
  }
  return false;
}

RobotPlan PlanCommand(const RobotConfig& config, const RobotState& before,
                      const ManagerRequest& request, bool disc_in_drive) {
  RobotPlan plan;
  plan.state = before;
  if (config.record_only) return plan;
  plan.save_state = true;
  plan.state.commands += 1;
  PlanBuilder b(config, plan);
  const std::string& action = request.action;
  if (action == "Check") {
    PlanCheck(config, b);
  } else if (action == "load") {
    PlanLoad(config, plan.state, request, b);
  } else if (action == "unload" || action == "reject") {
    PlanTakeOut(config, plan.state, request, disc_in_drive, b);
  } else if (action == "Release") {
    b.Note("RELEASE target=\"" + request.target + "\"");
  } else {
    b.Note("IGNORED action=\"" + action + "\"");
  }
  auto extra = config.notice_after.find(plan.state.commands);
  if (extra != config.notice_after.end()) b.Answer(extra->second, "OK", "");
  if (config.die_at_command == plan.state.commands) DieBeforeNotice(plan);
  return plan;
}

}  // namespace sc::tools
