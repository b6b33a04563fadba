// Keeping the PC awake and the reason for a refused end of the session.
#include <gtest/gtest.h>

#include <memory>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

class SessionContract : public ::testing::Test {
 protected:
  void SetUp() override { backend_ = makeContractBackend(); }
  Session& session() { return backend_->platform().session; }

  std::unique_ptr<ContractBackend> backend_;
};

// Each call tells what the one before it asked for, so a release is seen to
// undo the request and a second release finds nothing to undo.
TEST_F(SessionContract, AReleaseUndoesTheRequestToKeepThePcAwake) {
  session().keepAwake(true);
  EXPECT_TRUE(session().keepAwake(true));
  EXPECT_TRUE(session().keepAwake(false));
  EXPECT_FALSE(session().keepAwake(false));
}

// Windows takes a reason only for a window of the calling thread; no window
// is never one.
TEST_F(SessionContract, AReasonForNoWindowIsRefusedAndItsWithdrawalIsHarmless) {
  EXPECT_FALSE(session().giveShutdownReason(0, "A reason"));
  session().withdrawShutdownReason(0);
  session().withdrawShutdownReason(backend_->openWindow("Spoolcat contract"));
}

}  // namespace
}  // namespace sc::contract
