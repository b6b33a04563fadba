#include "support/walk_events.h"

#include "player/player_discovery.h"

namespace sc::testing {

namespace {

const char* const kActions[] = {"load",  "unload",    "reject", "Refresh",
                                "Check", "Terminate", "Eject"};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string DescribeNotice(const NoticeFields& notice) {
  std::string text = Quoted(notice.action);
  if (!notice.result.empty() || !notice.detail.empty()) text += " " + Quoted(notice.result);
  if (!notice.detail.empty()) text += " " + Quoted(notice.detail);
  return text;
}

std::string DescribeUnits(std::uint32_t online) {
  if ((online & 3) == 0) return "no writer online";
  std::string text = "writers online:";
  if (online & 1) text += " E:";
  if (online & 2) text += " F:";
  return text;
}

std::string Printable(const std::vector<std::uint8_t>& bytes) {
  static const char kHex[] = "0123456789abcdef";
  std::string text;
  for (std::uint8_t byte : bytes) {
    if (byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '"') {
      text += static_cast<char>(byte);
    } else {
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 15];
    }
  }
  return Quoted(text);
}

}  // namespace

NoticeFields FieldsOfPayload(const std::vector<std::uint8_t>& payload) {
  const auto field = [&](std::size_t offset, std::size_t width) {
    std::string text;
    for (std::size_t i = offset; i < offset + width && i < payload.size() && payload[i] != 0; ++i)
      text += static_cast<char>(payload[i]);
    return text;
  };
  return {field(0, 64), field(64, 32), field(96, 32), field(128, 260)};
}

std::string ManagerPathOf(const WalkSetup& setup) {
  switch (setup.manager) {
    case ManagerPlace::BesideProgram:
      return std::string(kProgramDir) + "\\ketmgr.exe";
    case ManagerPlace::Registered:
      return kRegisteredManager;
    case ManagerPlace::Missing:
      break;
  }
  return "";
}

std::string Describe(const WalkSetup& setup) {
  const char* players[] = {"Windows Media Player", "iTunes", "Windows Media Player and iTunes"};
  const char* managers[] = {"beside the program", "registered at D:\\Robot", "missing"};
  return std::string("players: ") + players[static_cast<int>(setup.players)] +
         "; saved player: " + (setup.savedPlayer.empty() ? "none" : Quoted(setup.savedPlayer)) +
         "; manager " + managers[static_cast<int>(setup.manager)] +
         "; writers: " + (setup.units == 2 ? "E: (Unit1), F: (Unit2)" : "E: (Unit1)") +
         "; Robot Report " + (setup.reportReady ? "\"Ready\"" : "\"Wait\"");
}

std::string Describe(const WalkEvent& event) {
  const std::string drive = std::string(1, event.drive) + ":";
  switch (event.kind) {
    case EventKind::Notice:
      return "notice " + DescribeNotice(event.notice);
    case EventKind::TwoNotices:
      return "two notices within 10 ms: " + DescribeNotice(event.notice) + ", then " +
             DescribeNotice(event.second);
    case EventKind::RobotRegistry:
      return std::string("registry: Robot Report ") + (event.ready ? "\"Ready\"" : "\"Wait\"") +
             ", " + DescribeUnits(event.number);
    case EventKind::VolumeArrives:
      return "volume arrives on " + drive;
    case EventKind::VolumeLeaves:
      return "volume leaves " + drive;
    case EventKind::DriveVanishes:
      return "drive " + drive + " vanishes (with its volume removal)";
    case EventKind::DriveReturns:
      return "drive " + drive + " is back as a CD drive";
    case EventKind::ClickRipping:
      return "click \"Ripping\"";
    case EventKind::ClickExit:
      return "click \"Exit\"";
    case EventKind::ClickRadio:
      return "click player item " + std::to_string(event.number);
    case EventKind::ClickOption: {
      const char* boxes[] = {"Always rip unidentified CD", "Unload unidentified CD to reject bin",
                             "Replace existing songs"};
      return std::string("click option \"") + boxes[event.number % 3] + "\"";
    }
    case EventKind::ResponderDeclines:
      return "the iTunes responder declines an unidentified disc";
    case EventKind::TimePasses:
      return std::to_string(event.number) + " ms pass";
    case EventKind::ManagerVanishes:
      return "the manager is uninstalled";
    case EventKind::ManagerReturns:
      return "the manager is installed again";
    case EventKind::RawNotice:
      return "payload of " + std::to_string(event.bytes.size()) +
             " bytes: " + DescribeNotice(FieldsOfPayload(event.bytes)) + " from " +
             Quoted(FieldsOfPayload(event.bytes).source) + ", bytes " + Printable(event.bytes);
    case EventKind::RawVolume:
      return "WM_DEVICECHANGE event " + std::to_string(event.number) +
             (event.noRecord ? ", no record" : ", record " + Printable(event.bytes));
    case EventKind::RegistryValue:
      return "registry: " + Quoted(event.key) + " value " + Quoted(event.valueName) + " type " +
             std::to_string(event.number) + " = " + Printable(event.bytes);
  }
  return "?";
}

std::uint32_t WalkRandom::Below(std::uint32_t bound) {
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(engine_()) * bound) >> 32);
}

