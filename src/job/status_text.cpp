#include "job/status_text.h"

namespace sc {

const char* StatusText(int code) {
  static const char* const kTexts[] = {
      "Initializing", "Ready",          "No Device", "Disc Loading",
      "Disc Loaded",  "Disc Unloading", "Job Done",  "Robot software not found"};
  return code >= 0 && code <= kStatusNoManager ? kTexts[code] : "";
}

bool IsAnimated(int code) {
  return code == kStatusInitializing || code == kStatusDiscLoading || code == kStatusDiscLoaded ||
         code == kStatusDiscUnloading;
}

}  // namespace sc
