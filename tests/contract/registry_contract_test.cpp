// What the program relies on from the registry, held against both backends.
// The exact answers are Wine's, measured; the sim is held to them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "contract/contract_backend.h"

namespace sc::contract {
namespace {

constexpr std::uint8_t kUntouched = 0xEE;
constexpr std::uint32_t kKeyQueryValue = 0x1;
constexpr std::uint32_t kKeySetValue = 0x2;
constexpr std::uint32_t kKeyWrite = 0x20006;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegMultiSz = 7;
constexpr long kErrorBadPathname = 161;

std::vector<std::uint8_t> bytesOf(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_ = makeContractBackend();
    base_ = backend_->scratchKey();
    ASSERT_EQ(kErrorSuccess,
              reg().createKey(RegRoot::CurrentUser, base_.c_str(), kKeyAllAccess, &key_, nullptr));
  }
  void TearDown() override {
    EXPECT_EQ(kErrorSuccess, reg().closeKey(key_));
    backend_.reset();
  }

  Registry& reg() { return backend_->platform().registry; }
  std::string path(const std::string& sub) const { return base_ + "\\" + sub; }

  // Stores `bytes` followed in memory by `next`, which is not part of the
  // size: for a string type the registry looks at that byte too.
  void set(const char* name, std::uint32_t type, const std::string& bytes, char next = 'X') {
    std::vector<std::uint8_t> buffer = bytesOf(bytes);
    buffer.push_back(static_cast<std::uint8_t>(next));
    ASSERT_EQ(kErrorSuccess, reg().setValue(key_, name, type, buffer.data(),
                                            static_cast<std::uint32_t>(bytes.size())));
  }
  std::uint32_t storedSize(const char* name) {
    std::uint32_t size = 0;
    EXPECT_EQ(kErrorSuccess, reg().queryValue(key_, name, nullptr, nullptr, &size));
    return size;
  }
  void createSubKey(const std::string& name) {
    RegKey sub = 0;
    ASSERT_EQ(kErrorSuccess, reg().createKey(RegRoot::CurrentUser, path(name).c_str(),
                                             kKeyAllAccess, &sub, nullptr));
    reg().closeKey(sub);
  }

