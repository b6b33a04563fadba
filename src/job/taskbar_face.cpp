#include "job/taskbar_face.h"

namespace sc {

TaskbarProgress TaskbarShows(JobProgress progress) {
  // In the order of JobProgress: None, GoesOn, WaitsForUser, CannotGoOn.
  static constexpr TaskbarProgress kShown[] = {TaskbarProgress::None,
                                               TaskbarProgress::Indeterminate,
                                               TaskbarProgress::Paused, TaskbarProgress::Error};
  return kShown[static_cast<int>(progress)];
}

std::string FiguresTooltip(const JobFigures& figures, const std::string& startedAt) {
  std::string text = std::to_string(figures.loaded) + (figures.loaded == 1 ? " disc" : " discs") +
                     " loaded, " + std::to_string(figures.unloaded) + " unloaded, " +
                     std::to_string(figures.rejected) + " to the reject bin";
  if (!startedAt.empty()) text += "; job started " + startedAt;
  return text;
}

}  // namespace sc
