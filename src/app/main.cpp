// The composition root of spoolcat.exe: the real Windows backends handed to
// the portable program.
#include "app/program.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/win32_ui.h"

namespace {
// Process-wide, so it outlives the responder thread, which is stopped from
// outside and may still be running while the program returns.
sc::WatchBlock watchBlock;
}  // namespace

int main() {
  sc::Win32Platform platform;
  sc::Win32Ui ui;
  return sc::RunProgram(platform.platform(), ui, watchBlock);
}
