#include "command_line.h"

namespace sc::tools {

Pairs ParsePairs(const std::string& line) {
  Pairs pairs;
  std::size_t pos = line.rfind("--", 0) == 0 ? 0 : line.find(" --");
  if (pos == std::string::npos) return pairs;
  if (pos != 0) pos += 1;
  while (pos != std::string::npos) {
    std::size_t start = pos + 2;
    std::size_t next = line.find(" --", start);
    std::string item =
        line.substr(start, next == std::string::npos ? std::string::npos : next - start);
    std::size_t space = item.find(' ');
    if (space == std::string::npos) {
      pairs.emplace_back(item, "");
    } else {
      pairs.emplace_back(item.substr(0, space), item.substr(space + 1));
    }
    pos = next == std::string::npos ? next : next + 1;
  }
  return pairs;
}

ManagerRequest ReadRequest(const Pairs& pairs) {
  ManagerRequest request;
  for (const auto& [name, value] : pairs) {
    if (name == "caller") {
      request.caller = value;
    } else if (name == "action") {
      request.action = value;
    } else if (name == "target") {
      request.target = value;
      request.has_target = true;
    }
  }
  return request;
}

}  // namespace sc::tools
