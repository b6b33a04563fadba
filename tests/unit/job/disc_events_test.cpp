#include <gmock/gmock.h>

#include "job/volume_event.h"
#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

constexpr std::uint32_t kDriveD = 1u << 3;
constexpr std::uint32_t kDriveE = 1u << 4;

TEST(DriveLetterTest, LowestSetBitAmongTheTwentySixDrives) {
  EXPECT_EQ(LowestDriveLetter(1u), 'A');
  EXPECT_EQ(LowestDriveLetter(kDriveD | kDriveE), 'D');
  EXPECT_EQ(LowestDriveLetter(1u << 25), 'Z');
  EXPECT_EQ(LowestDriveLetter(0), 0);
  EXPECT_EQ(LowestDriveLetter(1u << 26), 0);
}

using DiscEventsTest = MainWindowTest;

TEST_F(DiscEventsTest, ArrivalDuringAJobShowsDiscLoaded) {
  StartJob();
  form->DotCount = 2;
  Volume(kDbtDeviceArrival, kDriveE);
  EXPECT_EQ(form->StatusCode, 4);
  EXPECT_EQ(form->DotCount, 0);
  EXPECT_EQ(form->lblStatus.text(), "Disc Loaded");
}

TEST_F(DiscEventsTest, OnlyTheLowestDriveOfAVolumeBroadcastCounts) {
  StartJob();
  const auto memoBefore = form->Memo1.lines().size();
  Volume(kDbtDeviceArrival, kDriveD | kDriveE);
  Volume(kDbtDeviceArrival, 0);
  Volume(kDbtDeviceArrival, kDriveE, 3);  // a port, not a volume
  form->OnDeviceChange(kDbtDeviceArrival, nullptr);
  form->OnDeviceChange(0x0007, nullptr);
  EXPECT_EQ(form->Memo1.lines().size(), memoBefore);
  EXPECT_EQ(form->lblStatus.text(), "Disc Loading");
}

TEST_F(DiscEventsTest, WriterEntryMustStartWithTheUpperCaseLetter) {
  StartReady({"e: lower case"});
  Volume(kDbtDeviceArrival, kDriveE);
  EXPECT_TRUE(form->Memo1.lines().empty());
}

TEST_F(DiscEventsTest, RemovalDuringAJobUnloadsOnce) {
  StartJob();
  Volume(kDbtDeviceArrival, kDriveE);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action unload --target E: Writer 1");
  const auto commands = ManagerCommands().size();
  const auto memo = form->Memo1.lines().size();
  // An unload is out: further removals are ignored without a memo line.
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_EQ(ManagerCommands().size(), commands);
  EXPECT_EQ(form->Memo1.lines().size(), memo);
}

TEST_F(DiscEventsTest, ADiscGoneBeforeItsLoadAnswerIsHandedOnIsUnloadedByThatAnswer) {
  StartReady();
  form->btnWMP.click();
  // The answer is in, but before its 10 ms have passed the disc arrives and
  // the player ejects it.
  Notify({"Autoloader", "load", "OK", ""});
  Volume(kDbtDeviceArrival, kDriveE);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_EQ(ManagerCommands().size(), 2u) << "a command while the load is out";
  Advance(10);
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action unload --target E: Writer 1");
  EXPECT_EQ(form->lblStatus.text(), "Disc Unloading");
  EXPECT_FALSE(form->btnExit.enabled());

  // A removal while the next load is out, with no arrival seen for it (its
  // broadcast named several drives, or none came): that load's answer
  // unloads it too, or the job would wait on an empty drive for ever.
  NotifyAndSettle({"Autoloader", "unload", "OK", ""});
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_EQ(form->Memo1.lines().back(), "DBT_DEVICEREMOVECOMPLETE --> UnloadWriter");
  NotifyAndSettle({"Autoloader", "load", "OK", ""});
  EXPECT_EQ(LastManagerCommand(), "--caller Spoolcat: --action unload --target E: Writer 1");
  EXPECT_EQ(ManagerCommands().size(), 5u);
  EXPECT_FALSE(form->btnExit.enabled());
}

TEST_F(DiscEventsTest, VanishedDriveShowsNoDeviceJobOrNot) {
  StartReady();
  sim.files.setDriveType('E', kDriveNoRootDir);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_EQ(form->StatusCode, 2);
  EXPECT_EQ(form->lblStatus.text(), "No Device");
  EXPECT_FALSE(form->btnWMP.enabled());
  EXPECT_EQ(ManagerCommands().size(), 1u);
}

TEST_F(DiscEventsTest, NoWritersMeansNoReaction) {
  InstallManagerAndPlayers();
  Start();
  Volume(kDbtDeviceArrival, kDriveE);
  Volume(kDbtDeviceRemoveComplete, kDriveE);
  EXPECT_TRUE(form->Memo1.lines().empty());
}

}  // namespace
}  // namespace sc::testing
