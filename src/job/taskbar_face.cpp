#include "job/taskbar_face.h"

namespace sc {

TaskbarProgress TaskbarShows(JobProgress progress) {
  switch (progress) {
    case JobProgress::GoesOn:
      return TaskbarProgress::Indeterminate;
    case JobProgress::WaitsForUser:
      return TaskbarProgress::Paused;
    case JobProgress::CannotGoOn:
      return TaskbarProgress::Error;
    case JobProgress::None:
      break;
  }
  return TaskbarProgress::None;
}

std::string FiguresTooltip(const JobFigures& figures, const std::string& startedAt) {
  std::string text = std::to_string(figures.loaded) + (figures.loaded == 1 ? " disc" : " discs") +
                     " loaded, " + std::to_string(figures.unloaded) + " unloaded, " +
                     std::to_string(figures.rejected) + " to the reject bin";
  if (!startedAt.empty()) text += "; job started " + startedAt;
  return text;
}

}  // namespace sc
