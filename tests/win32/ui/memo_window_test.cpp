// The memo's edit box through a night of lines: what it shows, and that a
// line is added to the text rather than the text set again.
#include <string>

#include "test_form.h"

namespace sc::test {
namespace {

class MemoWindowTest : public UiTest {
 protected:
  void SetUp() override { attach(); }

  // Long enough that a thousand of them pass the edit control's default
  // limit of 32,767 characters.
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
