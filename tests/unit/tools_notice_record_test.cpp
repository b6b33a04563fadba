#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../../tools/sim-logic/log_line.h"
#include "../../tools/sim-logic/notice_record.h"

namespace sc::tools {
namespace {

TEST(ToolsNoticeRecord, FieldsSitAtTheirOffsetsZeroPadded) {
  NoticeBytes bytes = BuildNotice({"Autoloader", "load", "Error", "Occupied"});
  ASSERT_EQ(bytes.size(), 388u);
  EXPECT_STREQ(bytes.data() + 0, "Autoloader");
  EXPECT_STREQ(bytes.data() + 64, "load");
  EXPECT_STREQ(bytes.data() + 96, "Error");
  EXPECT_STREQ(bytes.data() + 128, "Occupied");
  EXPECT_EQ(bytes[10], '\0');
  EXPECT_EQ(bytes[63], '\0');
  EXPECT_EQ(bytes[387], '\0');
}

TEST(ToolsNoticeRecord, OverlongTextsAreCutAndStayTerminated) {
  NoticeBytes bytes =
      BuildNotice({std::string(100, 's'), std::string(40, 'a'), "OK", std::string(300, 'd')});
  Notice back = ReadNotice(bytes);
  EXPECT_EQ(back.source, std::string(63, 's'));
  EXPECT_EQ(back.action, std::string(31, 'a'));
  EXPECT_EQ(back.result, "OK");
  EXPECT_EQ(back.detail, std::string(259, 'd'));
}

TEST(ToolsLogLine, StampPidAndBodyOnOneLine) {
  Stamp s{2024, 3, 7, 9, 5, 2, 41};
  EXPECT_EQ(LogLine(s, 1234, "COMMAND --caller a\r\nb"),
            "2024-03-07 09:05:02.041 [1234] COMMAND --caller a  b\n");
  EXPECT_EQ(NoticeBody("Spoolcat:", {"Autoloader", "load", "Error", "No more discs"}, "delivered"),
            "NOTICE to=\"Spoolcat:\" source=\"Autoloader\" action=\"load\" result=\"Error\" "
            "detail=\"No more discs\" delivered");
}

}  // namespace
}  // namespace sc::tools
