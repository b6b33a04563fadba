#include "job_graph.h"

#include <map>
#include <utility>
#include <vector>

#include "job/job_machine.h"

namespace sc {

namespace {

// Each event kind as the machine meets it in a running program; the ones that
// carry a choice are tried with each value that can change the phase.
std::vector<JobEvent> EventsOfKind(JobEventKind kind) {
  if (kind == JobEventKind::CommandNotStarted) {
    std::vector<JobEvent> events;
    for (JobCommand command : {JobCommand::Check, JobCommand::Load, JobCommand::Unload,
                               JobCommand::Reject, JobCommand::Release})
      events.push_back(NotStarted(command));
    return events;
  }
  if (kind == JobEventKind::RippingClicked)
    return {RippingClick(JobPlayer::WindowsMediaPlayer, "E:", true)};
  return {JobEvent(kind)};
}

// The event, and the commands it sends: the window's observation can choose
// between an unload and a reject.
std::string Label(const JobState& state, const JobEvent& event) {
  std::string label = NameOf(event.kind);
  if (event.kind == JobEventKind::CommandNotStarted)
    label += std::string(" (") + ActionOf(event.command) + ")";
  std::string sent;
  for (const bool reject : {false, true}) {
    for (const JobEffect& effect : NextJobStep(state, event, {true, reject}).effects) {
      const std::string action = ActionOf(effect.command);
      if (effect.kind != EffectKind::SendCommand || sent.find(action) != std::string::npos)
        continue;
      sent += (sent.empty() ? " / send " : " or ") + action;
    }
  }
  return label + sent;
}

}  // namespace

std::string JobMachineDot() {
  // (from, to) -> the labels of the events that move the job so.
  std::map<std::pair<int, int>, std::vector<std::string>> moves;
  const JobObservation seen{true, false};
  for (int from = 0; from < kJobPhaseCount; ++from) {
    JobState state;
    state.phase = static_cast<JobPhase>(from);
    for (int kind = 0; kind < kJobEventKindCount; ++kind) {
      for (const JobEvent& event : EventsOfKind(static_cast<JobEventKind>(kind))) {
        const JobStep step = NextJobStep(state, event, seen);
        const int to = static_cast<int>(step.next.phase);
        if (to != from) moves[{from, to}].push_back(Label(state, event));
      }
    }
  }
  std::string dot =
      "// The job machine's phases and the events that move the job between them.\n"
      "// Made from the machine by scripts/job-graph.sh; a unit test keeps it current.\n"
      "digraph job {\n"
      "  rankdir=LR;\n"
      "  labelloc=b;\n"
      "  fontname=\"Helvetica\";\n"
      "  label=\"Events that leave the phase as it is are not drawn.\";\n"
      "  node [shape=box, style=rounded, fontname=\"Helvetica\"];\n"
      "  edge [fontname=\"Helvetica\", fontsize=10];\n";
  for (int phase = 0; phase < kJobPhaseCount; ++phase)
    dot += std::string("  ") + NameOf(static_cast<JobPhase>(phase)) + ";\n";
  for (const auto& [edge, labels] : moves) {
    std::string label;
    for (const std::string& line : labels) label += (label.empty() ? "" : "\\n") + line;
    dot += std::string("  ") + NameOf(static_cast<JobPhase>(edge.first)) + " -> " +
           NameOf(static_cast<JobPhase>(edge.second)) + " [label=\"" + label + "\"];\n";
  }
  return dot + "}\n";
}

}  // namespace sc
