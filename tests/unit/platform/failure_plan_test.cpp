#include "platform/sim/failure_plan.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_registry.h"

namespace sc::sim {
namespace {

TEST(FailurePlan, OnceFailsTheNextMatchingCallOnly) {
  FailurePlan plan;
  plan.once("openKey", kErrorAccessDenied, "HKCU\\Software\\Spoolcat");
  EXPECT_EQ(0, plan.check("createKey", "HKCU\\Software\\Spoolcat"));
  EXPECT_EQ(0, plan.check("openKey", "HKCU\\Software\\Other"));
  EXPECT_EQ(kErrorAccessDenied, plan.check("openKey", "hkcu\\software\\SPOOLCAT"));
  EXPECT_EQ(0, plan.check("openKey", "HKCU\\Software\\Spoolcat"));
}

TEST(FailurePlan, AlwaysKeepsFailingUntilCleared) {
  FailurePlan plan;
  plan.always("findWindow", 1);
  EXPECT_EQ(1, plan.check("findWindow", "iTunes"));
  EXPECT_EQ(1, plan.check("findWindow", "Windows Media Player"));
  plan.clear();
  EXPECT_EQ(0, plan.check("findWindow", "iTunes"));
}

TEST(FailurePlan, EarlierRuleWins) {
  FailurePlan plan;
  plan.once("setValue", kErrorAccessDenied);
  plan.always("setValue", kErrorInvalidHandle);
  EXPECT_EQ(kErrorAccessDenied, plan.check("setValue"));
  EXPECT_EQ(kErrorInvalidHandle, plan.check("setValue"));
}

// The registry consults its plan with the key's full path, however the caller
// spelled it, and a refused open hands back no handle.
TEST(SimRegistryFailures, ChosenCallFailsByOperationAndPath) {
  SimRegistry reg;
  reg.addKey(RegRoot::CurrentUser, "Software\\Spoolcat");
  reg.putDword(RegRoot::CurrentUser, "Software\\Spoolcat", "Count", 3);
  reg.failures().once("openKey", kErrorAccessDenied, "HKCU\\Software\\Spoolcat");
  reg.failures().always("queryValue", kErrorMoreData, "HKCU\\Software\\Spoolcat", "Count");

  RegKey key = 99;
  EXPECT_EQ(kErrorAccessDenied,
            reg.openKey(RegRoot::CurrentUser, "software\\spoolcat", kKeyRead, &key));
  EXPECT_EQ(0u, key);
  ASSERT_EQ(kErrorSuccess, reg.openKey(RegRoot::CurrentUser, "software\\spoolcat", kKeyRead, &key));
  std::uint32_t size = 0;
  EXPECT_EQ(kErrorMoreData, reg.queryValue(key, "Count", nullptr, nullptr, &size));
  EXPECT_EQ(kErrorMoreData, reg.queryValue(key, "Count", nullptr, nullptr, &size));
  EXPECT_EQ(kErrorFileNotFound, reg.queryValue(key, "Other", nullptr, nullptr, &size));
  EXPECT_EQ(kErrorSuccess, reg.closeKey(key));
}

TEST(SimRegistryFailures, FailedCloseLeavesTheKeyOpen) {
  SimRegistry reg;
  RegKey key = 0;
  ASSERT_EQ(kErrorSuccess,
            reg.createKey(RegRoot::CurrentUser, "Software\\X", kKeyAllAccess, &key, nullptr));
  reg.failures().once("closeKey", kErrorInvalidHandle);
  EXPECT_EQ(kErrorInvalidHandle, reg.closeKey(key));
  EXPECT_EQ(std::vector<std::string>{"HKCU\\Software\\X"}, reg.openKeys());
  EXPECT_EQ(kErrorSuccess, reg.closeKey(key));
  EXPECT_TRUE(reg.openKeys().empty());
}

}  // namespace
}  // namespace sc::sim
