// The fixture of every end-to-end test: a clean registry, a fresh install
// folder named after the test, and nothing left running afterwards.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {

class SpoolcatE2e : public ::testing::Test {
 public:
  enum class Player { MediaPlayer, ITunes };

 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts the substitute robot manager beside the program, with its robot.ini.
  void AddManager(const std::string& robotIni);
  // The substitute manager's log beside it.
  std::string ManagerLog() const { return install_->file("ketmgr.log"); }
  // The command lines the manager was started with, in order.
  std::vector<std::string> ManagerCommands() const;
  // The robot as the manager left it (robot.state): name -> value. Each
  // manager saves it after its notice, so wait for them to finish first.
  std::map<std::string, std::string> RobotState() const;
  bool WaitForManagersToFinish(DWORD timeoutMs) const;

  // Installs a substitute player in its own folder, with its <name>.ini, and
  // registers it where the program looks for it.
  void AddPlayer(Player player, const std::string& ini);
  std::string PlayerLog(Player player) const;

  // Starts spoolcat.exe from the install folder and waits for its main window
  // (the one captioned "Spoolcat:" that belongs to the started process).
  void StartSpoolcat() { StartSpoolcatAt(install_->file("spoolcat.exe")); }
  // The same for a copy elsewhere (an installed one), started in its folder.
  void StartSpoolcatAt(const std::string& exe);
  // Started with Wine's debug channels `channels` on, traced into TraceFile().
  void StartSpoolcatTraced(const std::string& channels);
  std::string TraceFile() const { return install_->file("trace.log"); }
  // Waits until the status line reads `text`, with or without the
  // animation's blank and dots.
  bool WaitForStatus(const std::string& text, DWORD timeoutMs);
  // Waits for "Job Done" for as long as the job moves: false once neither
  // the manager's nor a player's log has grown for `stallMs`.
  bool WaitForJobDone(DWORD stallMs);
  // Clicks an option box unless it already shows `checked`, and waits for it.
  void SetOption(int id, bool checked);
  // The close box and a click on the disabled "Exit" both leave the window
  // and the program as they were.
  void ExpectEveryCloseRefused();
  std::string Status() const { return Text(Control(main_, kStatus)); }

  void FindMainWindow();

  std::unique_ptr<InstallDir> install_;
  // The desktop StartSpoolcat starts the program on; empty: the test's own.
  std::string desktop_;
  Process spoolcat_;
  HWND main_ = nullptr;
};

}  // namespace e2e
