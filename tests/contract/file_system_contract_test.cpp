// Files and drives as the program probes them: a player's executable, the
// robot's folders, the writer's drive letter.
#include <gtest/gtest.h>

#include <string>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

class FileSystemContract : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_ = makeContractBackend();
    folder_ = backend_->scratchFolder();
    backend_->makeFolder(folder_ + "\\Sub");
    backend_->makeFile(folder_ + "\\notes.txt");
    backend_->makeFile(folder_ + "\\Sub\\player.exe");
  }

  FileSystem& files() { return backend_->platform().files; }

  std::unique_ptr<ContractBackend> backend_;
  std::string folder_;
};

struct Probe {
  const char* name;
  std::string relative;
  bool found;
  std::uint32_t attribute;  // that must be set when found
  std::uint32_t absent;     // that must not be set when found
};

TEST_F(FileSystemContract, FindFirst) {
  const Probe probes[] = {
      {"file", "\\notes.txt", true, kFileAttributeArchive, kFileAttributeDirectory},
      {"file, other case", "\\NOTES.TXT", true, kFileAttributeArchive, kFileAttributeDirectory},
      {"file in folder", "\\Sub\\player.exe", true, kFileAttributeArchive, kFileAttributeDirectory},
      {"folder", "\\Sub", true, kFileAttributeDirectory, kFileAttributeArchive},
      {"folder with backslash", "\\Sub\\", false, 0, 0},
      {"pattern", "\\Sub\\*.exe", true, kFileAttributeArchive, kFileAttributeDirectory},
      {"pattern without match", "\\Sub\\*.dll", false, 0, 0},
      {"missing file", "\\missing.txt", false, 0, 0},
      {"in missing folder", "\\Nope\\player.exe", false, 0, 0},
  };
  for (const Probe& p : probes) {
    std::uint32_t attributes = 0;
    const bool found = files().findFirst((folder_ + p.relative).c_str(), &attributes);
    EXPECT_EQ(p.found, found) << p.name;
    if (found) {
      EXPECT_TRUE(attributes & p.attribute) << p.name << ": " << attributes;
      EXPECT_FALSE(attributes & p.absent) << p.name << ": " << attributes;
    }
  }
}

TEST_F(FileSystemContract, Attributes) {
  const Probe probes[] = {
      {"file", "\\notes.txt", true, kFileAttributeArchive, kFileAttributeDirectory},
      {"folder", "\\Sub", true, kFileAttributeDirectory, kFileAttributeArchive},
      {"folder with backslash", "\\Sub\\", true, kFileAttributeDirectory, kFileAttributeArchive},
      {"folder, other case", "\\sUB", true, kFileAttributeDirectory, kFileAttributeArchive},
      {"missing", "\\missing.txt", false, 0, 0},
  };
  for (const Probe& p : probes) {
    std::uint32_t attributes = 0;
    const bool found = files().attributes((folder_ + p.relative).c_str(), &attributes);
    EXPECT_EQ(p.found, found) << p.name;
    if (found) {
      EXPECT_TRUE(attributes & p.attribute) << p.name << ": " << attributes;
      EXPECT_FALSE(attributes & p.absent) << p.name << ": " << attributes;
    }
  }
}

TEST_F(FileSystemContract, DriveType) {
  const std::string fixed = backend_->fixedDriveRoot();
  std::string lower = fixed;
  lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
  EXPECT_EQ(kDriveFixed, files().driveType(fixed.c_str()));
  EXPECT_EQ(kDriveFixed, files().driveType(lower.c_str()));
  EXPECT_EQ(kDriveFixed, files().driveType(fixed.substr(0, 2).c_str()));
  EXPECT_EQ(kDriveNoRootDir, files().driveType(backend_->missingDriveRoot().c_str()));
}

}  // namespace
}  // namespace sc::contract
