// SPDX-License-Identifier: GPL-3.0-or-later
// How a screen fills the display in full screen: its designed client area scaled uniformly by the
// largest factor that fits, centred, and, where the screen has a digit pad, the pad in the wider
// margin beside it, the factor lowered until the pad (as the pad measures itself) fits there.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace abacolo {

struct Fit {
    double factor = 1;
    QPoint offset; // where the scaled client area starts
    QRect pad;     // the digit pad's place; empty where there is none
    int key = 0;   // the side of a pad key, in pixels
    int gap = 0;   // between two keys

    bool operator==(const Fit&) const = default;
};

// How far the factor is lowered at a time to make room for the pad.
inline constexpr double factorStep = 0.01;

// The fit of a screen whose client area is `designed` pixels on a display of `display` pixels.
Fit fitScreen(QSize display, QSize designed, bool withPad);

// A designed rectangle in pixels at a fit's factor and offset.
QRect scaled(const QRect& designed, const Fit& fit);

} // namespace abacolo
