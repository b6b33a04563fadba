#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "contract/contract_backend.h"
#include "platform/environment_block.h"

namespace sc::contract {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The child gets the block as built, byte for byte, beside the program's own
// variables, and the folder it was given; the start never waits for it.
TEST(LauncherContract, TheCommandGetsTheBlockAndTheFolder) {
  auto backend = makeContractBackend();
  Launcher& launcher = backend->platform().launcher;
  backend->setVariable("SPOOLCAT_CONTRACT_OWN", "kept");
  backend->setVariable("SPOOLCAT_EVENT", "old");
  const std::string folder = backend->scratchFolder();
  const std::string summary = "2 discs loaded; 100% \"done\" a=b\r\nNo word since 1:12 AM";
  const std::string block = WithVariables(
      launcher.environment(), {{"SPOOLCAT_EVENT", "going-on"}, {"SPOOLCAT_SUMMARY", summary}});
  std::string error = "stale";
  ASSERT_EQ(launcher.start(backend->probeCommand(), block, folder, error), kErrorSuccess) << error;
  EXPECT_EQ(error, "");
  const std::string report = backend->probeReport();
  EXPECT_EQ(Lower(report.substr(0, report.find("\r\n"))), Lower(folder));
  EXPECT_THAT(report, HasSubstr("SPOOLCAT_EVENT=going-on\r\n"));
  EXPECT_THAT(report, Not(HasSubstr("SPOOLCAT_EVENT=old")));
  EXPECT_THAT(report, HasSubstr("SPOOLCAT_SUMMARY=" + summary + "\r\n"));
  EXPECT_THAT(report, HasSubstr("SPOOLCAT_CONTRACT_OWN=kept\r\n"));
}

TEST(LauncherContract, AProgramThatIsNotThereFailsWithWindowsOwnText) {
  auto backend = makeContractBackend();
  Launcher& launcher = backend->platform().launcher;
  const std::string missing = "\"" + backend->scratchFolder() + "\\missing.exe\" --event";
  std::string error;
  EXPECT_EQ(launcher.start(missing, launcher.environment(), "", error), kErrorFileNotFound);
  ASSERT_FALSE(error.empty());
  // Windows ends its text with a line break, which the port cuts.
  EXPECT_EQ(std::string(" \t\r\n").find(error.back()), std::string::npos) << "[" << error << "]";
}

TEST(LauncherContract, ExpandsTheProgramsOwnVariablesAndKeepsTheRest) {
  auto backend = makeContractBackend();
  Launcher& launcher = backend->platform().launcher;
  backend->setVariable("SPOOLCAT_CONTRACT_DIR", "C:\\Night Rips");
  EXPECT_EQ(VariableIn(launcher.environment(), "spoolcat_contract_dir"), "C:\\Night Rips");
  const std::pair<const char*, const char*> cases[] = {
      {"cmd /c echo x>>\"%SPOOLCAT_CONTRACT_DIR%\\log.txt\"",
       "cmd /c echo x>>\"C:\\Night Rips\\log.txt\""},
      {"%SPOOLCAT_CONTRACT_NONE%\\x", "%SPOOLCAT_CONTRACT_NONE%\\x"},
      {"100 percent: 100%", "100 percent: 100%"},
      {"", ""},
  };
  for (const auto& [written, expanded] : cases) EXPECT_EQ(launcher.expand(written), expanded);
}

TEST(LauncherContract, TheProfileFolderIsAFolder) {
  auto backend = makeContractBackend();
  const Platform platform = backend->platform();
  const std::string folder = platform.launcher.profileFolder();
  std::uint32_t attributes = 0;
  ASSERT_TRUE(platform.files.attributes(folder.c_str(), &attributes)) << folder;
  EXPECT_NE(attributes & kFileAttributeDirectory, 0u);
}

}  // namespace
}  // namespace sc::contract
