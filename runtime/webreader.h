// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads in the browser. The program is drawn on a canvas the screen reader cannot
// see into; each screen on view therefore has a copy in the page made of plain elements, one for each
// control the pupil could hear on the desktop: a group named by the screen's title, a button for each
// button, a text field for each digit box, a text for each label, under the control it stands for. The
// keyboard focus of the page follows the program's, so that every Tab and every tap says the control's
// name as the desktop's screen reader says it. Built for the browser only.
#pragma once

namespace abacolo::web {

// Follows the program's focus from now on (once the application exists, before any screen).
void startReader();
// A screen has been shown: its copy is brought up to date and the focus put where the program has it.
void readerScreenShown();

} // namespace abacolo::web
