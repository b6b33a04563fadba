#include "ui/win32/window_messages.h"

#include <windows.h>

namespace sc {

CopyData decodeCopyData(std::intptr_t lParam) {
  CopyData result;
  const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (cds == nullptr || cds->lpData == nullptr) return result;
  result.data = static_cast<const std::uint8_t*>(cds->lpData);
  result.size = cds->cbData;
  return result;
}

}  // namespace sc
