// How the program's taskbar button flashes when a wait lasts too long.
#pragma once

#include <windows.h>

namespace sc::win32 {

// The button of `button` flashes, its caption never (the main window, whose
// caption it would be, has no button), until the program comes to the
// foreground; a flash while it is there already would stop at once.
FLASHWINFO TaskbarFlash(HWND button);

}  // namespace sc::win32
