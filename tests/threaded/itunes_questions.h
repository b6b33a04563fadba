// The questions iTunes may ask while a disc is ripped, as dialogs on the
// shared desktop, and the button the responder should answer each with.
#pragma once

#include <optional>
#include <random>
#include <vector>

#include "threaded/shared_desktop.h"

namespace sc::testing {

enum class Question {
  None,               // no dialog at all
  UnknownDisc,        // two buttons: rip it anyway, or not
  ReplaceSongs,       // three buttons: replace, keep, cancel
  List,               // a list box and one to three buttons
  ListWithoutButton,  // a list box only: nothing to click
  LoneButton,         // no kind the responder knows
  FourButtons,        // nor this
  OtherClass,         // two buttons, but the class differs in letter case
};

const char* NameOf(Question question);

struct AskedQuestion {
  SharedDesktop::OpenedDialog dialog;
  std::vector<WindowHandle> buttons;  // the visible ones, left to right
};

// Opens the question's dialog (none for Question::None): a static text,
// sometimes a hidden button, the buttons at different left edges on the
// screen, all in random order.
AskedQuestion Ask(SharedDesktop& desktop, Question question, std::mt19937& random);

// Which of the buttons, left to right, the responder clicks with these
// options; none when it leaves the dialog alone.
std::optional<std::size_t> ExpectedButton(Question question, bool importUnknown, bool replaceSongs);

}  // namespace sc::testing
