// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a table of ControlSpec rows into the widgets of a screen: places (twips / 15 = pixels), fonts,
// colours, alignment, visibility and accessible names. The tab chain is set once a screen has all its
// controls (see Screen::finishTabOrder).
#pragma once

#include "runtime/controltable.h"

#include <QColor>
#include <QLine>
#include <QRect>
#include <QWidget>

namespace abacolo {

int pixels(int twips);
QRect pixelRect(const ControlSpec& row);
QColor toColor(Rgb rgb);

// Creates the widget for one row of a table as a child of `form`; nullptr for lines, which the screen
// paints itself.
QWidget* buildControl(const ControlSpec& row, QWidget* form);

QLine pixelLine(const ControlSpec& row);

} // namespace abacolo
