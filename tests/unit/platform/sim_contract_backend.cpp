// The simulated side of the platform contract.
#include <gtest/gtest.h>

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
  }
  ~SimContractBackend() override {
    // Every key a test opens it must close; only the sim can see that.
    for (const std::string& key : sim_.registry.openKeys()) ADD_FAILURE() << "left open: " << key;
  }

  Platform platform() override { return sim_.platform(); }
  std::string scratchKey() override { return "Software\\SpoolcatContract\\Test"; }
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
  bool threadsRun() const override { return false; }
  void runToEnd(ThreadHandle thread) override { sim_.threads.run(thread); }

 private:
  sim::SimPlatform sim_;
};

}  // namespace

std::unique_ptr<ContractBackend> makeContractBackend() {
  return std::make_unique<SimContractBackend>();
}

}  // namespace sc::contract
