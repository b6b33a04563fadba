// Manager command lines with writer texts of any bytes. Built directly, a
// line is the whole of its pairs or, when that does not fit the 2048-byte
// buffer, nothing: a cut line would ask the manager for something else.
// Built by the main window from the robot software's writer list, every
// command of a job names the writer whole, as the list holds it.
#include "fuzz_input.h"
#include "fuzz_targets.h"
#include "robot/manager_command.h"
#include "support/main_window_rig.h"

namespace sc::fuzz {

namespace {

constexpr std::size_t kLineBuffer = 2048;

// What a value is to the C formatting: its bytes up to the first zero.
std::string AsCText(const std::string& text) { return std::string(text.c_str()); }

std::string CheckDirectLine(const std::string& action, const std::string& caller,
                            const std::string& writer) {
  std::vector<CommandPair> pairs = {{"caller", caller}};
  if (action == "Check") {
    pairs.push_back({"action", action});
  } else if (action == "Release") {
    pairs.push_back({"target", writer});
    pairs.push_back({"action", action});
  } else {
    pairs.push_back({"action", action});
    pairs.push_back({"target", writer});
  }
  std::string whole;
  for (const CommandPair& pair : pairs)
    whole += (whole.empty() ? "--" : " --") + pair.first + " " + AsCText(pair.second);

  const std::optional<std::string> line = BuildManagerCommand(pairs);
  if (whole.size() < kLineBuffer) {
    if (line != whole)
      return "the line for \"" + whole + "\" came out as \"" + line.value_or("") + "\"";
  } else if (line) {
    return "a line of " + std::to_string(whole.size()) + " characters was built as one of " +
           std::to_string(line->size());
  }
  return "";
}

// A main window whose robot report lists one writer with the given stored
// bytes, through a job: Check, Ready, "Ripping", the load, the disc leaving
// (when the writer's text starts with a drive letter), the unload, the next
// load refused, Release.
class JobRig final : public testing::MainWindowRig {
 public:
  std::string Play(const std::vector<std::uint8_t>& stored, std::uint32_t type) {
    InstallManagerAndPlayers();
    PublishWriters({""});
    sim.registry.putValue(testing::kUser, std::string(testing::kRobotKey) + "\\Unit1\\Writer1", "",
                          {type, stored});
    // The list's text: the stored bytes up to a zero, cut to the 127
    // characters of a writer's buffer.
    std::string writer(stored.begin(), stored.end());
    writer = AsCText(writer).substr(0, 127);
    const char drive = writer.empty() ? 0 : writer[0];
    if (drive >= 'A' && drive <= 'Z') sim.files.setDriveType(drive, kDriveCdrom);

    Start();
    NotifyAndSettle({"Autoloader", "Check", "", ""});
    Advance(100);
    form->btnWMP.click();
    if (drive >= 'A' && drive <= 'Z') {
      NotifyAndSettle({"Autoloader", "load", "OK", ""});
      Volume(kDbtDeviceRemoveComplete, 1u << (drive - 'A'));
      NotifyAndSettle({"Autoloader", "unload", "OK", ""});
    }
    NotifyAndSettle({"Autoloader", "load", "Error", "No disc"});

    const std::string caller = std::string("--caller ") + kMainCaption;
    for (const std::string& line : ManagerCommands()) {
      if (line != caller + " --action Check" &&
          line != caller + " --action load --target " + writer &&
          line != caller + " --action unload --target " + writer &&
          line != caller + " --target " + writer + " --action Release")
        return "the window sent \"" + line + "\" for the writer \"" + writer + "\"";
    }
    if (LastManagerCommand() != caller + " --target " + writer + " --action Release")
      return "the job with the writer \"" + writer + "\" did not end with its Release";
    return "";
  }
};

}  // namespace

std::string BuildCommandLines(const std::uint8_t* data, std::size_t size) {
  static const char* const kActions[] = {"Check", "load", "unload", "reject", "Release"};
  // The choices first, the texts last: an input cut short keeps its choices.
  FuzzInput in(data, size);
  const std::uint32_t type = in.Choice(4) == 0 ? kRegBinary : kRegSz;
  const std::string action = kActions[in.Choice(5)];
  const bool ownCaller = in.Choice(4) != 0;
  const std::vector<std::uint8_t> stored = in.Bytes(in.Uint16() % 4200);
  const std::string caller = ownCaller ? kMainCaption : in.Text(in.Uint16() % 2100);
  const std::string failure =
      CheckDirectLine(action, caller, std::string(stored.begin(), stored.end()));
  if (!failure.empty()) return failure;
  return JobRig().Play(stored, type);
}

}  // namespace sc::fuzz
