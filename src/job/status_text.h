#pragma once

namespace sc {

// The job's states as the status line shows them.
enum StatusCodes : int {
  kStatusInitializing = 0,
  kStatusReady = 1,
  kStatusNoDevice = 2,
  kStatusDiscLoading = 3,
  kStatusDiscLoaded = 4,
  kStatusDiscUnloading = 5,
  kStatusJobDone = 6,
  // The robot manager could not be started: the window stops waiting for it.
  kStatusNoManager = 7,
};

// The text of a code; "" for a value outside 0 to 7.
const char* StatusText(int code);

// The codes of work in progress, whose text the status line animates.
bool IsAnimated(int code);

constexpr const char* kConflictText = "Conflict with other application";

}  // namespace sc
