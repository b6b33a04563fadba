// The registry sim's setup and inspection helpers, which the contract does
// not reach.
#include <gtest/gtest.h>

#include "platform/sim/sim_registry.h"

namespace sc::sim {
namespace {

constexpr char kPath[] = "Software\\Spoolcat";

TEST(SimRegistrySetup, DeniedKeyRefusesWriteAccessBelowItButAllowsReading) {
  SimRegistry reg;
  reg.addKey(RegRoot::LocalMachine, "Software\\Spoolcat\\Robot");
  reg.denyAccess(RegRoot::LocalMachine, "Software", 0x2 | 0x4);  // set value, create subkey
  struct Case {
    const char* path;
    std::uint32_t access;
    long expected;
  };
  const Case cases[] = {
      {"Software\\Spoolcat", kKeyRead, kErrorSuccess},
      {"Software\\Spoolcat", kKeyAllAccess, kErrorAccessDenied},
      {"Software\\Spoolcat\\Robot", kKeyAllAccess, kErrorAccessDenied},
      {"Software\\Spoolcat\\New", kKeyAllAccess, kErrorAccessDenied},
  };
  for (const Case& c : cases) {
    RegKey key = 0;
    EXPECT_EQ(c.expected, reg.createKey(RegRoot::LocalMachine, c.path, c.access, &key, nullptr))
        << c.path;
    if (key != 0) reg.closeKey(key);
  }
  EXPECT_FALSE(reg.hasKey(RegRoot::LocalMachine, "Software\\Spoolcat\\New"));
  RegKey user = 0;
  EXPECT_EQ(kErrorSuccess,
            reg.createKey(RegRoot::CurrentUser, kPath, kKeyAllAccess, &user, nullptr));
  reg.closeKey(user);
}

TEST(SimRegistrySetup, ReadsBackWhatTheProgramWrote) {
  SimRegistry reg;
  RegKey key = 0;
  ASSERT_EQ(kErrorSuccess,
            reg.createKey(RegRoot::CurrentUser, kPath, kKeyAllAccess, &key, nullptr));
  const char player[] = "iTunes";
  const std::uint32_t number = 2;
  reg.setValue(key, "Player", kRegSz, reinterpret_cast<const std::uint8_t*>(player), 7);
  reg.setValue(key, "Count", kRegDword, reinterpret_cast<const std::uint8_t*>(&number), 4);
  reg.closeKey(key);
  EXPECT_EQ("iTunes", reg.stringValue(RegRoot::CurrentUser, "SOFTWARE\\spoolcat", "player"));
  EXPECT_EQ(2u, reg.dwordValue(RegRoot::CurrentUser, kPath, "Count"));
  EXPECT_EQ(std::nullopt, reg.dwordValue(RegRoot::CurrentUser, kPath, "Player"));
  EXPECT_EQ(std::nullopt, reg.stringValue(RegRoot::CurrentUser, kPath, "Count"));
  EXPECT_EQ(std::nullopt, reg.stringValue(RegRoot::LocalMachine, kPath, "Player"));
}

TEST(SimRegistrySetup, KeysKeepTheirFirstSpelling) {
  SimRegistry reg;
  reg.addKey(RegRoot::CurrentUser, "Software\\Spoolcat\\Robot");
  reg.addKey(RegRoot::CurrentUser, "SOFTWARE\\SPOOLCAT\\Alpha");
  EXPECT_EQ((std::vector<std::string>{"Alpha", "Robot"}),
            reg.subKeyNames(RegRoot::CurrentUser, kPath));
  RegKey key = 0;
  reg.openKey(RegRoot::CurrentUser, "software\\spoolcat\\robot", kKeyRead, &key);
  EXPECT_EQ(std::vector<std::string>{"HKCU\\Software\\Spoolcat\\Robot"}, reg.openKeys());
  reg.closeKey(key);
}

TEST(SimRegistrySetup, HandleToARemovedKeySaysSo) {
  SimRegistry reg;
  RegKey key = 0;
  reg.createKey(RegRoot::CurrentUser, "Software\\Spoolcat\\Gone", kKeyAllAccess, &key, nullptr);
  reg.removeKey(RegRoot::CurrentUser, kPath);
  EXPECT_FALSE(reg.hasKey(RegRoot::CurrentUser, "Software\\Spoolcat\\Gone"));
  EXPECT_TRUE(reg.hasKey(RegRoot::CurrentUser, "Software"));
  std::uint32_t size = 0;
  EXPECT_EQ(kErrorKeyDeleted, reg.queryValue(key, "x", nullptr, nullptr, &size));
  EXPECT_EQ(kErrorSuccess, reg.closeKey(key));
}

}  // namespace
}  // namespace sc::sim
