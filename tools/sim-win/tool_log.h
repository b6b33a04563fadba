// The substitutes' log: one line per event, appended to a file beside the
// executable. Several processes append to the same file at once (every
// manager command is its own process), so each line is written whole in one
// append.
#pragma once

#include <string>

namespace sc::tools {

class ToolLog {
 public:
  explicit ToolLog(std::string path) : path_(std::move(path)) {}
  void Write(const std::string& body) const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace sc::tools
