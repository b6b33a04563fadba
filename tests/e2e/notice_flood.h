// What any program on the desktop may put into a WM_COPYDATA to the main
// window, drawn from a seed: random bytes of any length (0 and beyond the
// 388-byte record included), notices cut short or running past the record,
// notices from the wrong source, fields that fill their width without a zero,
// and well-formed notices of every action with odd results.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace e2e {

constexpr std::size_t kNoticeRecordSize = 388;

class NoticeFlood {
 public:
  explicit NoticeFlood(unsigned seed) : random_(seed) {}

  // The next payload; an empty one is sent with cbData 0.
  std::vector<char> Next();
  // Well-formed notices from "Autoloader" with an action the program knows,
  // among those drawn so far.
  int knownActions() const { return knownActions_; }

 private:
  std::vector<char> RandomBytes(std::size_t size);
  std::string RandomText(std::size_t maxLength);
  std::string Pick(const std::vector<std::string>& choices);
  std::vector<char> Record(const std::string& source, const std::string& action,
                           const std::string& result, const std::string& detail);

  std::mt19937 random_;
  int knownActions_ = 0;
};

}  // namespace e2e
