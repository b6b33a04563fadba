// ketmgr.exe, the substitute robot manager: one start per command. It logs the
// command line, takes the robot lock, reads robot.ini and robot.state beside
// itself, carries out what the command asks and saves the state again.
#include <windows.h>

#include <string>

#include "command_line.h"
#include "disc_marker.h"
#include "files.h"
#include "plan_runner.h"
#include "robot_config.h"
#include "robot_plan.h"
#include "robot_state.h"
#include "tool_log.h"

namespace sc::tools {
namespace {

// Several manager processes run at once when commands follow closely; the
// robot, like the real one, does one thing at a time.
class RobotLock {
 public:
  RobotLock() : mutex_(CreateMutexA(nullptr, FALSE, "KetmgrSubstituteRobotLock")) {
    if (mutex_ == nullptr) return;
    DWORD wait = WaitForSingleObject(mutex_, 60000);
    held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
  }
  ~RobotLock() {
    if (held_) ReleaseMutex(mutex_);
    if (mutex_ != nullptr) CloseHandle(mutex_);
  }
  RobotLock(const RobotLock&) = delete;
  RobotLock& operator=(const RobotLock&) = delete;
  bool held() const { return held_; }

 private:
  HANDLE mutex_;
  bool held_ = false;
};

int RunManager(const std::string& line) {
  ToolLog log(BesideExe("ketmgr.log"));
  log.Write("COMMAND " + line);
  ManagerRequest request = ReadRequest(ParsePairs(line));
  RobotConfig config = ReadRobotConfig(IniValues::Parse(ReadTextFile(BesideExe("robot.ini"))));
  if (config.record_only) return 0;

  RobotLock lock;
  if (!lock.held()) {
    log.Write("ERROR reason=\"robot lock not taken within 60 s\"");
    return 1;
  }
  std::string state_path = BesideExe("robot.state");
  RobotState before = ParseRobotState(ReadTextFile(state_path));
  char drive = DriveOfWriter(request.target);
  bool disc_in_drive = drive != 0 && FileExists(DiscMarkerPath(config.disc_folder, drive));
  RobotPlan plan = PlanCommand(config, before, request, disc_in_drive);
  RunPlan(plan, config, request, log);
  if (plan.save_state) {
    WriteTextFile(state_path, FormatRobotState(plan.state));
    log.Write(StateBody(config, plan.state));
  }
  if (plan.die) {
    log.Write("DIE command=" + std::to_string(plan.state.commands));
    // As a crash would: no clean-up, the robot lock left abandoned.
    TerminateProcess(GetCurrentProcess(), 3);
  }
  return 0;
}

}  // namespace
}  // namespace sc::tools

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
  return sc::tools::RunManager(command_line != nullptr ? command_line : "");
}
