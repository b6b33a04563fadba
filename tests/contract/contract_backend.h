// One side of the platform contract: the simulated Windows natively, the real
// one under Wine. Each test binary links exactly one definition of
// makeContractBackend(). The fixtures a backend prepares (a registry key, a
// folder with files, a window) are the same on both sides, and it removes
// them when destroyed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sc::contract {

class ContractBackend {
 public:
  virtual ~ContractBackend() = default;

  virtual Platform platform() = 0;

  // A path under HKCU that does not exist yet; removed with all below it.
  virtual std::string scratchKey() = 0;
  // A name of a system object that nobody holds yet, e.g. "SpoolcatContract-7".
  virtual std::string scratchName() = 0;

  // An existing empty folder, e.g. "C:\...\scratch"; removed afterwards.
  virtual std::string scratchFolder() = 0;
  virtual void makeFolder(const std::string& path) = 0;
  virtual void makeFile(const std::string& path) = 0;
  // A fixed disk's root, and a letter's root where no drive is mounted.
  virtual std::string fixedDriveRoot() = 0;
  virtual std::string missingDriveRoot() = 0;

  // A top-level window with this title that closes on WM_CLOSE.
  virtual WindowHandle openWindow(const std::string& title) = 0;
  // A top-level window with this title, on a thread of its own, whose thread
  // gets stuck in WM_CLOSE and reads no message until the backend is gone.
  virtual WindowHandle openWindowStuckOnClose(const std::string& title) = 0;
  // Minimizes one of those windows, tells whether it is, and which window is
  // the foreground one.
  virtual void minimize(WindowHandle window) = 0;
  virtual bool minimized(WindowHandle window) = 0;
  virtual WindowHandle foreground() = 0;

  // A control of a dialog: class "Button", "ListBox" or "Static", at `x` from
  // the left of the dialog's client area.
  struct Control {
    std::string className;
    std::string text;
    int x;
    bool visible;
  };
  struct Dialog {
    WindowHandle window = 0;
    std::vector<WindowHandle> controls;  // in the order asked for
  };
  // A shown top-level window of class `className`, the newest one, with a
  // border a few pixels wide, its left edge at screen x `left`,
  // and these controls created in this order. Closes on WM_CLOSE; window 0 when
  // it cannot be made.
  virtual Dialog openDialog(const std::string& className, int left,
                            const std::vector<Control>& controls) = 0;
  // How many BN_CLICKED `button` has sent its dialog.
  virtual int clicks(const Dialog& dialog, WindowHandle button) = 0;
  // Takes the wake messages waiting for `window` (one that openWindow made):
  // how many there were with no parameters.
  virtual int wakesReceived(WindowHandle window) = 0;

  // Sets a variable of the program's own environment, until the backend is gone.
  virtual void setVariable(const std::string& name, const std::string& value) = 0;
  // A command line that, started, records its current folder and then its
  // SPOOLCAT_* variables, a "NAME=value" line each, lines ended by CR LF; and
  // what the last one recorded, once it has ("" when nothing came in time).
  virtual std::string probeCommand() = 0;
  virtual std::string probeReport() = 0;

  // Whether a created thread runs by itself. When it does not, runToEnd()
  // runs it on the caller's thread.
  virtual bool threadsRun() const = 0;
  virtual void runToEnd(ThreadHandle thread) = 0;
};

std::unique_ptr<ContractBackend> makeContractBackend();

}  // namespace sc::contract
