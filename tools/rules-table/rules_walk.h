// The states a job really reaches, found by walking the job machine from the
// start, event by event, breadth first, as a running window meets them; with
// what the window shows beside the machine's own state (the status line's
// text, "Exit", the "Occupied" box) and what each step into a state did.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "job/job_machine.h"

namespace sc {

// What the window shows that the machine's state does not hold.
struct WindowFace {
  int text = kStatusInitializing;  // the status code whose text shows; -1: the conflict
  bool exitEnabled = false;        // "Exit" starts disabled until the manager answers
  bool rippingEnabled = false;     // and "Ripping" until the robot's report lists writers
  bool boxOpen = false;            // the "Occupied" box is open
  // The effects after the box, carried out when it closes: -1 for none.
  int exitAfterBox = -1;
  int textAfterBox = -2;
  int rippingAfterBox = -1;
  // The command the last step sent: only then can the manager fail to start
  // for it. The window sends "Check" as it opens.
  int justSent = static_cast<int>(JobCommand::Check);
};

// One step of the walk that left `from`.
struct WalkStep {
  JobEvent event;
  JobObservation seen;
  int from = 0;  // index of the state the step left
  int to = 0;    // and of the state it reached
  JobEffects effects;
};

struct WalkedState {
  JobState job;
  WindowFace face;
  std::vector<int> stepsIn;   // indices into RulesWalk::steps that reached it
  std::vector<int> stepsOut;  // and that left it
};

struct RulesWalk {
  std::vector<WalkedState> states;  // in the order the walk met them; [0] is the start
  std::vector<WalkStep> steps;
};

// Walks every state the job can reach from the start.
RulesWalk WalkJobMachine();

// The words for an event in the table: 'the load's "OK"'.
std::string Phrase(const JobEvent& event);

// Whether the event is a message of the robot software.
bool IsRobotMessage(JobEventKind kind);

// The status line's text as the face shows it.
std::string ShownText(const WindowFace& face);

}  // namespace sc
