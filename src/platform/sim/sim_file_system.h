// Paths with attributes and drive letters with drive types. Paths compare
// without case; directories on the way to an added file appear by themselves.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/sim/failure_plan.h"
#include "platform/sim/nocase.h"

namespace sc::sim {

class SimFileSystem final : public FileSystem {
 public:
  bool findFirst(const char* path, std::uint32_t* attributes) override;
  bool attributes(const char* path, std::uint32_t* attributes) override;
  std::uint32_t driveType(const char* rootPath) override;

  void addFile(const std::string& path, std::uint32_t attributes = kFileAttributeArchive);
  void addDirectory(const std::string& path);
  void remove(const std::string& path);  // with everything below it
  void setDriveType(char letter, std::uint32_t type);

  // What GetFileAttributesA would answer, without consulting the failures.
  std::optional<std::uint32_t> lookup(const std::string& path) const;

  // Operations findFirst, attributes (subject: the path as passed) and
  // driveType (subject: the root; its answer is the rule's error value).
  FailurePlan& failures() { return failures_; }

 private:
  std::map<std::string, std::uint32_t, NoCaseLess> entries_;
  std::map<char, std::uint32_t> drives_;
  FailurePlan failures_;
};

}  // namespace sc::sim
