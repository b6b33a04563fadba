// An image: an owner-drawn STATIC whose surface shows what the portable image
// holds, the white box with a one-pixel black frame, on the form's face.
#pragma once

#include "ui/widgets/lists.h"
#include "ui/win32/child_window.h"

namespace sc {

class ImageWindow : public ChildWindow {
 public:
  ImageWindow(Image& image, const ChildSetup& setup);
  void draw(const void* item) override;

 protected:
  void syncOwn(Change what) override;

 private:
  Image& image_;
};

}  // namespace sc
