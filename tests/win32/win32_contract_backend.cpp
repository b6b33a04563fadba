// The real side of the platform contract, run under Wine.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>

#include "contract/contract_backend.h"
#include "platform/win32/win32_platform.h"
#include "win32/win32_fixtures.h"

namespace sc::contract {
namespace {

namespace fs = std::filesystem;

constexpr char kContractKey[] = "Software\\SpoolcatContract";

std::string uniqueName() {
  static std::atomic<int> counter{0};
  return std::to_string(win32::currentProcessId()) + "-" + std::to_string(++counter);
}

class Win32ContractBackend final : public ContractBackend {
 public:
  ~Win32ContractBackend() override {
    for (const std::string& name : variables_) win32::removeEnvironmentVariable(name);
    for (WindowHandle window : windows_) win32::destroyPlainWindow(window);
    for (const std::string& key : keys_) {
      EXPECT_TRUE(win32::deleteRegistryTree(RegRoot::CurrentUser, key)) << key;
    }
    // Only succeeds once no other run has keys under it.
    win32::deleteRegistryTree(RegRoot::CurrentUser, kContractKey);
    std::error_code ignored;
    for (const std::string& folder : folders_) fs::remove_all(folder, ignored);
  }

  Platform platform() override { return real_.platform(); }

  std::string scratchKey() override {
    keys_.push_back(std::string(kContractKey) + "\\" + uniqueName());
    return keys_.back();
  }

  std::string scratchName() override { return "SpoolcatContract-" + uniqueName(); }

  std::string scratchFolder() override {
    const fs::path folder = fs::temp_directory_path() / ("SpoolcatContract-" + uniqueName());
    fs::create_directories(folder);
    folders_.push_back(folder.string());
    return folders_.back();
  }
  void makeFolder(const std::string& path) override { fs::create_directories(path); }
  void makeFile(const std::string& path) override { std::ofstream(path) << "contract\n"; }

  std::string fixedDriveRoot() override { return "C:\\"; }
  // Wine maps only C: and Z: in a fresh prefix.
  std::string missingDriveRoot() override { return "Q:\\"; }

  WindowHandle openWindow(const std::string& title) override {
    windows_.push_back(win32::createPlainWindow(title));
    return windows_.back();
  }
  WindowHandle openWindowStuckOnClose(const std::string& title) override {
    stuck_.push_back(std::make_unique<win32::StuckOnCloseWindow>(title));
    return stuck_.back()->window();
  }

  void minimize(WindowHandle window) override { win32::minimizeWindow(window); }
  bool minimized(WindowHandle window) override { return win32::isMinimized(window); }
  WindowHandle foreground() override { return win32::foregroundWindow(); }

  Dialog openDialog(const std::string& className, int left,
                    const std::vector<Control>& controls) override {
    Dialog dialog;
    dialog.window = win32::createDialogWindow(className, left);
    if (dialog.window == 0) return dialog;
    windows_.push_back(dialog.window);
    for (const Control& control : controls) {
      dialog.controls.push_back(win32::addControl(dialog.window, control.className, control.text,
                                                  control.x, control.visible));
    }
    return dialog;
  }
  int clicks(const Dialog& dialog, WindowHandle button) override {
    return win32::buttonClicks(dialog.window, button);
  }

  int wakesReceived(WindowHandle window) override { return win32::takeWakeMessages(window); }

  void setVariable(const std::string& name, const std::string& value) override {
    win32::setEnvironmentVariable(name, value);
    variables_.push_back(name);
  }
  // cmd.exe as a user would write it: the contract's command line is given
  // as written, so only a program that reads its own line can redirect.
  std::string probeCommand() override {
    probeFolder_ = scratchFolder();
    const std::string out = probeFolder_ + "\\probe.txt";
    return "cmd.exe /c cd > \"" + out + "\" & set SPOOLCAT_ >> \"" + out + "\" & echo done> \"" +
           probeFolder_ + "\\probe.done\"";
  }
  std::string probeReport() override {
    for (int tries = 0; tries < 200 && !fs::exists(probeFolder_ + "\\probe.done"); ++tries)
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::ifstream file(probeFolder_ + "\\probe.txt", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  bool threadsRun() const override { return true; }
  void runToEnd(ThreadHandle) override {}

 private:
  win32::Win32Platform real_;
  std::vector<std::string> keys_;
  std::vector<std::string> folders_;
  std::vector<std::string> variables_;
  std::string probeFolder_;
  std::vector<WindowHandle> windows_;
  std::vector<std::unique_ptr<win32::StuckOnCloseWindow>> stuck_;
};

}  // namespace

std::unique_ptr<ContractBackend> makeContractBackend() {
  return std::make_unique<Win32ContractBackend>();
}

}  // namespace sc::contract
