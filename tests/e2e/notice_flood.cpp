#include "notice_flood.h"

#include <algorithm>
#include <cstring>

namespace e2e {
namespace {

// Source[64], Action[32], Result[32], Detail[260].
constexpr std::size_t kActionAt = 64, kResultAt = 96, kDetailAt = 128;

const std::vector<std::string> kKnownActions{"load",    "unload", "reject",
                                             "Refresh", "Check",  "Terminate"};
// The same words a little off: another case, a trailing blank, empty.
const std::vector<std::string> kNearActions{"LOAD",  "Load",      "load ", "unload\t", "refresh",
                                            "check", "TERMINATE", "Eject", ""};
// "OK" is there too: with no command out it must not count as an answer.
const std::vector<std::string> kResults{"OK", "ok", "OK ", " OK", "Error", "", "Jammed"};
const std::vector<std::string> kDetails{"", "Occupied", "occupied", "No more discs"};
const std::vector<std::string> kWrongSources{
    "autoloader", "AUTOLOADER", "Autoloader ", " Autoloader", "Autoload", "", "KETMGR"};

// Copies `text` into its field, cut so that the field keeps a zero.
void Put(std::vector<char>& record, std::size_t at, std::size_t width, const std::string& text) {
  std::memcpy(record.data() + at, text.data(), std::min(text.size(), width - 1));
}

}  // namespace

std::vector<char> NoticeFlood::RandomBytes(std::size_t size) {
  std::vector<char> bytes(size);
  for (char& byte : bytes) byte = static_cast<char>(random_() & 0xFF);
  return bytes;
}

std::string NoticeFlood::RandomText(std::size_t maxLength) {
  std::string text(random_() % (maxLength + 1), ' ');
  for (char& c : text) c = static_cast<char>(1 + random_() % 255);
  return text;
}

std::string NoticeFlood::Pick(const std::vector<std::string>& choices) {
  return choices[random_() % choices.size()];
}

std::vector<char> NoticeFlood::Record(const std::string& source, const std::string& action,
                                      const std::string& result, const std::string& detail) {
  std::vector<char> record(kNoticeRecordSize, '\0');
  Put(record, 0, kActionAt, source);
  Put(record, kActionAt, kResultAt - kActionAt, action);
  Put(record, kResultAt, kDetailAt - kResultAt, result);
  Put(record, kDetailAt, kNoticeRecordSize - kDetailAt, detail);
  return record;
}

std::vector<char> NoticeFlood::Next() {
  switch (random_() % 6) {
    case 0:  // nothing at all, or random bytes of any length
      return RandomBytes(random_() % 4 == 0 ? 0 : random_() % 1024);
    case 1: {  // a notice cut anywhere short of its end
      std::vector<char> record = Record("Autoloader", Pick(kKnownActions), Pick(kResults), "");
      record.resize(random_() % kNoticeRecordSize);
      return record;
    }
    case 2: {  // a notice with random bytes after the record
      std::vector<char> record =
          Record("Autoloader", Pick(kKnownActions), Pick(kResults), Pick(kDetails));
      std::vector<char> tail = RandomBytes(1 + random_() % 600);
      record.insert(record.end(), tail.begin(), tail.end());
      ++knownActions_;
      return record;
    }
    case 3: {  // from somebody else, or a source without its zero
      std::vector<char> record = Record(Pick(kWrongSources), Pick(kKnownActions), "OK", "");
      if (random_() % 4 == 0) std::fill(record.begin(), record.begin() + kActionAt, 'A');
      return record;
    }
    case 4: {  // the fields a little off, or filling their width without a zero
      std::vector<char> record =
          Record("Autoloader", Pick(kNearActions), Pick(kResults), RandomText(300));
      if (random_() % 3 == 0)
        std::fill(record.begin() + kActionAt, record.begin() + kResultAt, 'l');
      return record;
    }
    default:  // well-formed, every action, odd results and details
      ++knownActions_;
      return Record("Autoloader", Pick(kKnownActions), Pick(kResults), Pick(kDetails));
  }
}

}  // namespace e2e
