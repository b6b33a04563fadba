#include <gtest/gtest.h>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

class DesktopContract : public ::testing::Test {
 protected:
  void SetUp() override { backend_ = makeContractBackend(); }
  Desktop& desktop() { return backend_->platform().desktop; }
  std::unique_ptr<ContractBackend> backend_;
};

TEST_F(DesktopContract, FindsAWindowByItsWholeTitleInAnyCase) {
  const WindowHandle window = backend_->openWindow("Spoolcat Contract Player");
  ASSERT_NE(0u, window);
  EXPECT_EQ(window, desktop().findWindowByTitle("Spoolcat Contract Player"));
  EXPECT_EQ(window, desktop().findWindowByTitle("SPOOLCAT contract player"));
  EXPECT_EQ(0u, desktop().findWindowByTitle("Spoolcat Contract"));
  EXPECT_EQ(0u, desktop().findWindowByTitle("Spoolcat Contract Player 2"));
}

TEST_F(DesktopContract, WindowGoesAwayOnClose) {
  const WindowHandle window = backend_->openWindow("Spoolcat Contract Closing");
  ASSERT_EQ(window, desktop().findWindowByTitle("Spoolcat Contract Closing"));
  desktop().sendClose(window);
  EXPECT_EQ(0u, desktop().findWindowByTitle("Spoolcat Contract Closing"));
}

}  // namespace
}  // namespace sc::contract
