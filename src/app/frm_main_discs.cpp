// A disc's volume arriving in or leaving the writer's drive.
#include <cstdio>

#include "app/frm_main.h"
#include "job/status_text.h"
#include "job/volume_event.h"

namespace sc {

void TfrmMain::OnDeviceChange(std::uint32_t event, const DeviceBroadcast* header) {
  // During a job its own writer counts, whatever a robot report read since
  // has put into the list; otherwise the selected one.
  const std::string writer = JobRunning               ? TextOf(JobWriter)
                             : cbxWriters.count() > 0 ? cbxWriters.text()
                                                      : std::string();
  // An unload already out makes the removal moot, whatever it names.
  if (event == kDbtDeviceRemoveComplete && UnloadPending) return;

  switch (ClassifyVolumeEvent(event, header, writer)) {
    case WriterVolume::None:
      break;
    case WriterVolume::Arrived:
      Memo1.append("DBT_DEVICEARRIVAL");
      if (JobRunning) ShowState(kStatusDiscLoaded);
      break;
    case WriterVolume::Removed: {
      Memo1.append("DBT_DEVICEREMOVECOMPLETE --> UnloadWriter");
      char root[8];
      std::snprintf(root, sizeof root, "%c:\\", writer[0]);
      if (platform_.files.driveType(root) != kDriveCdrom) {
        // The drive itself has gone, not just the disc. A job waits for it:
        // the disc's arrival and removal carry it on when the drive returns.
        ShowState(kStatusNoDevice);
        btnWMP.setEnabled(false);
      } else if (JobRunning && LoadPending) {
        // The answer waits 10 ms to be handed on, longer on a busy window,
        // and a player may eject a disc it cannot read as soon as it came.
        // A removal with no arrival since the load names no disc of ours.
        if (StatusCode == kStatusDiscLoaded) DiscLeftBeforeLoadAnswer = true;
      } else if (JobRunning && StatusCode != kStatusDiscUnloading) {
        UnloadWriter();
      }
      break;
    }
  }
}

}  // namespace sc
