#include <gtest/gtest.h>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

constexpr std::intptr_t kSeErrFileNotFound = 2;

TEST(ShellContract, StartingAMissingProgramFailsWithFileNotFound) {
  auto backend = makeContractBackend();
  const std::string missing = backend->scratchFolder() + "\\missing.exe";
  const std::intptr_t result =
      backend->platform().shell.execute(0, "open", missing.c_str(), "/x", nullptr, kSwShow);
  EXPECT_LE(result, 32);
  EXPECT_EQ(kSeErrFileNotFound, result);
}

}  // namespace
}  // namespace sc::contract
