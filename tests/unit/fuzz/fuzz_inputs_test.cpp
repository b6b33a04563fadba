// The fuzz targets' seed corpora and the inputs of the faults they found,
// replayed through the same entry points natively. A found input stays here
// as a named test; the seeds are checked to still mean what they were made
// for, so a change of an input format cannot quietly empty them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "targets/fuzz_targets.h"
#include "targets/notice_program.h"

namespace sc::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path FuzzDir() { return SPOOLCAT_FUZZ_DIR; }

using Target = std::string (*)(const std::uint8_t*, std::size_t);

std::string Play(Target target, const fs::path& file) {
  const std::vector<std::uint8_t> bytes = Bytes(file);
  EXPECT_FALSE(bytes.empty()) << file;
  return target(bytes.data(), bytes.size());
}

TEST(FuzzInputsTest, EverySeedAndFoundInputRunsClean) {
  const std::pair<const char*, Target> targets[] = {{"notice_program", PlayNoticeProgram},
                                                    {"registry_readers", ReadHostileRegistry},
                                                    {"device_broadcast", DecodeDeviceChange},
                                                    {"manager_command", BuildCommandLines}};
  for (const auto& [name, target] : targets) {
    int seeds = 0;
    for (const char* folder : {"corpus", "regressions"}) {
      const fs::path dir = FuzzDir() / folder / name;
      if (!fs::exists(dir)) continue;
      for (const auto& entry : fs::directory_iterator(dir)) {
        EXPECT_EQ(Play(target, entry.path()), "") << entry.path();
        seeds += folder == std::string("corpus");
      }
    }
    EXPECT_GE(seeds, 3) << name << " has too few seeds";
  }
}

// A writer text of about 2,000 characters from the robot software made a
// line longer than the manager's 2048-byte command buffer; it was sent cut.
TEST(FuzzInputsTest, AWriterTextPastTheLineBufferIsNotSentCut) {
  EXPECT_EQ(Play(BuildCommandLines,
                 FuzzDir() / "regressions/manager_command/writer-text-past-the-line-buffer"),
            "");
}

// A program path whose head looks like "x:\" for a letter x that is no
// drive: the simulated file system took "x:\" for its own parent for ever.
TEST(FuzzInputsTest, AModulePathWithAFalseDriveRootIsSetUpAndRead) {
  EXPECT_EQ(Play(ReadHostileRegistry,
                 FuzzDir() / "regressions/registry_readers/module-path-with-a-false-drive-root"),
            "");
}

std::vector<std::string> CommandsOfSeed(const char* seed) {
  const std::vector<std::uint8_t> bytes = Bytes(FuzzDir() / "corpus/notice_program" / seed);
  const testing::WalkRun run = RunNoticeProgram(bytes.data(), bytes.size());
  std::vector<std::string> actions;
  for (const std::string& line : run.managerCommands) {
    const std::size_t at = line.find("--action ") + 9;
    actions.push_back(line.substr(at, line.find(' ', at) - at));
  }
  return actions;
}

TEST(FuzzInputsTest, TheNoticeProgramSeedsRunTheJobsTheyDescribe) {
  using Actions = std::vector<std::string>;
  EXPECT_EQ(CommandsOfSeed("whole-job"), (Actions{"Check", "load", "unload", "load", "Release"}));
  EXPECT_EQ(CommandsOfSeed("itunes-declines-and-fails"),
            (Actions{"Check", "load", "reject", "load", "unload"}));
  // The second load comes from a click after the box, with events inside it.
  EXPECT_EQ(CommandsOfSeed("occupied-box-with-turns"), (Actions{"Check", "load", "load"}));
  EXPECT_EQ(CommandsOfSeed("hostile-notices-and-registry"), (Actions{"Check", "load", "unload"}));
}

}  // namespace
}  // namespace sc::fuzz
