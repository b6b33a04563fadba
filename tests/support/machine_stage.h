// The job machine alone, behind a stand-in for the main window that carries
// out its effects as the window does: the controls a user sees, the status
// line, the manager's commands through the simulated shell, the window's four
// job timers, its one notice buffer, the robot report's poll and the flags it
// shares with the responder. No widget and no main window: a walk here is many
// times faster than one over the whole window, and the same model judges it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "job/job_machine.h"
#include "platform/device_broadcast.h"
#include "robot/manager_command.h"
#include "robot/robot_status.h"
#include "support/path_walker.h"

namespace sc::testing {

class MachineStage final : public WalkStage {
 public:
  explicit MachineStage(const WalkSetup& setup);

 private:
  // A timer of the window: due at a time, or stopped.
  struct Timer {
    std::optional<std::uint64_t> due;
    std::uint64_t order = 0;  // which of two timers due at once was started first
  };

  class Face final : public WalkFace {
   public:
    explicit Face(const MachineStage& stage) : stage_(stage) {}
    bool ExitEnabled() const override { return stage_.exit_; }
    bool RippingEnabled() const override { return stage_.ripping_; }
    int StatusCode() const override { return stage_.statusCode_; }
    std::string StatusText() const override { return stage_.statusText_; }
    bool Halted() const override { return stage_.job_.halted; }
    std::string ChosenPlayer() const override {
      return stage_.selected_ >= 0 ? stage_.players_[stage_.selected_] : "";
    }
    bool OptionChecked(int index) const override { return stage_.optionChecked_[index % 3]; }
    bool Closed() const override { return stage_.closed_; }
    TaskbarProgress Taskbar() const override;

   private:
    const MachineStage& stage_;
  };

  void Deliver(const WalkEvent& event) override;
  WalkWorld World() override {
    return {sim_.shell, sim_.files, sim_.registry, sim_.session, sim_.launcher, face_};
  }
  bool Closed() const override { return closed_; }
  std::vector<std::string> ManagerLines() const override;

  void Handle(const JobEvent& event);
  void Apply(const JobEffect& effect);
  void Enable(JobControl control, bool on);
  bool RunManager(const std::vector<CommandPair>& pairs);
  void SendJobCommand(JobCommand command);
  void SaveChoices();
  void Receive(const std::vector<std::uint8_t>& payload);
  void HandOnNotice();
  void Poll();
  void Volume(std::uint32_t event, const DeviceBroadcast* header);
  void ClickRipping();
  void ResponderDeclines();
  bool ITunesChosen() const;
  void Start(Timer& timer, std::uint32_t interval);
  void Advance(std::uint32_t milliseconds);

  sim::SimPlatform sim_;
  Face face_{*this};
  JobState job_;
  std::string managerPath_;
  ManagerNotice notice_{};
  std::vector<std::string> players_;
  int selected_ = -1;
  std::vector<std::string> writers_;
  std::optional<RobotReport> report_;
  bool optionChecked_[3] = {true, true, true};  // rip unidentified, reject bin, replace songs
  bool ripping_ = false;
  bool exit_ = false;
  bool playersEnabled_ = true;
  bool optionsEnabled_ = true;
  int statusCode_ = kStatusInitializing;
  std::string statusText_ = StatusText(kStatusInitializing);
  bool watchActive_ = false;
  bool unknownDiscSeen_ = false;
  Timer poll_;    // 100 ms: the robot's report
  Timer handOn_;  // 10 ms: a received notice is handed on
  Timer unload_;  // 20 ms: the unload after a declined disc
  Timer wait_;    // the wait's limit: it has lasted too long
  std::uint64_t now_ = 0;
  std::uint64_t started_ = 0;
  bool closed_ = false;
};

}  // namespace sc::testing
