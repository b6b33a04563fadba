#include "ui/widgets/lists.h"

namespace sc {

void RadioGroup::addItem(const std::string& item) {
  items_.push_back(item);
  changed(Change::Items);
}

void RadioGroup::setItemIndex(int index) {
  if (index < -1) index = -1;
  if (index >= count()) index = count() - 1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  changed(Change::Selection);
  if (onClick) onClick();
}

std::string RadioGroup::selectedText() const {
  return itemIndex_ >= 0 ? items_[static_cast<size_t>(itemIndex_)] : std::string();
}

void RadioGroup::clickItem(int index) {
  if (acceptsInput() && index >= 0 && index < count()) setItemIndex(index);
}

void ComboBox::clear() {
  items_.clear();
  itemIndex_ = -1;
  changed(Change::Items);
  Control::setText("");
}

void ComboBox::addItem(const std::string& item) {
  items_.push_back(item);
  changed(Change::Items);
}

void ComboBox::setItemIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  itemIndex_ = index;
  changed(Change::Selection);
  Control::setText(index >= 0 ? items_[static_cast<size_t>(index)] : std::string());
}

void Memo::clear() {
  lines_.clear();
  changed(Change::Items);
}

void Memo::append(const std::string& line) {
  lines_.push_back(line);
  if (lines_.size() > kMaxLines) lines_.pop_front();
  changed(Change::LineAppended);
}

void Image::drawFramedBox(int width, int height) {
  pictureWidth_ = width;
  pictureHeight_ = height;
  changed(Change::Picture);
}

}  // namespace sc
