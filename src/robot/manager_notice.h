// The manager's notice: a fixed 388-byte record of four zero-terminated
// fields, with no header, version or length.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sc {

struct ManagerNotice {
  char Source[64];
  char Action[32];
  char Result[32];
  char Detail[260];
};
static_assert(sizeof(ManagerNotice) == 388, "the record the manager sends");

// Replaces the whole notice with a received payload: at most 388 bytes are
// kept (a longer payload is cut), and what the payload lacks stays zero.
void StoreNotice(ManagerNotice& notice, const std::uint8_t* payload, std::uint32_t size);

// Field comparisons: exact bytes up to the first zero within the field.
bool SourceIs(const ManagerNotice& notice, const char* literal);
bool ActionIs(const ManagerNotice& notice, const char* literal);
bool ResultIs(const ManagerNotice& notice, const char* literal);
bool DetailIs(const ManagerNotice& notice, const char* literal);

// What a notice from the "Autoloader" tells the window, by its action, its
// result and, for a refused load, its detail.
enum class NoticeKind {
  Loaded,        // "load", "OK": the disc is in the writer
  Occupied,      // "load" refused with "Occupied": another program holds the robot
  LoadRefused,   // "load" refused otherwise: no more discs, the job is over
  Unloaded,      // "unload" or "reject", "OK": the writer is empty again
  UnloadFailed,  // "unload" or "reject" with another result
  Recheck,       // "Refresh" or "Check": read the robot's report again
  Terminate,     // another application conflicts with the robot software
  Ignored,       // any other action
};

NoticeKind ClassifyNotice(const ManagerNotice& notice);

}  // namespace sc
