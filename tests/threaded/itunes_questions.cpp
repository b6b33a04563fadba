#include "threaded/itunes_questions.h"

#include <algorithm>
#include <string>

#include "player/dialog_responder.h"

namespace sc::testing {

namespace {

int ButtonsOf(Question question, std::mt19937& random) {
  switch (question) {
    case Question::UnknownDisc:
    case Question::OtherClass:
      return 2;
    case Question::ReplaceSongs:
      return 3;
    case Question::List:
      return std::uniform_int_distribution<int>(1, 3)(random);
    case Question::LoneButton:
      return 1;
    case Question::FourButtons:
      return 4;
    case Question::None:
    case Question::ListWithoutButton:
      break;
  }
  return 0;
}

}  // namespace

const char* NameOf(Question question) {
  switch (question) {
    case Question::None:
      return "no question";
    case Question::UnknownDisc:
      return "unidentified disc";
    case Question::ReplaceSongs:
      return "replace songs";
    case Question::List:
      return "list";
    case Question::ListWithoutButton:
      return "list without a button";
    case Question::LoneButton:
      return "one button";
    case Question::FourButtons:
      return "four buttons";
    case Question::OtherClass:
      return "other class";
  }
  return "?";
}

AskedQuestion Ask(SharedDesktop& desktop, Question question, std::mt19937& random) {
  AskedQuestion asked;
  if (question == Question::None) return asked;
  // Left edges 200 pixels apart, each moved by up to 150: all different, all
  // on a 1024-pixel screen.
  std::vector<SharedDesktop::ControlSpec> controls;
  std::uniform_int_distribution<int> shift(0, 150);
  const int buttons = ButtonsOf(question, random);
  for (int i = 0; i < buttons; ++i) controls.push_back({"Button", 200 * i + shift(random)});
  controls.push_back({"Static", 20});
  if (random() % 4 == 0) controls.push_back({"Button", 900, false});
  if (question == Question::List || question == Question::ListWithoutButton)
    controls.push_back({"ListBox", 20});
  std::shuffle(controls.begin(), controls.end(), random);

  asked.dialog = desktop.openDialog(
      question == Question::OtherClass ? "itunescustommodaldialog" : kITunesDialogClass, controls);
  std::vector<std::pair<int, WindowHandle>> visibleButtons;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (std::string(controls[i].className) == "Button" && controls[i].visible)
      visibleButtons.emplace_back(controls[i].left, asked.dialog.controls[i]);
  }
  std::sort(visibleButtons.begin(), visibleButtons.end());
  for (const auto& [left, button] : visibleButtons) asked.buttons.push_back(button);
  return asked;
}

std::optional<std::size_t> ExpectedButton(Question question, bool importUnknown,
                                          bool replaceSongs) {
  switch (question) {
    case Question::UnknownDisc:
      return importUnknown ? 0 : 1;
    case Question::ReplaceSongs:
      return replaceSongs ? 0 : 1;  // replace, or keep: the middle one
    case Question::List:
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace sc::testing
