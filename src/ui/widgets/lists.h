// Controls that hold a list of texts (the radio group, the combo box, the
// memo), and the image with its drawing surface.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/widgets/control.h"

namespace sc {

class RadioGroup : public Control {
 public:
  using Control::Control;
  // Fires whenever the selection changes, by the user or from code.
  std::function<void()> onClick;

  const std::vector<std::string>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  void addItem(const std::string& item);
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  // The selected item's text, or "" when none is selected.
  std::string selectedText() const;
  // A user's click on item `index`: ignored while disabled or hidden.
  void clickItem(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

class ComboBox : public Control {
 public:
  using Control::Control;

  int count() const { return static_cast<int>(items_.size()); }
  const std::vector<std::string>& items() const { return items_; }
  void clear();
  void addItem(const std::string& item);
  int itemIndex() const { return itemIndex_; }
  // Selecting an item makes its text the combo box's text.
  void setItemIndex(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

// Diagnostic lines, the most recent kMaxLines of them: the memo is hidden,
// and a night's job must not grow it without end.
class Memo : public Control {
 public:
  static constexpr std::size_t kMaxLines = 1000;

  using Control::Control;

  const std::deque<std::string>& lines() const { return lines_; }
  void clear();
  // Adds `line` at the end; past kMaxLines the oldest line goes.
  void append(const std::string& line);

 private:
  std::deque<std::string> lines_;
};

// An image with its own drawing surface; the status box is drawn on it.
class Image : public Control {
 public:
  using Control::Control;

  // The surface holds a white box with a one-pixel black frame of this size.
  void drawFramedBox(int width, int height);
  int pictureWidth() const { return pictureWidth_; }
  int pictureHeight() const { return pictureHeight_; }

 private:
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
};

}  // namespace sc
