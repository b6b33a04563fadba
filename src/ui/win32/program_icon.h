// The program's icon, from the executable's resources.
#pragma once

// The resource ID of the icon, shared with the resource script: the lowest ID,
// so Explorer shows it for the file too.
#define SPOOLCAT_ICON_ID 1

#ifndef RC_INVOKED
#include <windows.h>

namespace sc {

// The icon at the system's size for big (32 px at 96 dpi) or small (16 px)
// icons; Windows' default application icon when the executable has none, as
// the test programs that create the program's windows.
HICON ProgramIcon(bool small);

}  // namespace sc
#endif
