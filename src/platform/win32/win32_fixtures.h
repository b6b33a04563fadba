// Real-system chores that tests need and the program does not: removing a
// registry tree, making a plain window of one's own. Kept here so that test
// code, too, stays clear of <windows.h>.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace sc::win32 {

// RegDeleteTreeA and then the key itself; true when nothing is left.
bool deleteRegistryTree(RegRoot root, const std::string& path);
// A hidden top-level window of a private class that closes on WM_CLOSE the
// default way. Owned by the calling thread.
WindowHandle createPlainWindow(const std::string& title);
void destroyPlainWindow(WindowHandle window);
std::uint32_t currentProcessId();

}  // namespace sc::win32
