// The claim that keeps a second copy of the program from running.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

class SingleInstanceContract : public ::testing::Test {
 protected:
  void SetUp() override { backend_ = makeContractBackend(); }
  SingleInstance& instance() { return backend_->platform().instance; }

  std::unique_ptr<ContractBackend> backend_;
};

TEST_F(SingleInstanceContract, FirstClaimHoldsTheNameAndEveryLaterOneIsRefused) {
  const std::string name = backend_->scratchName();
  EXPECT_EQ(kErrorSuccess, instance().claim(name.c_str()));
  EXPECT_EQ(kErrorAlreadyExists, instance().claim(name.c_str()));
  // A refused claim must not let go of the name.
  EXPECT_EQ(kErrorAlreadyExists, instance().claim(name.c_str()));
}

TEST_F(SingleInstanceContract, OtherNamesAreTheirOwnEvenInAnotherCase) {
  const std::string name = backend_->scratchName();
  ASSERT_EQ(kErrorSuccess, instance().claim(name.c_str()));
  EXPECT_EQ(kErrorSuccess, instance().claim((name + "-other").c_str()));
  std::string shouted = name;
  for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(kErrorSuccess, instance().claim(shouted.c_str()));
}

// Names the system cannot make fail with an error of their own, so the program
// can tell "another copy runs" from "the guard does not work".
TEST_F(SingleInstanceContract, NamesThatCannotBeMadeFailWithoutARefusal) {
  const std::string name = backend_->scratchName();
  EXPECT_EQ(kErrorPathNotFound, instance().claim((name + "\\below").c_str()));
  EXPECT_EQ(kErrorInvalidName, instance().claim(""));
  EXPECT_EQ(kErrorSuccess, instance().claim(name.c_str()));
}

// The sign for setups: had for a name, again by the same process, never for
// a name below the namespace.
TEST_F(SingleInstanceContract, TheSignForSetupsIsHadForAnyNameThatCanBeMade) {
  const std::string name = backend_->scratchName();
  EXPECT_TRUE(instance().signalRunning(name.c_str()));
  EXPECT_TRUE(instance().signalRunning(name.c_str()));
  EXPECT_FALSE(instance().signalRunning((name + "\\below").c_str()));
}

}  // namespace
}  // namespace sc::contract