std::size_t WalkRandom::Weighted(const std::vector<std::uint32_t>& weights) {
  std::uint32_t total = 0;
  for (std::uint32_t weight : weights) total += weight;
  std::uint32_t pick = Below(total);
  for (std::size_t i = 0; i < weights.size(); ++i) {
    if (pick < weights[i]) return i;
    pick -= weights[i];
  }
  return weights.size() - 1;
}

RandomEvents::RandomEvents(std::uint32_t seed) : random_(seed) {
  setup_.players = static_cast<PlayersInstalled>(random_.Below(3));
  const char* saved[] = {"", kWmpName, kITunesName};
  setup_.savedPlayer = saved[random_.Below(3)];
  const std::size_t place = random_.Weighted({6, 3, 1});
  setup_.manager = static_cast<ManagerPlace>(place);
  setup_.units = random_.Chance(30) ? 2 : 1;
  setup_.reportReady = random_.Chance(80);
  muteFrom_ = random_.Chance(15) ? static_cast<int>(random_.Below(kMaxEvents)) : kMaxEvents;
}

bool RandomEvents::Next(const std::string& outstanding, int boxesOpen, int eventsInThisBox,
                        WalkEvent* event) {
  if (made_ >= kMaxEvents) return false;
  // The modal loop hands on a few messages, or none, before the box closes.
  if (boxesOpen > 0 && (eventsInThisBox >= 4 || !random_.Chance(eventsInThisBox == 0 ? 50 : 60)))
    return false;
  *event = AnyEvent(outstanding, boxesOpen > 0);
  event->depth = boxesOpen;
  ++made_;
  return true;
}

WalkEvent RandomEvents::AnyEvent(const std::string& outstanding, bool boxOpen) {
  const bool mute = made_ >= muteFrom_;
  const std::uint32_t notices = mute ? 0 : outstanding.empty() ? 8 : 30;
  // Clicks, and the responder's answer that the window thread runs, wait
  // until no modal loop runs.
  const std::uint32_t idle = boxOpen ? 0 : 1;
  const std::vector<std::uint32_t> weights = {
      notices,         // Notice
      mute ? 0u : 3u,  // TwoNotices
      5,               // RobotRegistry
      8,               // VolumeArrives
      10,              // VolumeLeaves
      2,               // DriveVanishes
      2,               // DriveReturns
      8 * idle,        // ClickRipping
      1 * idle,        // ClickExit, which mostly ends the walk
      3 * idle,        // ClickRadio
      3 * idle,        // ClickOption
      3 * idle,        // ResponderDeclines
      15,              // TimePasses
      1,               // ManagerVanishes
      2,               // ManagerReturns
  };
  WalkEvent event;
  event.kind = static_cast<EventKind>(random_.Weighted(weights));
  switch (event.kind) {
    case EventKind::Notice:
      event.notice =
          !outstanding.empty() && random_.Chance(60) ? AnswerTo(outstanding) : StrayNotice();
      break;
    case EventKind::TwoNotices:
      event.notice = !outstanding.empty() ? AnswerTo(outstanding) : StrayNotice();
      event.second = StrayNotice();
      if (random_.Chance(50)) std::swap(event.notice, event.second);
      break;
    case EventKind::RobotRegistry:
      event.ready = random_.Chance(75);
      event.number = random_.Below(1u << setup_.units);
      break;
    case EventKind::VolumeArrives:
    case EventKind::VolumeLeaves:
      event.drive = SomeDrive();
      break;
    case EventKind::DriveVanishes:
    case EventKind::DriveReturns:
      event.drive = 'E';
      break;
    case EventKind::ClickRadio:
      event.number = random_.Below(2);
      break;
    case EventKind::ClickOption:
      event.number = random_.Below(3);
      break;
    case EventKind::TimePasses: {
      // Now and then longer than the walks' limits of a job's waits.
      const std::uint32_t steps[] = {10, 20, 100, 1000, 2000};
      event.number = random_.Chance(4) ? 61000 : steps[random_.Below(5)];
      break;
    }
    default:
      break;
  }
  return event;
}

NoticeFields RandomEvents::AnswerTo(const std::string& action) {
  if (action == "Check") return {"Autoloader", random_.Chance(50) ? "Check" : "Refresh", "", ""};
  if (action == "load") {
    switch (random_.Weighted({70, 15, 15})) {
      case 0:
        return {"Autoloader", "load", "OK", ""};
      case 1:
        return {"Autoloader", "load", "Error", "Occupied"};
      default:
        return {"Autoloader", "load", "Error", "No disc"};
    }
  }
  return {"Autoloader", action, random_.Chance(85) ? "OK" : "Error", ""};
}

NoticeFields RandomEvents::StrayNotice() {
  const std::string action = kActions[random_.Below(7)];
  const std::string result = random_.Chance(50) ? "OK" : "Error";
  const bool occupied = action == "load" && result != "OK" && random_.Chance(40);
  return {"Autoloader", action, result, occupied ? "Occupied" : ""};
}

char RandomEvents::SomeDrive() {
  switch (random_.Weighted({70, 15, 15})) {
    case 0:
      return 'E';
    case 1:
      return 'F';
    default:
      return 'D';
  }
}

}  // namespace sc::testing
