// A disc's volume arriving in or leaving the selected writer's drive.
#include <cstdio>

#include "app/frm_main.h"
#include "job/status_text.h"
#include "job/volume_event.h"

namespace sc {

void TfrmMain::OnDeviceChange(std::uint32_t event, const DeviceBroadcast* header) {
  if (cbxWriters.count() == 0) return;
  const bool jobRunning = !btnWMP.enabled();
  // An unload already out makes the removal moot, whatever it names.
  if (event == kDbtDeviceRemoveComplete && UnloadPending) return;

  switch (ClassifyVolumeEvent(event, header, cbxWriters.text())) {
    case WriterVolume::None:
      break;
    case WriterVolume::Arrived:
      Memo1.append("DBT_DEVICEARRIVAL");
      if (jobRunning) ShowState(kStatusDiscLoaded);
      break;
    case WriterVolume::Removed: {
      Memo1.append("DBT_DEVICEREMOVECOMPLETE --> UnloadWriter");
      char root[8];
      std::snprintf(root, sizeof root, "%c:\\", cbxWriters.text()[0]);
      if (platform_.files.driveType(root) != kDriveCdrom) {
        // The drive itself has gone, not just the disc.
        ShowState(kStatusNoDevice);
        btnWMP.setEnabled(false);
      } else if (StatusCode != kStatusDiscUnloading && jobRunning) {
        UnloadWriter();
      }
      break;
    }
  }
}

}  // namespace sc
