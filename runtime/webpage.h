// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the program in the browser, which the program's seam and alert sound fill: the live
// region a screen reader watches, the page's title, the alert tone, the browser's own full screen, and
// the line the page shows once the program has ended. Built for the browser only.
#pragma once

#include <QString>

#include <string>

namespace abacolo::web {

// Readies the page once the application exists: makes the live region before anything is said into it
// (a screen reader follows a region that was there before its text changed), and keeps the system's
// on-screen keyboard closed, since the digit pad types.
void preparePage();
// Says `text` through the live region, at once; the same text twice is said twice.
void announce(const QString& text);
void setTitle(const QString& title);
// A short alert tone through Web Audio. The browser lets a page sound only after a first touch or key,
// and every check follows one.
void playTone();
// Asks the browser to fill the whole display with the page, or to leave it (F11).
void toggleBrowserFullScreen();
// The program has ended ("&Esci"): the page shows one line and a button that starts it again.
void showEnded();
// The page address's query ("?entro=99&cambio=no"), as the address holds it.
std::string pageQuery();
// The address asks for what the program does not know: the page shows `line` and the links to every
// choice in the program's place, and the program does not start.
void showRefused(const QString& line);

} // namespace abacolo::web
