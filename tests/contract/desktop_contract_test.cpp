#include <gtest/gtest.h>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

class DesktopContract : public ::testing::Test {
 protected:
  void SetUp() override { backend_ = makeContractBackend(); }
  Desktop& desktop() { return backend_->platform().desktop; }
  // Under Wine a window needs a display (Xvfb); without one there is nothing
  // to hold the real desktop to.
  WindowHandle open(const std::string& title) {
    const WindowHandle window = backend_->openWindow(title);
    if (window == 0) ADD_FAILURE() << "could not open a window; is there a display?";
    return window;
  }
  std::unique_ptr<ContractBackend> backend_;
};

TEST_F(DesktopContract, FindsAWindowByItsWholeTitleInAnyCase) {
  const WindowHandle window = open("Spoolcat Contract Player");
  if (window == 0) return;
  EXPECT_EQ(window, desktop().findWindowByTitle("Spoolcat Contract Player"));
  EXPECT_EQ(window, desktop().findWindowByTitle("SPOOLCAT contract player"));
  EXPECT_EQ(0u, desktop().findWindowByTitle("Spoolcat Contract"));
  EXPECT_EQ(0u, desktop().findWindowByTitle("Spoolcat Contract Player 2"));
}

TEST_F(DesktopContract, WindowGoesAwayOnClose) {
  const WindowHandle window = open("Spoolcat Contract Closing");
  if (window == 0) return;
  ASSERT_EQ(window, desktop().findWindowByTitle("Spoolcat Contract Closing"));
  desktop().sendClose(window);
  EXPECT_EQ(0u, desktop().findWindowByTitle("Spoolcat Contract Closing"));
}

}  // namespace
}  // namespace sc::contract
