// The notice receiver and the job controller together: the input is a walk
// for the random walker's stage, so the walker's model judges it after every
// operation. Operations the walker's generator never makes (raw payloads, cut
// notices, raw device changes, hostile registry values) come in here.
#include <algorithm>
#include <cstring>

#include "fuzz_input.h"
#include "fuzz_targets.h"
#include "notice_program.h"
#include "platform/device_broadcast.h"
#include "player/player_discovery.h"
#include "support/path_walker.h"

namespace sc::fuzz {

namespace {

using testing::EventKind;
using testing::WalkEvent;
using testing::WalkSetup;

constexpr std::size_t kMaxOperations = 200;
// A modal loop hands on this many messages at most before its box closes.
constexpr int kMaxEventsInABox = 16;

struct Operation {
  bool closesBox = false;
  WalkEvent event;
};

WalkSetup SetupFrom(FuzzInput& in) {
  const std::uint8_t choice = in.Byte();
  WalkSetup setup;
  setup.players = static_cast<testing::PlayersInstalled>(choice % 3);
  const char* saved[] = {"", kWmpName, kITunesName};
  setup.savedPlayer = saved[choice / 3 % 3];
  setup.manager = static_cast<testing::ManagerPlace>(choice / 9 % 3);
  setup.units = choice / 27 % 2 + 1;
  setup.reportReady = choice / 54 % 2 == 0;
  return setup;
}

char DriveFrom(FuzzInput& in) {
  const std::uint8_t choice = in.Byte();
  if (choice < 128) return 'E';
  if (choice < 192) return 'F';
  return static_cast<char>('A' + choice % 26);
}

// A notice as the manager builds it, of every action, result and detail the
// program knows and a few it does not, whole or cut at any length, or with
// bytes beyond the record.
std::vector<std::uint8_t> WellFormedNotice(FuzzInput& in) {
  static const char* const kActions[] = {"load",  "unload",    "reject", "Refresh",
                                         "Check", "Terminate", "Eject",  ""};
  static const char* const kResults[] = {"OK", "Error", "", "ok"};
  static const char* const kDetails[] = {"", "Occupied", "No disc", "occupied"};
  testing::NoticeFields fields;
  fields.source = in.Choice(8) == 7 ? "autoloader" : "Autoloader";
  fields.action = kActions[in.Choice(8)];
  fields.result = kResults[in.Choice(4)];
  fields.detail = kDetails[in.Choice(4)];
  std::vector<std::uint8_t> payload = testing::MakeNotice(fields);
  switch (in.Choice(4)) {
    case 2:
      payload.resize(in.Uint16() % payload.size());
      break;
    case 3: {
      const std::vector<std::uint8_t> beyond = in.Bytes(in.Byte());
      payload.insert(payload.end(), beyond.begin(), beyond.end());
      break;
    }
    default:
      break;
  }
  return payload;
}

// A record as the system delivers one: at least the 4 bytes of dbch_size,
// and at least as many bytes as dbch_size says.
void RawVolume(FuzzInput& in, WalkEvent& event) {
  const std::uint32_t events[] = {
      kDbtDeviceArrival, kDbtDeviceRemoveComplete, 0x0007, 0x8001, 0x8003, 0x0018};
  const std::size_t which = in.Choice(8);
  event.number = which < 6 ? events[which] : in.Uint32();
  event.noRecord = in.Choice(8) == 0;
  event.bytes = in.Bytes(in.Byte() % 48);
  if (event.bytes.size() < 4) event.bytes.resize(4);
  std::uint32_t size = 0;
  std::memcpy(&size, event.bytes.data(), 4);
  size = std::min<std::uint32_t>(size, static_cast<std::uint32_t>(event.bytes.size()));
  std::memcpy(event.bytes.data(), &size, 4);
}

void RegistryValue(FuzzInput& in, WalkEvent& event) {
  static const char* const kKeys[] = {
      "", "Unit1", "Unit2", "Unit1\\Writer1", "Unit2\\Writer1", "Unit1\\Writer2", "Unit3"};
  static const char* const kNames[] = {"", "Robot Report", "Online", "Writers"};
  static const std::uint32_t kTypes[] = {kRegSz, kRegSz, kRegDword, kRegDword, 3, 7, kRegNone};
  const std::size_t key = in.Choice(8);
  event.key = key < 7 ? kKeys[key] : in.Text(in.Byte() % 48);
  const std::size_t name = in.Choice(5);
  event.valueName = name < 4 ? kNames[name] : in.Text(in.Byte() % 48);
  const std::size_t type = in.Choice(8);
  event.number = type < 7 ? kTypes[type] : in.Uint32();
  event.bytes = in.Bytes(in.Uint16() % 600);
}

Operation OperationFrom(FuzzInput& in) {
  static const std::uint32_t kSteps[] = {1,  5,   9,   10,  11,   19,   20,  21,
                                         99, 100, 101, 999, 1000, 2000, 5000};
  Operation operation;
  WalkEvent& event = operation.event;
  switch (in.Choice(16)) {
    case 0:
      event.kind = EventKind::RawNotice;
      event.bytes = WellFormedNotice(in);
      break;
    case 1:
      event.kind = EventKind::RawNotice;
      event.bytes = in.Bytes(in.Uint16() % 1024);
      break;
    case 2: {
      event.kind = EventKind::TimePasses;
      const std::size_t step = in.Choice(16);
      event.number = step < 15 ? kSteps[step] : in.Uint16();
      break;
    }
    case 3:
      event.kind = EventKind::ClickRipping;
      break;
    case 4:
      event.kind = EventKind::ClickExit;
      break;
    case 5:
      event.kind = EventKind::ClickRadio;
      event.number = static_cast<std::uint32_t>(in.Choice(3));
      break;
    case 6:
      event.kind = EventKind::ClickOption;
      event.number = static_cast<std::uint32_t>(in.Choice(3));
      break;
    case 7:
      event.kind = EventKind::VolumeArrives;
      event.drive = DriveFrom(in);
      break;
    case 8:
      event.kind = EventKind::VolumeLeaves;
      event.drive = DriveFrom(in);
      break;
    case 9:
      event.kind = EventKind::RawVolume;
      RawVolume(in, event);
      break;
    case 10:
      event.kind = EventKind::DriveVanishes;
      event.drive = DriveFrom(in);
      break;
    case 11:
      event.kind = EventKind::DriveReturns;
      event.drive = DriveFrom(in);
      break;
    case 12:
      event.kind = EventKind::RobotRegistry;
      event.ready = in.Choice(4) != 0;
      event.number = static_cast<std::uint32_t>(in.Choice(4));
      break;
    case 13:
      event.kind = EventKind::RegistryValue;
      RegistryValue(in, event);
      break;
    case 14:
      event.kind = EventKind::ResponderDeclines;
      break;
    default:
      operation.closesBox = true;
      break;
  }
  return operation;
}

// While a box is open its modal loop delivers messages, but no clicks on the
// window it covers and no wake from the responder.
bool ComesDuringABox(EventKind kind) {
  switch (kind) {
    case EventKind::ClickRipping:
    case EventKind::ClickExit:
    case EventKind::ClickRadio:
    case EventKind::ClickOption:
    case EventKind::ResponderDeclines:
      return false;
    default:
      return true;
  }
}

class OperationEvents final : public testing::EventSource {
 public:
  explicit OperationEvents(std::vector<Operation> operations)
      : operations_(std::move(operations)) {}
  bool Next(const testing::WalkModel&, int boxesOpen, int eventsInThisBox,
            WalkEvent* event) override {
    while (next_ < operations_.size()) {
      if (boxesOpen > 0 && eventsInThisBox >= kMaxEventsInABox) return false;
      const Operation& operation = operations_[next_++];
      if (operation.closesBox) {
        if (boxesOpen > 0) return false;
        continue;
      }
      if (boxesOpen > 0 && !ComesDuringABox(operation.event.kind)) continue;
      *event = operation.event;
      return true;
    }
    return false;
  }

