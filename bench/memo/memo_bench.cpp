// What the memo's edit box costs a line through a night: a 1,000-disc job
// writes 4,000 lines. They go to a hidden memo of the main window's size in
// blocks of 100; each block's time a line is printed, and the last block's
// against the first's. A cost that grows with the lines written shows as a
// ratio well above 1; a bounded memo reaches its plateau at 1,000 lines.
// The hidden box takes its lines only when asked, so the bench asks it for
// its length after every line: the box's own cost, as a reader polling it
// line by line would cause it.
//
//   wine memo_bench.exe [LINES]        4,000 by default
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "ui/widgets/form.h"
#include "ui/widgets/lists.h"
#include "ui/win32/win32_ui.h"

namespace {

constexpr int kBlock = 100;

// The four lines a disc writes.
constexpr const char* kDiscLines[] = {
    "ProcessAutoladerMessage() Writer loaded", "DBT_DEVICEARRIVAL",
    "DBT_DEVICEREMOVECOMPLETE --> UnloadWriter", "ProcessAutoladerMessage() Writer unloaded"};

class MemoForm : public sc::Form {
 public:
  MemoForm() : memo("Memo1", "", {100, 30, 145, 40}) {
    memo.setVisible(false);
    addControl(memo);
    setCaption("memo bench");
    setOuterSize(300, 200);
  }
  sc::Memo memo;
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& hz) {
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(hz.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  const int lines = argc > 1 ? std::atoi(argv[1]) : 4000;
  if (lines < kBlock) return 64;
  sc::Win32Ui ui;
  MemoForm form;
  ui.attach(form);
  HWND box = reinterpret_cast<HWND>(form.memo.peer()->handle());

  LARGE_INTEGER hz, start, end;
  QueryPerformanceFrequency(&hz);
  double first = 0, last = 0;
  std::printf("lines written,us a line\n");
  for (int done = 0; done + kBlock <= lines; done += kBlock) {
    QueryPerformanceCounter(&start);
    for (int i = done; i < done + kBlock; ++i) {
      form.memo.append(kDiscLines[i % 4]);
      SendMessageA(box, WM_GETTEXTLENGTH, 0, 0);
    }
    QueryPerformanceCounter(&end);
    const double perLine = Seconds(start, end, hz) * 1e6 / kBlock;
    if (done == 0) first = perLine;
    last = perLine;
    std::printf("%d,%.1f\n", done + kBlock, perLine);
  }
  std::printf("memo lines kept: %u\n", static_cast<unsigned>(form.memo.lines().size()));
  std::printf("last block / first block: %.2f\n", first > 0 ? last / first : 0.0);
  return 0;
}
