#include "ui/win32/program_icon.h"

namespace sc {

HICON ProgramIcon(bool small) {
  const int size = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
  // Shared: every class registration asks again, and gets the same handle.
  HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(SPOOLCAT_ICON_ID),
                           IMAGE_ICON, size, size, LR_SHARED);
  if (icon == nullptr) return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  return static_cast<HICON>(icon);
}

}  // namespace sc