  std::unique_ptr<ContractBackend> backend_;
  std::string base_;
  RegKey key_ = 0;
};

TEST_F(RegistryContract, CreateKeyTellsNewFromExistingWhateverTheCase) {
  RegKey first = 0, second = 0, third = 0;
  std::uint32_t disposition = 0;
  ASSERT_EQ(kErrorSuccess, reg().createKey(RegRoot::CurrentUser, path("Settings").c_str(),
                                           kKeyAllAccess, &first, &disposition));
  EXPECT_EQ(kRegCreatedNewKey, disposition);
  ASSERT_EQ(kErrorSuccess, reg().createKey(RegRoot::CurrentUser, path("Settings").c_str(),
                                           kKeyAllAccess, &second, &disposition));
  EXPECT_EQ(kRegOpenedExistingKey, disposition);
  ASSERT_EQ(kErrorSuccess, reg().createKey(RegRoot::CurrentUser, path("SETTINGS").c_str(),
                                           kKeyAllAccess, &third, &disposition));
  EXPECT_EQ(kRegOpenedExistingKey, disposition);
  EXPECT_NE(first, second);
  for (RegKey k : {first, second, third}) EXPECT_EQ(kErrorSuccess, reg().closeKey(k));
}

TEST_F(RegistryContract, CreateKeyMakesTheKeysOnTheWay) {
  RegKey deep = 0, middle = 0;
  std::uint32_t disposition = 0;
  ASSERT_EQ(kErrorSuccess, reg().createKey(RegRoot::CurrentUser, path("a\\b\\c").c_str(),
                                           kKeyAllAccess, &deep, &disposition));
  EXPECT_EQ(kRegCreatedNewKey, disposition);
  EXPECT_EQ(kErrorSuccess,
            reg().openKey(RegRoot::CurrentUser, path("A\\B").c_str(), kKeyRead, &middle));
  reg().closeKey(middle);
  reg().closeKey(deep);
}

TEST_F(RegistryContract, PathSpelling) {
  struct Case {
    const char* name;
    std::string path;
    long expected;
  };
  const Case cases[] = {
      {"trailing backslash", path(""), kErrorSuccess},
      {"doubled backslash", base_ + "\\\\", kErrorSuccess},
      {"leading backslash", "\\" + base_, kErrorBadPathname},
  };
  for (const Case& c : cases) {
    RegKey opened = 0;
    EXPECT_EQ(c.expected, reg().openKey(RegRoot::CurrentUser, c.path.c_str(), kKeyRead, &opened))
        << c.name;
    if (opened != 0) reg().closeKey(opened);
  }
}

TEST_F(RegistryContract, MissingKeyIsFileNotFoundAndZeroHandle) {
  RegKey opened = 12345;
  EXPECT_EQ(kErrorFileNotFound,
            reg().openKey(RegRoot::CurrentUser, path("Nope").c_str(), kKeyRead, &opened));
  EXPECT_EQ(0u, opened);
  opened = 12345;
  EXPECT_EQ(kErrorFileNotFound, reg().openSubKey(key_, "Nope", kKeyRead, &opened));
  EXPECT_EQ(0u, opened);
}

TEST_F(RegistryContract, OpenSubKeyIgnoresCase) {
  createSubKey("Robot");
  RegKey opened = 0;
  ASSERT_EQ(kErrorSuccess, reg().openSubKey(key_, "rOBOT", kKeyRead, &opened));
  EXPECT_EQ(kErrorSuccess, reg().closeKey(opened));
}

TEST_F(RegistryContract, MissingValueZeroesTypeAndLeavesBuffer) {
  std::array<std::uint8_t, 8> buffer;
  buffer.fill(kUntouched);
  std::uint32_t type = 99, size = sizeof buffer;
  EXPECT_EQ(kErrorFileNotFound, reg().queryValue(key_, "Nope", &type, buffer.data(), &size));
  EXPECT_EQ(kRegNone, type);
  EXPECT_EQ(sizeof buffer, size);
  EXPECT_EQ(kUntouched, buffer[0]);
  // Without a buffer the size is zeroed.
  size = 64;
  EXPECT_EQ(kErrorFileNotFound, reg().queryValue(key_, "Nope", nullptr, nullptr, &size));
  EXPECT_EQ(0u, size);
}

TEST_F(RegistryContract, ValueNamesIgnoreCase) {
  set("Drive", kRegSz, std::string("E:", 3));
  std::uint32_t size = 0;
  EXPECT_EQ(kErrorSuccess, reg().queryValue(key_, "dRIVE", nullptr, nullptr, &size));
  EXPECT_EQ(3u, size);
}

TEST_F(RegistryContract, DefaultValueIsNamedByNullOrEmpty) {
  std::uint32_t size = 0;
  EXPECT_EQ(kErrorFileNotFound, reg().queryValue(key_, nullptr, nullptr, nullptr, &size));
  EXPECT_EQ(kErrorFileNotFound, reg().queryValue(key_, "", nullptr, nullptr, &size));
  set("", kRegSz, std::string("dflt", 5));
  char text[16] = {};
  std::uint32_t type = 0;
  size = sizeof text;
  ASSERT_EQ(kErrorSuccess,
            reg().queryValue(key_, nullptr, &type, reinterpret_cast<std::uint8_t*>(text), &size));
  EXPECT_EQ(kRegSz, type);
  EXPECT_EQ(5u, size);
  EXPECT_STREQ("dflt", text);
}

TEST_F(RegistryContract, SettingAStringAlsoStoresAZeroThatFollowsIt) {
  struct Case {
    std::uint32_t type;
    std::string bytes;
    char next;
    std::uint32_t stored;
  };
  const Case cases[] = {
      {kRegSz, "abc", '\0', 4},
      {kRegSz, "abc", 'X', 3},
      {kRegSz, std::string("abc\0", 4), 'X', 4},
      {kRegSz, std::string("abc\0", 4), '\0', 4},
      {kRegSz, "", '\0', 0},
      {kRegExpandSz, "abc", '\0', 4},
      {kRegMultiSz, "abc", 'X', 3},
      {kRegBinary, "abc", '\0', 3},
  };
  for (const Case& c : cases) {
    set("v", c.type, c.bytes, c.next);
    EXPECT_EQ(c.stored, storedSize("v"))
        << "type " << c.type << ", " << c.bytes.size() << " bytes, next " << int(c.next);
  }
}

TEST_F(RegistryContract, StringWithoutItsZeroReadsBackAsStored) {
  struct Case {
    std::uint32_t type;
    std::string stored;
    std::uint32_t bufferSize;
    long error;
    std::uint32_t size;
    std::string buffer;  // its first six bytes afterwards; '~' is untouched
  };
  const Case cases[] = {
      // Room to spare: a zero is written after the bytes but not counted.
      {kRegSz, "abc", 16, kErrorSuccess, 3, std::string("abc\0~~", 6)},
      {kRegSz, "abc", 4, kErrorSuccess, 3, std::string("abc\0~~", 6)},
      // Exactly the stored size: no zero at all.
      {kRegSz, "abc", 3, kErrorSuccess, 3, "abc~~~"},
      {kRegSz, "abc", 2, kErrorMoreData, 3, "~~~~~~"},
      {kRegSz, std::string("ab\0cd", 5), 16, kErrorSuccess, 5, std::string("ab\0cd\0", 6)},
      {kRegSz, std::string("abc\0", 4), 16, kErrorSuccess, 4, std::string("abc\0~~", 6)},
      {kRegExpandSz, "abc", 16, kErrorSuccess, 3, std::string("abc\0~~", 6)},
      {kRegMultiSz, "abc", 16, kErrorSuccess, 3, std::string("abc\0~~", 6)},
      {kRegBinary, "abc", 16, kErrorSuccess, 3, "abc~~~"},
      {kRegNone, "abc", 16, kErrorSuccess, 3, "abc~~~"},
      {kRegSz, "", 16, kErrorSuccess, 0, "~~~~~~"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << c.type << ", " << c.stored.size()
                                      << " bytes stored, buffer " << c.bufferSize);
    set("v", c.type, c.stored);
    std::array<std::uint8_t, 16> buffer;
    buffer.fill('~');
    std::uint32_t type = 99, size = c.bufferSize;
    EXPECT_EQ(c.error, reg().queryValue(key_, "v", &type, buffer.data(), &size));
    EXPECT_EQ(c.type, type);
    EXPECT_EQ(c.size, size);
    EXPECT_EQ(c.buffer, std::string(buffer.begin(), buffer.begin() + 6));
  }
}

TEST_F(RegistryContract, TooSmallBufferIsMoreDataWithSizeNeededAndBufferUntouched) {
  struct Case {
    std::uint32_t type;
    std::string stored;
    std::uint32_t bufferSize;
    std::uint32_t needed;
  };
  const Case cases[] = {
      {kRegSz, std::string("hello\0", 6), 5, 6},
      {kRegSz, std::string("hello\0", 6), 0, 6},
      {kRegSz, "abc", 2, 3},
      {kRegBinary, "abcde", 3, 5},
      {kRegDword, std::string(4, '\x11'), 2, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << c.type << ", buffer " << c.bufferSize);
    set("v", c.type, c.stored);
    std::array<std::uint8_t, 16> buffer;
    buffer.fill(kUntouched);
    std::uint32_t type = 99, size = c.bufferSize;
    EXPECT_EQ(kErrorMoreData, reg().queryValue(key_, "v", &type, buffer.data(), &size));
    EXPECT_EQ(c.type, type);
    EXPECT_EQ(c.needed, size);
    EXPECT_EQ(std::vector<std::uint8_t>(16, kUntouched),
              std::vector<std::uint8_t>(buffer.begin(), buffer.end()));
  }
}

TEST_F(RegistryContract, DwordRoundTrip) {
  for (std::uint32_t number : {0u, 1u, 0xDEADBEEFu, 0xFFFFFFFFu}) {
    std::uint8_t raw[4];
    std::memcpy(raw, &number, 4);
    ASSERT_EQ(kErrorSuccess, reg().setValue(key_, "n", kRegDword, raw, 4));
    std::uint32_t back = 0, type = 0, size = 4;
    ASSERT_EQ(kErrorSuccess,
              reg().queryValue(key_, "n", &type, reinterpret_cast<std::uint8_t*>(&back), &size));
    EXPECT_EQ(kRegDword, type);
    EXPECT_EQ(4u, size);
    EXPECT_EQ(number, back);
  }
}

class RegistryEnumContract : public RegistryContract {
 protected:
  // Enumerates as the program does, with a 32-byte name buffer.
  long enumAt(std::uint32_t index, std::string* name, std::uint32_t* nameSize) {
    std::array<char, 32> buffer;
    buffer.fill(static_cast<char>(kUntouched));
    *nameSize = 32;
    const long error = reg().enumKey(key_, index, buffer.data(), nameSize);
    const auto zero = std::find(buffer.begin(), buffer.end(), '\0');
    *name = zero == buffer.end() ? "<untouched>" : std::string(buffer.begin(), zero);
    if (error != kErrorSuccess && buffer[0] != static_cast<char>(kUntouched)) *name = "<written>";
    return error;
  }
};

TEST_F(RegistryEnumContract, ListsSubKeysSortedWithoutCase) {
  for (const char* name : {"beta", "Alpha", "charlie", "_under", "B", "Zed", "alpha2"}) {
    createSubKey(name);
  }
  const std::vector<std::string> expected = {"_under", "Alpha",   "alpha2", "B",
                                             "beta",   "charlie", "Zed"};
  std::vector<std::string> listed;
  std::string name;
  std::uint32_t nameSize = 0;
  for (std::uint32_t i = 0; enumAt(i, &name, &nameSize) == kErrorSuccess; ++i) {
    EXPECT_EQ(name.size(), nameSize);
    listed.push_back(name);
  }
  EXPECT_EQ(expected, listed);
}

TEST_F(RegistryEnumContract, NameThatDoesNotFitTheBuffer) {
  const std::string fits(31, 'a');     // 31 characters and the zero: exactly 32 bytes
  const std::string tooLong(32, 'b');  // one byte short
  const std::string muchTooLong(40, 'c');
  for (const std::string& name : {fits, tooLong, muchTooLong}) createSubKey(name);
  struct Case {
    std::uint32_t index;
    long error;
    std::string name;
    std::uint32_t nameSize;
  };
  const Case cases[] = {
      {0, kErrorSuccess, fits, 31},
      {1, kErrorMoreData, "<untouched>", 32},
      {2, kErrorMoreData, "<untouched>", 32},
      {3, kErrorNoMoreItems, "<untouched>", 32},
      {100, kErrorNoMoreItems, "<untouched>", 32},
  };
  for (const Case& c : cases) {
    std::string name;
    std::uint32_t nameSize = 0;
    EXPECT_EQ(c.error, enumAt(c.index, &name, &nameSize)) << "index " << c.index;
    EXPECT_EQ(c.name, name) << "index " << c.index;
    EXPECT_EQ(c.nameSize, nameSize) << "index " << c.index;
  }
}

TEST_F(RegistryEnumContract, KeyWithoutSubKeysHasNoItems) {
  std::string name;
  std::uint32_t nameSize = 0;
  EXPECT_EQ(kErrorNoMoreItems, enumAt(0, &name, &nameSize));
}

TEST_F(RegistryContract, HandleOpenedForLessAccessRefusesTheRest) {
  createSubKey("Robot");
  struct Case {
    const char* name;
    std::uint32_t access;
    long query;
    long set;
    long enumerate;
  };
  const Case cases[] = {
      {"read", kKeyRead, kErrorSuccess, kErrorAccessDenied, kErrorSuccess},
      {"write", kKeyWrite, kErrorAccessDenied, kErrorSuccess, kErrorAccessDenied},
      {"query only", kKeyQueryValue, kErrorSuccess, kErrorAccessDenied, kErrorAccessDenied},
      {"set only", kKeySetValue, kErrorAccessDenied, kErrorSuccess, kErrorAccessDenied},
      {"all", kKeyAllAccess, kErrorSuccess, kErrorSuccess, kErrorSuccess},
  };
  set("v", kRegSz, std::string("x", 2));
  for (const Case& c : cases) {
    RegKey opened = 0;
    ASSERT_EQ(kErrorSuccess, reg().openKey(RegRoot::CurrentUser, base_.c_str(), c.access, &opened));
    std::uint8_t buffer[8];
    std::uint32_t size = sizeof buffer;
    const std::uint8_t data[] = {'y', 0};
    char name[32];
    std::uint32_t nameSize = sizeof name;
    EXPECT_EQ(c.query, reg().queryValue(opened, "v", nullptr, buffer, &size)) << c.name;
    EXPECT_EQ(c.set, reg().setValue(opened, "w", kRegSz, data, 2)) << c.name;
    EXPECT_EQ(c.enumerate, reg().enumKey(opened, 0, name, &nameSize)) << c.name;
    EXPECT_EQ(kErrorSuccess, reg().closeKey(opened));
  }
}

TEST_F(RegistryContract, ClosedHandleIsInvalid) {
  RegKey opened = 0;
  ASSERT_EQ(kErrorSuccess, reg().openKey(RegRoot::CurrentUser, base_.c_str(), kKeyRead, &opened));
  EXPECT_EQ(kErrorSuccess, reg().closeKey(opened));
  std::uint32_t size = 0;
  EXPECT_EQ(kErrorInvalidHandle, reg().queryValue(opened, "v", nullptr, nullptr, &size));
  EXPECT_EQ(kErrorInvalidHandle, reg().closeKey(opened));
}

}  // namespace
}  // namespace sc::contract
