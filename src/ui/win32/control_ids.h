// Control IDs of the main window's children. Other processes and the
// end-to-end tests find controls by these numbers, so they are part of the
// program's outward face: change them only together with the table in docs/win32-ui.md.
#pragma once

namespace sc {

// The form's controls, numbered in creation order: 1000, 1001, ...
constexpr int kFirstControlId = 1000;
// A radio group's buttons, children of the group box: 1100, 1101, ...
constexpr int kFirstRadioItemId = 1100;

constexpr int controlId(int index) { return kFirstControlId + index; }
constexpr int radioItemId(int index) { return kFirstRadioItemId + index; }

}  // namespace sc
