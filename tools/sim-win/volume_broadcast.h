// Volume arrival and removal, sent the way the system announces them: a
// WM_DEVICECHANGE with a DEV_BROADCAST_VOLUME to every top-level window.
#pragma once

#include <windows.h>

namespace sc::tools {

// DBT_DEVICEARRIVAL or DBT_DEVICEREMOVECOMPLETE for `drive` ('A'..'Z').
// Windows of the calling process are skipped. Returns how many windows it was
// sent to.
int SendVolumeChange(WPARAM event, char drive);

const char* VolumeEventName(WPARAM event);

}  // namespace sc::tools
