#include "support/main_window_fixture.h"

namespace sc::testing {
namespace {

class NoticeReceiptTest : public MainWindowTest {
 protected:
  void SetUp() override {
    InstallManagerAndPlayers();
    Start();
  }
  void Send(const std::vector<std::uint8_t>& bytes) {
    form->OnCopyData(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  }
};

TEST_F(NoticeReceiptTest, IsHandedOnTenMillisecondsLater) {
  Notify({"Autoloader", "Terminate", "", ""});
  Advance(9);
  EXPECT_FALSE(form->Halted());
  Advance(1);
  EXPECT_TRUE(form->Halted());
  EXPECT_FALSE(form->tmrMessaging.enabled());
}

TEST_F(NoticeReceiptTest, TwoNoticesWithinTheIntervalHandOnOnlyTheSecondOnce) {
  Notify({"Autoloader", "Check", "", ""});
  Advance(6);
  Notify({"Autoloader", "Terminate", "", ""});
  // The pending tick is not pushed back by the second notice.
  Advance(4);
  EXPECT_TRUE(form->Halted());
  EXPECT_FALSE(form->tmrInit.enabled());
  EXPECT_TRUE(form->btnExit.enabled());
  form->btnExit.setEnabled(false);
  Advance(50);
  EXPECT_FALSE(form->btnExit.enabled());
}

TEST_F(NoticeReceiptTest, SourceMustBeExactlyAutoloader) {
  for (const char* source : {"autoloader", "Autoloader ", "", "AUTOLOADER"}) {
    NotifyAndSettle({source, "Terminate", "", ""});
    EXPECT_FALSE(form->Halted()) << source;
    EXPECT_FALSE(form->btnExit.enabled()) << source;
  }
  auto bytes = MakeNotice({"Autoloader", "Terminate", "", ""});
  std::fill(bytes.begin(), bytes.begin() + 64, 'A');
  Send(bytes);
  Advance(10);
  EXPECT_FALSE(form->Halted());
}

TEST_F(NoticeReceiptTest, ShortPayloadLeavesItsMissingFieldsEmpty) {
  auto bytes = MakeNotice({"Autoloader", "load", "Error", "Occupied"});
  bytes.resize(100);
  Send(bytes);
  EXPECT_EQ(TextOf(form->Notice.Result, 32), "Erro");
  EXPECT_EQ(TextOf(form->Notice.Detail, 260), "");
  Send({});
  EXPECT_EQ(TextOf(form->Notice.Source, 64), "");
  form->OnCopyData(nullptr, 388);
  EXPECT_EQ(TextOf(form->Notice.Source, 64), "");
}

TEST_F(NoticeReceiptTest, LongPayloadIsCutToTheRecord) {
  auto bytes = MakeNotice({"Autoloader", "Terminate", "", ""});
  bytes.resize(4000, 'x');
  std::fill(bytes.begin() + 128, bytes.end(), 'x');
  Send(bytes);
  // The detail fills its field without a zero; nothing past the record is kept.
  EXPECT_EQ(TextOf(form->Notice.Detail, 260), std::string(260, 'x'));
  Advance(10);
  EXPECT_TRUE(form->Halted());
}

TEST_F(NoticeReceiptTest, UnknownActionOnlyEnablesExit) {
  NotifyAndSettle({"Autoloader", "check", "", ""});
  EXPECT_TRUE(form->btnExit.enabled());
  EXPECT_FALSE(form->tmrInit.enabled());
  EXPECT_EQ(form->StatusCode, 0);
}

}  // namespace
}  // namespace sc::testing
