// A disc's volume arriving in or leaving the selected writer's drive.
#include <cstdio>

#include "app/frm_main.h"
#include "job/drive_letter.h"
#include "job/status_text.h"

namespace sc {

namespace {

// The writer's drive is the first character of its entry text; only a volume
// broadcast whose lowest drive is that one concerns it.
bool ConcernsWriter(const DeviceBroadcast* header, const std::string& writer) {
  if (header == nullptr || header->deviceType != kDbtDevtypVolume) return false;
  const char drive = LowestDriveLetter(header->unitMask);
  return drive != 0 && !writer.empty() && writer[0] == drive;
}

}  // namespace

void TfrmMain::OnDeviceChange(std::uint32_t event, const DeviceBroadcast* header) {
  if (cbxWriters.count() == 0) return;
  const bool jobRunning = !btnWMP.enabled();

  if (event == kDbtDeviceArrival) {
    if (!ConcernsWriter(header, cbxWriters.text())) return;
    Memo1.append("DBT_DEVICEARRIVAL");
    if (jobRunning) ShowState(kStatusDiscLoaded);
  } else if (event == kDbtDeviceRemoveComplete) {
    if (UnloadPending || !ConcernsWriter(header, cbxWriters.text())) return;
    Memo1.append("DBT_DEVICEREMOVECOMPLETE --> UnloadWriter");
    char root[8];
    std::snprintf(root, sizeof root, "%c:\\", cbxWriters.text()[0]);
    if (platform_.files.driveType(root) == kDriveCdrom) {
      if (StatusCode == kStatusDiscUnloading || !jobRunning) return;
      UnloadWriter();
    } else {
      ShowState(kStatusNoDevice);
      btnWMP.setEnabled(false);
    }
  }
}

}  // namespace sc
