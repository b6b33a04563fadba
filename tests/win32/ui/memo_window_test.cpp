// The memo's edit box through a night of lines: what it shows, and that a
// line is added to the text rather than the text set again.
#include <windows.h>

#include <string>

#include "test_form.h"

namespace sc::test {
namespace {

class MemoWindowTest : public UiTest {
 protected:
  void SetUp() override { attach(); }

  // Longer than the box is wide and, a thousand of them, enough to pass the
  // edit control's default limit of 32,767 characters.
  static std::string Line(int i) {
    return "line " + std::to_string(i) + ": DBT_DEVICEREMOVECOMPLETE --> UnloadWriter";
  }
  std::string Joined() const {
    std::string text;
    for (const std::string& line : form.memo.lines()) {
      if (!text.empty()) text += "\r\n";
      text += line;
    }
    return text;
  }
};

TEST_F(MemoWindowTest, PastAThousandLinesTheBoxShowsTheMemosLinesAddedOneByOne) {
  const WindowHandle box = child(form.memo);
  probe::SetTextCounter setTexts(box);
  for (int i = 1; i <= 1200; ++i) form.memo.append(Line(i));

  ASSERT_EQ(form.memo.lines().size(), Memo::kMaxLines);
  EXPECT_EQ(form.memo.lines().front(), Line(201));
  const std::string shown = probe::wholeText(box);
  EXPECT_GT(shown.size(), 32767u);
  // Compared whole first would print 50,000 characters on a failure.
  EXPECT_EQ(shown.substr(0, Line(201).size() + 2), Line(201) + "\r\n");
  EXPECT_TRUE(shown == Joined()) << "the box shows " << shown.size() << " characters";
  EXPECT_EQ(setTexts.count(), 0);

  // Read between appends, the box takes each batch and cuts as many of the
  // oldest lines.
  for (int batch = 0; batch < 3; ++batch) {
    for (int i = 1; i <= 7; ++i) form.memo.append(Line(1200 + batch * 7 + i));
    ASSERT_TRUE(probe::wholeText(box) == Joined()) << "batch " << batch;
  }
  EXPECT_EQ(setTexts.count(), 0);
}

// The hidden box takes its lines when it is next asked, by any message.
TEST_F(MemoWindowTest, AnyQuestionToTheBoxFindsEveryLineInIt) {
  const WindowHandle box = child(form.memo);
  HWND edit = reinterpret_cast<HWND>(box);
  form.memo.append("first");
  EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 1);
  form.memo.append("second");
  EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 2);
  form.memo.append("third");
  EXPECT_EQ(SendMessageA(edit, EM_LINELENGTH, SendMessageA(edit, EM_LINEINDEX, 2, 0), 0), 5);
  EXPECT_EQ(probe::wholeText(box), "first\r\nsecond\r\nthird");
}

TEST_F(MemoWindowTest, AfterAClearTheBoxStartsAgainWithoutABreak) {
  const WindowHandle box = child(form.memo);
  form.memo.append("first");
  form.memo.append("second");
  form.memo.clear();
  EXPECT_EQ(probe::wholeText(box), "");
  form.memo.append("third");
  form.memo.append("");
  form.memo.append("fifth");
  EXPECT_EQ(probe::wholeText(box), "third\r\n\r\nfifth");
}

}  // namespace
}  // namespace sc::test
