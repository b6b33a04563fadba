#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

class SystemInfoContract : public ::testing::Test {
 protected:
  void SetUp() override { backend_ = makeContractBackend(); }
  SystemInfo& system() { return backend_->platform().system; }
  std::unique_ptr<ContractBackend> backend_;
};

TEST_F(SystemInfoContract, BothVersionRecordsGiveTheSameMajorVersion) {
  std::uint32_t extended = 0, plain = 0;
  ASSERT_TRUE(system().getVersion(156, &extended));
  ASSERT_TRUE(system().getVersion(148, &plain));
  EXPECT_GE(extended, 5u);
  EXPECT_EQ(extended, plain);
}

TEST_F(SystemInfoContract, OtherRecordSizesAreRefused) {
  std::uint32_t major = 77;
  EXPECT_FALSE(system().getVersion(100, &major));
  EXPECT_EQ(77u, major);
}

TEST_F(SystemInfoContract, ModulePathIsAnAbsoluteExeThatTheCommandLineNames) {
  const std::string path = system().modulePath();
  ASSERT_GE(path.size(), 7u);
  EXPECT_LE(path.size(), 259u);
  EXPECT_EQ(":\\", path.substr(1, 2));
  EXPECT_EQ(".exe", lower(path.substr(path.size() - 4)));
  const std::string fileName = path.substr(path.rfind('\\') + 1);
  EXPECT_NE(std::string::npos, lower(system().commandLine()).find(lower(fileName)));
}

TEST_F(SystemInfoContract, ScreenHasAWidth) { EXPECT_GT(system().fullScreenWidth(), 0); }

// The date and the time of day as the user reads them (Wine's English:
// "12/8/2026 10:47 AM"): a blank between the two, and no seconds.
TEST_F(SystemInfoContract, TheLocalTimeIsADateAndAClockTime) {
  FixedText<64> text;
  text.fill('x');
  system().localTime(text);
  const std::string time = TextOf(text);
  ASSERT_LT(time.size(), 64u);
  EXPECT_NE(time.find(' '), std::string::npos) << time;
  EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(time.front()))) << time;
  EXPECT_EQ(std::count(time.begin(), time.end(), ':'), 1) << time;
  system().clockTime(text);  // the clock time alone follows the date
  EXPECT_EQ(time.substr(time.find(' ') + 1), TextOf(text)) << time;
}

}  // namespace
}  // namespace sc::contract
