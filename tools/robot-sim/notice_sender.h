// Delivers a notice the way the robot software does: WM_COPYDATA with the
// 388-byte record to the top-level window whose caption is the caller value.
#pragma once

#include <string>

#include "notice_record.h"

namespace sc::tools {

// "delivered", "no-window" (no window with that caption) or "failed" (the
// window did not answer within the time-out).
std::string SendNotice(const std::string& caller, const Notice& notice);

}  // namespace sc::tools
