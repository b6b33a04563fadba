// The simulated side of the platform contract.
#include <gtest/gtest.h>

#include <algorithm>

#include "contract/contract_backend.h"
#include "platform/sim/sim_platform.h"

namespace sc::contract {
namespace {

class SimContractBackend final : public ContractBackend {
 public:
  SimContractBackend() {
    sim_.files.setDriveType('C', kDriveFixed);
    sim_.system.setModulePath("C:\\Tests\\unit_tests.exe");
    sim_.system.setCommandLine("\"C:\\Tests\\unit_tests.exe\" --gtest_brief=1");
    sim_.files.addDirectory("C:\\Users\\Night");
    sim_.launcher.install(kProbe, [this](const sim::LaunchCall& call) { Probe(call); });
  }
  ~SimContractBackend() override {
    // Every key a test opens it must close; only the sim can see that.
    for (const std::string& key : sim_.registry.openKeys()) ADD_FAILURE() << "left open: " << key;
  }

  Platform platform() override { return sim_.platform(); }
  std::string scratchKey() override { return "Software\\SpoolcatContract\\Test"; }
  std::string scratchName() override { return "SpoolcatContract"; }
  std::string scratchFolder() override {
    sim_.files.addDirectory("C:\\Temp\\SpoolcatContract");
    return "C:\\Temp\\SpoolcatContract";
  }
  void makeFolder(const std::string& path) override { sim_.files.addDirectory(path); }
  void makeFile(const std::string& path) override { sim_.files.addFile(path); }
  std::string fixedDriveRoot() override { return "C:\\"; }
  std::string missingDriveRoot() override { return "Q:\\"; }
  WindowHandle openWindow(const std::string& title) override {
    return sim_.desktop.addWindow(title);
  }
  WindowHandle openWindowStuckOnClose(const std::string& title) override {
    return sim_.desktop.addWindow(title, sim::SimDesktop::OnClose::Hangs);
  }
  void minimize(WindowHandle window) override { sim_.desktop.setMinimized(window, true); }
  bool minimized(WindowHandle window) override { return sim_.desktop.isMinimized(window); }
  WindowHandle foreground() override { return sim_.desktop.foreground(); }
  Dialog openDialog(const std::string& className, int left,
                    const std::vector<Control>& controls) override {
    Dialog dialog;
    dialog.window = sim_.desktop.addTopLevel(className, "Spoolcat Contract Dialog");
    sim_.desktop.setLeft(dialog.window, left);
    for (const Control& control : controls) {
      dialog.controls.push_back(sim_.desktop.addChild(dialog.window, control.className,
                                                      control.text, control.visible,
                                                      left + kBorder + control.x));
    }
    sim_.desktop.setMouseHook([this](const sim::DesktopInput& input) { pressButton(input); });
    return dialog;
  }
  int clicks(const Dialog&, WindowHandle button) override {
    return static_cast<int>(std::count(clicked_.begin(), clicked_.end(), button));
  }
  int wakesReceived(WindowHandle window) override {
    const std::vector<WindowHandle> wakes = sim_.desktop.takeWakes();
    return static_cast<int>(std::count(wakes.begin(), wakes.end(), window));
  }
  void setVariable(const std::string& name, const std::string& value) override {
    sim_.launcher.setVariable(name, value);
  }
  std::string probeCommand() override { return std::string(kProbe) + " --report"; }
  std::string probeReport() override { return report_; }
  bool threadsRun() const override { return false; }
  void runToEnd(ThreadHandle thread) override { sim_.threads.run(thread); }

 private:
  static constexpr int kBorder = 3;
  static constexpr const char* kProbe = "C:\\Tests\\probe.exe";

  // What the probe program records, as "cd" and "set SPOOLCAT_" would.
  void Probe(const sim::LaunchCall& call) {
    report_ = call.folder + "\r\n";
    std::size_t from = 0;
    while (from < call.environment.size() && call.environment[from] != '\0') {
      const std::string entry = call.environment.c_str() + from;
      if (entry.rfind("SPOOLCAT_", 0) == 0) report_ += entry + "\r\n";
      from += entry.size() + 1;
    }
  }

  // A button clicks when the mouse goes down and then up on it.
  void pressButton(const sim::DesktopInput& input) {
    FixedText<256> name;
    sim_.desktop.className(input.window, name);
    if (!FieldEquals(name, "Button")) return;
    if (input.kind == sim::DesktopInput::Kind::MouseDown) {
      pressed_ = input.window;
    } else if (input.kind == sim::DesktopInput::Kind::MouseUp && pressed_ == input.window) {
      clicked_.push_back(input.window);
      pressed_ = 0;
    }
  }

  sim::SimPlatform sim_;
  std::string report_;
  WindowHandle pressed_ = 0;
  std::vector<WindowHandle> clicked_;
};

}  // namespace

std::unique_ptr<ContractBackend> makeContractBackend() {
  return std::make_unique<SimContractBackend>();
}

}  // namespace sc::contract
