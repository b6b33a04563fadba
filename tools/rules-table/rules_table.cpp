#include "rules_table.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "job/taskbar_face.h"
#include "rules_walk.h"

namespace sc {

namespace {

constexpr const char* kBegin = "<!-- rules table: made by scripts/rules-table.sh -->";
constexpr const char* kEnd = "<!-- end of the rules table -->";

// A row: what the status line shows, whether the "Occupied" box is open, how
// the job goes on and what it waits for.
using RowKey = std::tuple<std::string, bool, int, int, int>;

RowKey RowOf(const WalkedState& state) {
  return {ShownText(state.face), state.face.boxOpen, static_cast<int>(state.job.progress),
          static_cast<int>(state.job.wait.kind), static_cast<int>(state.job.wait.command)};
}

std::string Joined(const std::set<std::string>& parts, const char* last = " or ") {
  std::string text;
  std::size_t i = 0;
  for (const std::string& part : parts) {
    if (i > 0) text += i + 1 == parts.size() ? last : ", ";
    text += part;
    ++i;
  }
  return text;
}

bool Has(const JobEffects& effects, EffectKind kind) {
  for (const JobEffect& effect : effects)
    if (effect.kind == kind) return true;
  return false;
}

std::string SentBy(const JobEffects& effects) {
  for (const JobEffect& effect : effects)
    if (effect.kind == EffectKind::SendCommand) return ActionOf(effect.command);
  return "";
}

// Why "Exit" is disabled in `state`.
std::string WhyNoExit(const WalkedState& state) {
  if (state.face.boxOpen) return "while the \"Occupied\" box is open";
  switch (state.job.phase) {
    case JobPhase::Loading:
    case JobPhase::LoadingDiscIn:
    case JobPhase::LoadingDiscLeft:
      return "while the load is out";
    case JobPhase::Unloading:
    case JobPhase::UnloadingDiscIn:
      return std::string("while the ") + ActionOf(state.job.sent) + " is out";
    case JobPhase::Idle:
      return "until the robot software first answers";
    default:
      break;
  }
  return "";
}

// Where a phase's own history changes what a message does.
std::string Context(const WalkedState& state) {
  if (state.job.phase == JobPhase::LoadingDiscLeft) return " after the disc came and went";
  return "";
}

// The events other than the robot's messages that enable "Exit", in words.
std::string OtherEnabler(const JobEvent& event) {
  if (event.kind == JobEventKind::ReportWithWriters || event.kind == JobEventKind::ReportNoWriters)
    return "the robot's report";
  return Phrase(event);
}

// What becomes of "Exit": "yes", or when and until what it is disabled. A
// message of the robot software that leaves it disabled is named, with what
// it does instead, and where it does so only after some history, that too.
std::string ExitRule(const RulesWalk& walk, const std::vector<int>& members) {
  std::set<std::string> why, enablers, others;
  std::map<std::string, std::set<std::string>> exceptions;  // by the message's phrase
  for (int index : members) {
    const WalkedState& state = walk.states[index];
    if (state.face.exitEnabled) continue;
    why.insert(WhyNoExit(state));
    for (int s : state.stepsOut) {
      const WalkStep& step = walk.steps[s];
      const WalkedState& to = walk.states[step.to];
      const bool message = IsRobotMessage(step.event.kind);
      if (to.face.exitEnabled) {
        (message ? enablers : others)
            .insert(message ? Phrase(step.event) : OtherEnabler(step.event));
        continue;
      }
      if (!message) continue;
      std::string what = Context(state);
      const std::string sent = SentBy(step.effects);
      if (!sent.empty())
        what += " (it sends the " + sent + " at once)";
      else if (to.face.boxOpen && !state.face.boxOpen)
        what += " (it opens the \"Occupied\" box; \"Exit\" comes back when the box is closed)";
      exceptions[Phrase(step.event)].insert(what);
    }
  }
  if (why.empty()) return "yes";
  why.erase("");
  std::string rule = "no";
  if (!why.empty()) rule += " " + Joined(why);
  rule += "; any message of the robot software enables it";
  std::set<std::string> but;
  for (const auto& [phrase, whats] : exceptions) {
    // A message that enables "Exit" elsewhere in the row is an exception
    // only after its history; one that never does needs none named.
    for (std::string what : whats) {
      if (enablers.count(phrase) == 0 && what.rfind(" after", 0) == 0)
        what = what.substr(what.find(" (") == std::string::npos ? what.size() : what.find(" ("));
      but.insert(phrase + what);
    }
  }
  if (!but.empty()) rule += ", but " + Joined(but, "; ");
  if (!others.empty()) rule += "; also enabled by " + Joined(others);
  return rule;
}

const char* ButtonState(TaskbarProgress shown) {
  switch (shown) {
    case TaskbarProgress::None:
      return "no bar";
    case TaskbarProgress::Indeterminate:
      return "moving green bar";
    case TaskbarProgress::Paused:
      return "yellow";
    case TaskbarProgress::Error:
      return "red";
  }
  return "";
}

std::string WaitWords(const JobWait& wait) {
  switch (wait.kind) {
    case JobWaitKind::None:
      return "none";
    case JobWaitKind::RobotWord:
      return "the robot software's first word (the answer to \"Check\", the report's \"Ready\")";
    case JobWaitKind::RobotAnswer:
      return std::string("the robot's answer to the ") + ActionOf(wait.command);
    case JobWaitKind::DiscToWriter:
      return "the loaded disc to reach the writer";
    case JobWaitKind::DiscRipped:
      return "the disc to be ripped and ejected";
  }
  return "";
}

// The settings value that limits a wait, found by giving each its own figure.
std::string LimitWords(JobWaitKind kind) {
  if (kind == JobWaitKind::None) return "";
  const WaitLimits defaults{};
  if (WaitLimitMs(kind, WaitLimits{1, 0}) > 0)
    return std::string("\"") + kRobotAnswerMinutesValue + "\", " +
           std::to_string(defaults.robotAnswerMinutes) + " minutes unless set";
  return std::string("\"") + kDiscMinutesValue + "\", " + std::to_string(defaults.discMinutes) +
         " minutes unless set";
}

std::string AlarmLine(const JobState& job) {
  if (job.wait.kind == JobWaitKind::None) return "";
  JobState late = job;
  late.waitTooLong = true;
  TooltipFacts facts;
  facts.waitSince = "<time>";
  return TaskbarTooltip(late, facts);
}

struct Row {
  std::vector<int> members;
  std::set<std::string> flashedOn;  // the events whose step into the row flashed the button
  std::set<std::string> notices;
};

std::string NoticeWords(const JobEffects& effects, bool* leaving) {
  for (const JobEffect& effect : effects) {
    if (effect.kind != EffectKind::Notify) continue;
    *leaving = effect.notice == JobNotice::Stuck || effect.notice == JobNotice::GoingOn;
    switch (effect.notice) {
      case JobNotice::Done:
        return "done";
      case JobNotice::Person:
        return "person";
      case JobNotice::Stuck:
        return "stuck when the wait passes its limit";
      case JobNotice::GoingOn:
        return "going-on when the wait ends after its limit";
    }
  }
  return "";
}

}  // namespace

RulesTable JobRulesTable() {
  const RulesWalk walk = WalkJobMachine();
  std::map<RowKey, int> rowOf;
  std::vector<Row> rows;
  for (std::size_t i = 0; i < walk.states.size(); ++i) {
    const auto [at, added] = rowOf.emplace(RowOf(walk.states[i]), rows.size());
    if (added) rows.emplace_back();
    rows[at->second].members.push_back(static_cast<int>(i));
  }
  for (const WalkStep& step : walk.steps) {
    const int from = rowOf[RowOf(walk.states[step.from])];
    const int to = rowOf[RowOf(walk.states[step.to])];
    bool leaving = false;
    const std::string notice = NoticeWords(step.effects, &leaving);
    if (!notice.empty()) rows[leaving ? from : to].notices.insert(notice);
    if (from != to && Has(step.effects, EffectKind::AskForUser))
      rows[to].flashedOn.insert(Phrase(step.event));
  }

  // In the order of the status codes, the conflict last; then by the box,
  // the wait and how the job goes on.
  const auto order = [&](const Row& row) {
    const WalkedState& state = walk.states[row.members.front()];
    const int text = state.face.text < 0 ? 99 : state.face.text;
    return std::make_tuple(text, state.face.boxOpen, static_cast<int>(state.job.wait.kind),
                           static_cast<int>(state.job.wait.command),
                           static_cast<int>(state.job.progress));
  };
  std::sort(rows.begin(), rows.end(),
            [&](const Row& a, const Row& b) { return order(a) < order(b); });

  RulesTable table;
  table.headers = {
      "Status line",          "\"Exit\"", "PC kept awake", "Taskbar button, Windows 7 and later",
      "Windows XP and Vista", "Wait",     "Its limit",     "Tooltip's alarm line past the limit",
      "Notify command"};
  for (const Row& row : rows) {
    const WalkedState& first = walk.states[row.members.front()];
    const JobState& job = first.job;
    const bool waits = job.wait.kind != JobWaitKind::None;
    std::string status = ShownText(first.face);
    if (first.face.boxOpen) status += ", the \"Occupied\" box open";
    std::string flash = row.flashedOn.empty() ? "" : "flashes after " + Joined(row.flashedOn);
    std::string button = ButtonState(TaskbarShows(job.progress, false));
    if (!flash.empty()) button += "; " + flash;
    if (waits)
      button += std::string("; past the limit: ") + ButtonState(TaskbarShows(job.progress, true)) +
                ", and it flashes";
    std::string old = flash.empty() ? "nothing" : flash;
    if (waits) old += "; past the limit it flashes";
    table.rows.push_back({status, ExitRule(walk, row.members),
                          KeepsAwake(job.progress) ? "yes" : "no", button, old, WaitWords(job.wait),
                          LimitWords(job.wait.kind), AlarmLine(job), Joined(row.notices, "; ")});
  }
  return table;
}

namespace {

std::string Escaped(const std::string& text, bool markdown) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '|' && markdown)
      out += "\\|";
    else
      out += c;
  }
  return out;
}

}  // namespace

