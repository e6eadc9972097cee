// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop and the browser do differently around the screens, each in its own file
// (platform_desktop.cpp, platform_web.cpp) chosen by CMake; the code both share asks here.
#pragma once

namespace abacolo::platform {

// Readies the application object, before any screen exists: in the browser the toolkit's face at the
// desktop's size and the page's live region; nothing on the desktop.
void prepareApplication();
// In the browser the page is the program: every screen fills it, as in full screen.
bool fillsThePage();
// Whether windows carry the program's icon: a title bar shows it on the desktop; in the browser the
// page carries it (the tab's, the home screen's).
bool showsWindowIcon();
// Called once a screen has been shown, with its widgets' requests to be repainted posted.
void screenShown();
// Whether the faces compiled in are read at start (the desktop) or when the first control that names
// a face is built (the browser, where reading them is a large part of the start).
bool readsFacesAtStart();

} // namespace abacolo::platform
