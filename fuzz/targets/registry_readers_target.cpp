// Every reader of the registry on a simulated registry filled from the input:
// values of any type and size (none, empty, without their zero, longer than
// their buffers), keys missing, denied or failing, unit names longer than
// their 32-byte buffer. The readers run alone and then inside a starting and
// closing main window. Whatever is stored, what they return fits its buffer
// with its zero, and every key they open is closed again.
#include <cstring>

#include "fuzz_input.h"
#include "fuzz_targets.h"
#include "player/player_discovery.h"
#include "robot/manager_locator.h"
#include "robot/robot_status.h"
#include "settings/settings_store.h"
#include "support/main_window_rig.h"

namespace sc::fuzz {

namespace {

using testing::kITunesKey;
using testing::kOwnKey;
using testing::kProgramDir;
using testing::kRobotKey;
using testing::kWmpKey;

struct Place {
  RegRoot root;
  std::string path;
};

RegRoot Other(RegRoot root) {
  return root == RegRoot::LocalMachine ? RegRoot::CurrentUser : RegRoot::LocalMachine;
}

std::string FullPath(RegRoot root, const std::string& path) {
  return (root == RegRoot::LocalMachine ? "HKLM\\" : "HKCU\\") + path;
}

class HostileRegistry final : public testing::MainWindowRig {
 public:
  std::string Play(FuzzInput& in) {
    Fill(in);
    std::string failure = RunReaders();
    if (failure.empty()) failure = RunWindow();
    return failure;
  }

 private:
  void Fill(FuzzInput& in) {
    const std::uint8_t flags = in.Byte();
    root_ = flags & 1 ? RegRoot::LocalMachine : RegRoot::CurrentUser;
    sim.system.setMajorVersion(root_ == RegRoot::LocalMachine ? 5 : 6);
    std::string module = std::string(kProgramDir) + "\\spoolcat.exe";
    // GetModuleFileNameA gives at most 259 characters, none of them a zero.
    if (flags & 2) module = std::string(in.Text(in.Uint16() % 300).c_str()).substr(0, 259);
    sim.system.setModulePath(module);
    const std::size_t slash = module.rfind('\\');
    if (flags & 4 && slash != std::string::npos) {
      const std::string manager = module.substr(0, slash) + "\\ketmgr.exe";
      if (flags & 8)
        sim.files.addDirectory(manager);
      else
        sim.files.addFile(manager, flags & 16 ? kFileAttributeArchive : 0);
    }
    for (int record = 0; record < 64 && !in.empty(); ++record) Record(in);
  }

  Place SomeKey(FuzzInput& in) {
    const std::string robot = kRobotKey;
    switch (in.Choice(12)) {
      case 0:
        return {root_, kOwnKey};
      case 1:
        return {root_, robot};
      case 2:
        return {root_, robot + "\\Unit1"};
      case 3:
        return {root_, robot + "\\Unit2"};
      case 4:
        return {root_, robot + "\\Unit1\\Writer1"};
      case 5:
        return {root_, robot + "\\Unit1\\Writer2"};
      case 6:
        return {root_, robot + "\\Unit2\\Writer1"};
      case 7:
        return {RegRoot::LocalMachine, kWmpKey};
      case 8:
        return {RegRoot::LocalMachine, kITunesKey};
      case 9:
        return {Other(root_), kOwnKey};
      case 10:
        return {root_, robot + "\\" + in.Text(in.Byte() % 64)};
      default:
        return {root_, robot + "\\" + in.Text(in.Byte() % 64) + "\\Writer1"};
    }
  }

  static std::string SomeValueName(FuzzInput& in) {
    static const char* const kNames[] = {"",
                                         kRobotReportValue,
                                         "Online",
                                         "Writers",
                                         kRippingApplicationValue,
                                         kImportUnknownValue,
                                         kUnloadToAlternateValue,
                                         kReplaceSongsValue,
                                         "Installation Directory"};
    const std::size_t name = in.Choice(10);
    return name < 9 ? kNames[name] : in.Text(in.Byte());
  }

  static std::uint32_t SomeType(FuzzInput& in) {
    static const std::uint32_t kTypes[] = {kRegSz,    kRegSz, 2,        kRegBinary, kRegDword,
                                           kRegDword, 7,      kRegNone, 11};
    const std::size_t type = in.Choice(10);
    return type < 9 ? kTypes[type] : in.Uint32();
  }

