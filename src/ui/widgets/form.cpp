#include "ui/widgets/form.h"

namespace sc {

namespace {
// What a headless form answers for its handle: any non-zero value will do.
constexpr WindowHandle kHeadlessHandle = 0x10010;
}  // namespace

Form::Form() = default;

void Form::setCaption(const std::string& caption) {
  caption_ = caption;
  if (peer_) peer_->captionChanged(*this);
}

void Form::show() {
  visible_ = true;
  if (peer_) peer_->shown(*this);
}

void Form::setFrame(int horizontal, int vertical) {
  frameHorizontal_ = horizontal;
  frameVertical_ = vertical;
}

void Form::setOuterSize(int width, int height) {
  outerWidth_ = width;
  outerHeight_ = height;
  if (peer_) peer_->sizeChanged(*this);
}

void Form::setClientHeight(int height) { setOuterSize(outerWidth_, height + frameVertical_); }

void Form::setTopMost(bool topMost) {
  topMost_ = topMost;
  if (peer_) peer_->topMostChanged(*this);
}

void Form::invalidate() {
  if (peer_) peer_->invalidate();
}

WindowHandle Form::handle() const { return peer_ ? peer_->handle() : kHeadlessHandle; }

bool Form::close() {
  if (closed_) return true;
  bool canClose = true;
  FormCloseQuery(canClose);
  if (!canClose) return false;
  FormClose();
  closed_ = true;
  visible_ = false;
  if (peer_) peer_->closed();
  return true;
}

bool Form::queryEndSession(WindowHandle asked) {
  bool canEnd = true;
  OnQueryEndSession(canEnd, asked);
  return canEnd;
}

}  // namespace sc