std::string RulesTableHtml(const RulesTable& table) {
  std::string html = "<table class=\"rules\">\n<tr>";
  for (const std::string& header : table.headers) html += "<th>" + Escaped(header, false) + "</th>";
  html += "</tr>\n";
  for (const auto& row : table.rows) {
    html += "<tr>";
    for (const std::string& cell : row) html += "<td>" + Escaped(cell, false) + "</td>";
    html += "</tr>\n";
  }
  return html + "</table>\n";
}

std::string RulesTableMarkdown(const RulesTable& table) {
  std::string md = "|";
  std::string rule = "|";
  for (const std::string& header : table.headers) {
    md += " " + Escaped(header, true) + " |";
    rule += "---|";
  }
  md += "\n" + rule + "\n";
  for (const auto& row : table.rows) {
    md += "|";
    for (const std::string& cell : row) md += " " + Escaped(cell, true) + " |";
    md += "\n";
  }
  return md;
}

bool HasTableMarkers(const std::string& text) {
  const std::size_t begin = text.find(kBegin);
  return begin != std::string::npos && text.find(kEnd, begin) != std::string::npos;
}

std::string WithTable(const std::string& text, const std::string& table) {
  const std::size_t begin = text.find(kBegin);
  const std::size_t end = text.find(kEnd, begin);
  const std::size_t from = begin + std::string(kBegin).size();
  return text.substr(0, from) + "\n" + table + text.substr(end);
}

}  // namespace sc
