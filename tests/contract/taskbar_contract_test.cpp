// The program's taskbar button: where the taskbar object exists (Wine has
// one), a window of the program takes every state and a tooltip; a flash is
// always taken.
#include <gtest/gtest.h>

#include <memory>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

TEST(TaskbarContract, AWindowsButtonTakesEveryStateATooltipAndAFlash) {
  const std::unique_ptr<ContractBackend> backend = makeContractBackend();
  Taskbar& taskbar = backend->platform().taskbar;
  const WindowHandle window = backend->openWindow("Spoolcat contract");
  for (const TaskbarProgress progress : {TaskbarProgress::Indeterminate, TaskbarProgress::Paused,
                                         TaskbarProgress::Error, TaskbarProgress::None})
    EXPECT_TRUE(taskbar.setProgress(window, progress)) << static_cast<int>(progress);
  EXPECT_TRUE(taskbar.setTooltip(window, "3 discs loaded, 2 unloaded, 1 to the reject bin"));
  EXPECT_TRUE(taskbar.setTooltip(window, ""));
  taskbar.flash(window);
}

}  // namespace
}  // namespace sc::contract