  void Record(FuzzInput& in) {
    static const char* const kOperations[] = {"createKey",  "openKey",  "openSubKey",
                                              "queryValue", "setValue", "enumKey"};
    static const long kErrors[] = {kErrorAccessDenied, kErrorFileNotFound, kErrorMoreData,
                                   kErrorInvalidHandle};
    switch (in.Choice(8)) {
      case 0:
        sim.registry.addKey(root_, SomeKey(in).path);
        break;
      case 1: {
        const Place place = SomeKey(in);
        const std::uint32_t bits[] = {0x1, 0x2, 0x8, kKeyAllAccess};
        sim.registry.denyAccess(place.root, place.path, bits[in.Choice(4)]);
        hindered_ = true;
        break;
      }
      case 2: {
        // Closing never fails here: a key the program could not close is
        // not one it left open.
        const char* operation = kOperations[in.Choice(6)];
        const long error = kErrors[in.Choice(4)];
        const Place place = SomeKey(in);
        const std::string subject = in.Choice(2) ? FullPath(place.root, place.path) : "";
        sim.registry.failures().always(operation, error, subject);
        hindered_ = true;
        break;
      }
      default: {
        const Place place = SomeKey(in);
        const std::string name = SomeValueName(in);
        const std::uint32_t type = SomeType(in);
        sim.registry.putValue(place.root, place.path, name, {type, in.Bytes(in.Uint16() % 1100)});
        break;
      }
    }
  }

  std::string KeysLeftOpen(const char* reader) {
    const std::vector<std::string> open = sim.registry.openKeys();
    return open.empty() ? "" : std::string(reader) + " left " + open.front() + " open";
  }

  std::string RunReaders() {
    const std::string manager = LocateManager(sim.platform(), root_);
    if (manager.size() > 259 || manager.find('\0') != std::string::npos)
      return "a manager path of " + std::to_string(manager.size()) + " characters";
    if (std::string failure = KeysLeftOpen("LocateManager"); !failure.empty()) return failure;

    const StoredSettings settings = LoadSettingsFrom(sim.registry, root_, sim.system.modulePath());
    const auto& name = settings.savedPlayerName;
    if (std::memchr(name.data(), 0, name.size()) == nullptr)
      return "the saved player name fills its buffer without a zero";
    if (std::string failure = KeysLeftOpen("LoadSettingsFrom"); !failure.empty()) return failure;

    const RobotReport report = ReadRobotReport(sim.registry, root_);
    if (report.status != RobotReport::Status::Ready && !report.writers.empty())
      return "writers listed from a report that is not Ready";
    for (const std::string& writer : report.writers) {
      if (writer.size() > kMaxWriterTextLength || writer.find('\0') != std::string::npos)
        return "a writer text of " + std::to_string(writer.size()) + " characters";
    }
    if (std::string failure = KeysLeftOpen("ReadRobotReport"); !failure.empty()) return failure;

    const InstalledPlayers players = FindInstalledPlayers(sim.registry);
    const std::string wmpFile = "\\wmplayer.exe";
    if (players.wmpPath &&
        (players.wmpPath->size() > 259 || players.wmpPath->size() < wmpFile.size() ||
         players.wmpPath->compare(players.wmpPath->size() - wmpFile.size(), wmpFile.size(),
                                  wmpFile) != 0))
      return "Windows Media Player's path \"" + *players.wmpPath + "\"";
    if (players.iTunesCommand && players.iTunesCommand->size() > 259)
      return "an iTunes command of " + std::to_string(players.iTunesCommand->size()) +
             " characters";
    if (std::string failure = KeysLeftOpen("FindInstalledPlayers"); !failure.empty())
      return failure;

    const std::string saved = TextOf(name);
    SaveSettingsTo(sim.registry, root_, saved, settings.importUnknownCd,
                   settings.unloadUnknownToAlternate, settings.replaceExistingSongs);
    if (std::string failure = KeysLeftOpen("SaveSettingsTo"); !failure.empty()) return failure;
    // What was saved reads back as it was, unless the key is kept from us.
    if (!hindered_ && sim.registry.hasKey(root_, kOwnKey) &&
        sim.registry.stringValue(root_, kOwnKey, kRippingApplicationValue) != saved)
      return "the player name \"" + saved + "\" was not saved as it was";
    return "";
  }

  // The main window starts on the same registry, reads the robot's report
  // when the manager says so, and closes, saving its settings.
  std::string RunWindow() {
    Start();
    NotifyAndSettle({"Autoloader", "Check", "", ""});
    Advance(100);
    if (std::string failure = KeysLeftOpen("the starting window"); !failure.empty()) return failure;
    form->btnExit.setEnabled(true);
    if (!form->close()) return "the window did not close with \"Exit\" enabled";
    return KeysLeftOpen("the closing window");
  }

  RegRoot root_ = RegRoot::CurrentUser;
  bool hindered_ = false;
};

}  // namespace

std::string ReadHostileRegistry(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  return HostileRegistry().Play(in);
}

}  // namespace sc::fuzz
