// The main window's own messages, sent as other programs and the system send
// them, reach the portable form as plain values.
#include <cstring>
#include <stdexcept>
#include <thread>

#include "test_form.h"

namespace sc::test {
namespace {

class MessagesTest : public UiTest {
 protected:
  void SetUp() override { attach(); }
};

TEST_F(MessagesTest, CopyDataDeliversThePayloadBytes) {
  const std::uint8_t payload[] = {'A', 'u', 't', 'o', 0, 0xFF};
  EXPECT_EQ(probe::sendCopyData(window, payload, sizeof payload, 77), 0);
  ASSERT_EQ(form.copies, 1);
  EXPECT_EQ(form.copied, std::vector<std::uint8_t>(payload, payload + sizeof payload));

  probe::sendCopyDataWithoutPayload(window, 100);
  EXPECT_EQ(form.copies, 2);
  EXPECT_TRUE(form.copiedNull);
  EXPECT_EQ(form.copiedSize, 0u);
}

struct VolumeRecord {
  std::uint32_t size, deviceType, reserved, unitMask;
  std::uint16_t flags;
};

TEST_F(MessagesTest, DeviceChangeReachesTheFormAndNotTheDefault) {
  const VolumeRecord volume{18, kDbtDevtypVolume, 0, 1u << 4, 0};
  const std::intptr_t answer = probe::sendDeviceChange(window, kDbtDeviceArrival, &volume);
  ASSERT_EQ(form.deviceChanges, 1);
  EXPECT_EQ(form.lastEvent, kDbtDeviceArrival);
  ASSERT_TRUE(form.hadHeader);
  EXPECT_EQ(form.lastHeader.deviceType, kDbtDevtypVolume);
  EXPECT_EQ(form.lastHeader.unitMask, 1u << 4);
  EXPECT_EQ(answer, 1);
  // Wine's and Windows' default answers 0 here: ours shows it was not used.
  EXPECT_NE(probe::defaultDeviceChange(window, kDbtDeviceArrival, &volume), answer);
}

TEST_F(MessagesTest, DeviceChangeReadsOnlyWhatTheRecordHolds) {
  // A bare header claims 12 bytes: the mask after it is not the sender's.
  const VolumeRecord shortRecord{12, kDbtDevtypVolume, 0, 0xFFFF, 0};
  probe::sendDeviceChange(window, kDbtDeviceRemoveComplete, &shortRecord);
  EXPECT_EQ(form.lastEvent, kDbtDeviceRemoveComplete);
  EXPECT_EQ(form.lastHeader.deviceType, kDbtDevtypVolume);
  EXPECT_EQ(form.lastHeader.unitMask, 0u);

  probe::sendDeviceChange(window, 0x0007, nullptr);
  EXPECT_EQ(form.deviceChanges, 2);
  EXPECT_FALSE(form.hadHeader);
}

// Any program can send or post WM_DEVICECHANGE with any event and lParam.
// For events that carry no record the lParam must not be read: here it points
// nowhere, and reading it would end the process.
TEST_F(MessagesTest, DeviceChangeWithoutARecordIsNeverReadWhateverItsLParam) {
  constexpr std::intptr_t kBogus = 0x0BADF00D;
  const std::uint32_t events[] = {0x0007, 0x0018, 0x0019, 0x1234};
  int seen = 0;
  for (std::uint32_t event : events) {
    probe::sendDeviceChange(window, event, reinterpret_cast<const void*>(kBogus));
    EXPECT_EQ(form.deviceChanges, ++seen);
    EXPECT_EQ(form.lastEvent, event);
    EXPECT_FALSE(form.hadHeader) << event;

    probe::postDeviceChange(window, event, kBogus);
    EXPECT_TRUE(probe::pumpUntil([&] { return form.deviceChanges > seen; }, 3000)) << event;
    EXPECT_EQ(form.deviceChanges, ++seen);
    EXPECT_EQ(form.lastEvent, event);
    EXPECT_FALSE(form.hadHeader) << event;
  }
}

TEST_F(MessagesTest, CloseFromAnyPathAsksTheForm) {
  probe::sendClose(window);
  probe::sendSystemClose(window);
  EXPECT_EQ(form.closeQueries, 2);
  EXPECT_EQ(form.closes, 0);
  EXPECT_TRUE(probe::exists(window));
  EXPECT_FALSE(probe::takeQuit());

  form.allowClose = true;
  probe::sendClose(window);
  EXPECT_EQ(form.closes, 1);
  EXPECT_FALSE(probe::exists(window));
  EXPECT_TRUE(probe::takeQuit());
}

TEST_F(MessagesTest, QueryEndSessionAnswersTheCloseQuery) {
  EXPECT_EQ(probe::queryEndSession(window), 0);
  form.allowClose = true;
  EXPECT_EQ(probe::queryEndSession(window), 1);
  EXPECT_TRUE(probe::exists(window));
  EXPECT_EQ(form.closes, 0);
}

TEST_F(MessagesTest, OneShotTimerFiresOnceAfterItsInterval) {
  int ticks = 0;
  form.tmrOnce.onTimer = [&] {
    form.tmrOnce.setEnabled(false);
    ++ticks;
  };
  form.tmrOnce.setEnabled(true);
  probe::pumpFor(100);
  EXPECT_EQ(ticks, 0);
  EXPECT_TRUE(probe::pumpUntil([&] { return ticks > 0; }, 3000));
  probe::pumpFor(700);
  EXPECT_EQ(ticks, 1);
}

TEST_F(MessagesTest, PaintAndMouseMoveReachTheForm) {
  form.show();
  probe::repaintNow(window);
  EXPECT_GE(form.paints, 1);
  probe::moveMouse(window);
  EXPECT_EQ(form.mouseMoves, 1);
}

TEST_F(MessagesTest, FrameMatchesTheClientArea) {
  form.setOuterSize(300, 200);
  const Rect outer = probe::windowRect(window);
  const Rect client = probe::clientRect(window);
  EXPECT_EQ(outer.width, 300);
  EXPECT_EQ(outer.height, 200);
  EXPECT_EQ(client.width, form.clientWidth());
  EXPECT_EQ(client.height, form.clientHeight());
  RecordProperty("client", std::to_string(client.width) + "x" + std::to_string(client.height));
  std::printf("client area of a 300x200 window: %dx%d\n", client.width, client.height);

  form.setClientHeight(150);
  EXPECT_EQ(probe::clientRect(window).height, 150);
}

TEST_F(MessagesTest, FirstShowCentresOnTheScreen) {
  form.setOuterSize(300, 200);
  form.show();
  const Rect r = probe::windowRect(window);
  EXPECT_EQ(r.left, (probe::screenWidth() - 300) / 2);
  EXPECT_EQ(r.top, (probe::screenHeight() - 200) / 2);
  form.setTopMost(true);
  EXPECT_TRUE(probe::topMost(window));
  form.setTopMost(false);
  EXPECT_FALSE(probe::topMost(window));
}

TEST_F(MessagesTest, TopMostLayerActivatesTheWindow) {
  form.show();
  probe::activate(0);
  ASSERT_EQ(probe::activeWindow(), 0u);
  form.setTopMost(true);
  EXPECT_EQ(probe::activeWindow(), window);
}

TEST_F(MessagesTest, HandlerExceptionsAreShownAndGoNoFurther) {
  form.btnGo.onClick = [] { throw std::runtime_error("boom"); };
  form.rgPlayer.onClick = [] { throw 42; };
  probe::click(child(form.btnGo));
  probe::click(probe::childById(child(form.rgPlayer), radioItemId(1)));
  EXPECT_EQ(boxes.errors, (std::vector<std::string>{"|boom", "|"}));
}

}  // namespace
}  // namespace sc::test
