// A disc's volume arriving in or leaving the writer's drive.
#include <cstdio>

#include "app/frm_main.h"
#include "job/volume_event.h"

namespace sc {

void TfrmMain::OnDeviceChange(std::uint32_t event, const DeviceBroadcast* header) {
  const std::string writer =
      WatchedWriter(job_, cbxWriters.count() > 0 ? cbxWriters.text() : std::string());
  switch (ClassifyVolumeEvent(event, header, writer)) {
    case WriterVolume::None:
      return;
    case WriterVolume::Arrived:
      return HandleJobEvent({JobEventKind::VolumeArrived});
    case WriterVolume::Removed: {
      // The disc was taken out and the drive remains, or the drive itself has
      // gone.
      char root[8];
      std::snprintf(root, sizeof root, "%c:\\", writer[0]);
      const bool stillCd = platform_.files.driveType(root) == kDriveCdrom;
      return HandleJobEvent({stillCd ? JobEventKind::VolumeLeft : JobEventKind::DriveGone});
    }
  }
}

}  // namespace sc
