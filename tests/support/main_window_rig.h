// A main window on the simulated Windows and headless widgets, with helpers
// that act as the manager, the robot software and the system would. Free of
// GoogleTest, so the random walker and the fuzz targets stand on it too.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/frm_main.h"
#include "platform/sim/sim_platform.h"
#include "ui/headless/headless_ui.h"

namespace sc::testing {

constexpr RegRoot kUser = RegRoot::CurrentUser;
constexpr RegRoot kMachine = RegRoot::LocalMachine;
constexpr const char* kOwnKey = "SOFTWARE\\Venmora\\Spoolcat";
constexpr const char* kRobotKey = "SOFTWARE\\Venmora\\Kelvomat";
constexpr const char* kWmpKey = "SOFTWARE\\Microsoft\\MediaPlayer";
constexpr const char* kITunesKey = "SOFTWARE\\Clients\\Media\\iTunes\\shell\\open\\command";
constexpr const char* kProgramDir = "C:\\Program Files\\Spoolcat";

struct NoticeFields {
  std::string source = "Autoloader";
  std::string action;
  std::string result;
  std::string detail;
};

std::vector<std::uint8_t> MakeNotice(const NoticeFields& fields);

// The command lines the simulated shell was asked to start the manager with.
std::vector<std::string> ManagerCommandLines(const sim::SimShell& shell);

class MainWindowRig {
 protected:
  MainWindowRig();

  // The manager beside the program and both players installed.
  void InstallManagerAndPlayers();
  void InstallWmp(const std::string& directory = "C:\\Program Files\\Windows Media Player");
  void InstallITunes(const std::string& command = "C:\\Program Files\\iTunes\\iTunes.exe");
  // The robot software's report: "Ready" with one unit holding these writers.
  void PublishWriters(const std::vector<std::string>& writers, RegRoot root = kUser);

  TfrmMain& Construct();
  // Constructor and FormCreate, as the program starts.
  TfrmMain& Start();
  // Start, the manager's "Check" answer and the poll: the window is Ready.
  TfrmMain& StartReady(const std::vector<std::string>& writers = {"E: Writer 1"});
  // Ready, then "Ripping" and the manager's load answer.
  TfrmMain& StartJob();

  void Notify(const NoticeFields& fields);
  // The notice is handed on after 10 ms.
  void NotifyAndSettle(const NoticeFields& fields);
  void Volume(std::uint32_t event, std::uint32_t unitMask,
              std::uint32_t deviceType = kDbtDevtypVolume);
  // The "Autoloader"'s answer to `action`, handed on.
  void Answer(const char* action, const char* result, const char* detail = "");
  // A disc in drive E: is ripped and ejected, then the robot answers the
  // unload (or the reject) with "OK".
  void RipDisc(const char* unloadAction);
  void Advance(std::uint64_t milliseconds) { ui.clock.advance(milliseconds); }
  // The wake messages posted to the main window reach the form, as its
  // message loop would deliver them; how many did.
  int DeliverWakes();

  // The manager command lines sent so far.
  std::vector<std::string> ManagerCommands() const;
  std::string LastManagerCommand() const;

  sim::SimPlatform sim;
  HeadlessUi ui;
  Application application{"Spoolcat", ui.recordedBoxes};
  WatchBlock watch;
  ResponderOptions options;
  DialogWatcherContext watcher{sim.desktop, sim.system, sim.threads, watch, options};
  std::unique_ptr<TfrmMain> form;
};

}  // namespace sc::testing