 private:
  std::vector<Operation> operations_;
  std::size_t next_ = 0;
};

// The set-up and the events played, one a line.
std::string Played(const testing::WalkRun& run) {
  std::string text = "  set-up: " + testing::Describe(run.walk.setup) + "\n";
  for (std::size_t i = 0; i < run.walk.events.size(); ++i) {
    const WalkEvent& event = run.walk.events[i];
    text += "  " + std::to_string(i + 1) + ". ";
    if (event.depth > 0) text += "(inside message box " + std::to_string(event.depth) + ") ";
    text += testing::Describe(event) + "\n";
  }
  return text;
}

std::string Failure(const testing::WalkRun& run) {
  const testing::Violation& violation = run.found.front().violation;
  return std::string("breaks \"") + testing::NameOf(violation.invariant) + "\" [" +
         violation.symptom + "]: " + violation.detail + "\n" + Played(run);
}

}  // namespace

testing::WalkRun RunNoticeProgram(const std::uint8_t* data, std::size_t size,
                                  testing::Driven driven) {
  FuzzInput in(data, size);
  const WalkSetup setup = SetupFrom(in);
  std::vector<Operation> operations;
  while (!in.empty() && operations.size() < kMaxOperations) operations.push_back(OperationFrom(in));
  OperationEvents events(std::move(operations));
  return testing::MakeStage(setup, driven)->Run(events, [](const testing::Violation&) {
    return true;
  });
}

// The same program against the whole window and against the job machine
// alone: the two must keep the invariants and send the same commands.
std::string PlayNoticeProgram(const std::uint8_t* data, std::size_t size) {
  const testing::WalkRun window = RunNoticeProgram(data, size, testing::Driven::Window);
  if (!window.found.empty()) return "the main window " + Failure(window);
  const testing::WalkRun machine = RunNoticeProgram(data, size, testing::Driven::Machine);
  if (!machine.found.empty()) return "the job machine alone " + Failure(machine);
  if (machine.managerCommands != window.managerCommands)
    return "the job machine alone sent other commands than the main window:\n" + Played(window);
  return std::string();
}

}  // namespace sc::fuzz
