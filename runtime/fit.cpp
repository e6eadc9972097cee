// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/fit.h"

#include "runtime/digitpad.h"

#include <algorithm>
#include <cmath>

namespace abacolo {
namespace {

// A length in whole pixels, the nearest.
int pixelsOf(double length) {
    return static_cast<int>(std::lround(length));
}

} // namespace

Fit fitScreen(QSize display, QSize designed, bool withPad) {
    Fit fit;
    if (designed.isEmpty() || display.isEmpty())
        return fit;
    const double widthRatio = double(display.width()) / designed.width();
    const double heightRatio = double(display.height()) / designed.height();
    // The pad stands beside the screen on a wide display, below it on a tall one.
    const bool beside = widthRatio >= heightRatio;
    double factor = std::min(widthRatio, heightRatio);
    PadMeasures pad;
    if (withPad) {
        for (;; factor -= factorStep) {
            pad = padMeasures(factor);
            const QSize screen(pixelsOf(designed.width() * factor), pixelsOf(designed.height() * factor));
            const bool fits = beside ? (display.width() - screen.width()) / 2 >= pad.size.width() &&
                                           display.height() >= pad.size.height()
                                     : (display.height() - screen.height()) / 2 >= pad.size.height() &&
                                           display.width() >= pad.size.width();
            if (fits || factor <= factorStep)
                break;
        }
    }
    fit.factor = std::max(factor, factorStep);
    const QSize screen(pixelsOf(designed.width() * fit.factor), pixelsOf(designed.height() * fit.factor));
    fit.offset = QPoint((display.width() - screen.width()) / 2, (display.height() - screen.height()) / 2);
    if (withPad) {
        fit.key = pad.key;
        fit.gap = pad.gap;
        // Centred in the margin after the screen: on its right, or beneath it.
        const QRect margin = beside
                                 ? QRect(fit.offset.x() + screen.width(), 0,
                                         display.width() - fit.offset.x() - screen.width(), display.height())
                                 : QRect(0, fit.offset.y() + screen.height(), display.width(),
                                         display.height() - fit.offset.y() - screen.height());
        fit.pad = QRect(QPoint(), pad.size);
        fit.pad.moveCenter(margin.center());
    }
    return fit;
}

QRect scaled(const QRect& designed, const Fit& fit) {
    const int left = pixelsOf(designed.left() * fit.factor);
    const int top = pixelsOf(designed.top() * fit.factor);
    return {left + fit.offset.x(), top + fit.offset.y(), pixelsOf(designed.width() * fit.factor),
            pixelsOf(designed.height() * fit.factor)};
}

} // namespace abacolo
