// Another process reads the controls' texts by ID, as the end-to-end tests
// and the robot manager's side do. The test starts this test program again
// with a probe test that writes what it read to a file.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "test_form.h"

namespace sc::test {
namespace {

constexpr const char* kWindowVariable = "SPOOLCAT_PROBE_WINDOW";

TEST_F(UiTest, AnotherProcessReadsTextsByControlId) {
  attach();
  form.lblStatus.setText("Disc Loaded .");
  const std::string out = probe::environment("TEMP") + "\\spoolcat-probe.txt";
  std::remove(out.c_str());
  const int code = probe::runSelf(
      "--gtest_also_run_disabled_tests --gtest_filter=ProbeChild.DISABLED_WriteTexts",
      std::string(kWindowVariable) + "=" + std::to_string(window) + ";" + out);
  EXPECT_EQ(code, 0);
  std::ifstream in(out);
  std::stringstream read;
  read << in.rdbuf();
  EXPECT_EQ(read.str(), "1000=Hello there\n1001=Disc Loaded .\n1002=Go\n1003=Option\n");
}

// Runs only in the child process that the test above starts.
TEST(ProbeChild, DISABLED_WriteTexts) {
  const std::string setting = probe::environment(kWindowVariable);
  const auto split = setting.find(';');
  ASSERT_NE(split, std::string::npos);
  const WindowHandle window = std::stoul(setting.substr(0, split));
  std::ofstream out(setting.substr(split + 1));
  for (int id = controlId(0); id <= controlId(3); ++id) {
    out << id << "=" << probe::text(probe::childById(window, id)) << "\n";
  }
}

}  // namespace
}  // namespace sc::test
