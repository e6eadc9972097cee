// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/runtime/fit.h"

#include <algorithm>
#include <cmath>

namespace abacolo {
namespace {

constexpr int padColumns = 3; // 7 8 9 / 4 5 6 / 1 2 3 / 0 and delete
constexpr int padRows = 4;
constexpr double keyPerFactor = 28; // a key is as tall as a digit box at the screen's factor...
constexpr int largestKey = 120;     // ...up to a size a hand still spans on a 4K board
constexpr double factorStep = 0.01;

int round(double value) {
    return static_cast<int>(std::lround(value));
}

struct PadSize {
    int key;
    int gap;
    QSize size; // the keys and a gap around them
};

PadSize padAt(double factor) {
    const int key = std::clamp(round(keyPerFactor * factor), smallestKey, largestKey);
    const int gap = std::max(4, key / 6);
    return {key, gap, QSize(padColumns * key + (padColumns + 1) * gap, padRows * key + (padRows + 1) * gap)};
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
    PadSize pad{};
    if (withPad) {
        for (;; factor -= factorStep) {
            pad = padAt(factor);
            const QSize screen(round(designed.width() * factor), round(designed.height() * factor));
            const bool fits = beside ? (display.width() - screen.width()) / 2 >= pad.size.width() &&
                                           display.height() >= pad.size.height()
                                     : (display.height() - screen.height()) / 2 >= pad.size.height() &&
                                           display.width() >= pad.size.width();
            if (fits || factor <= factorStep)
                break;
        }
    }
    fit.factor = std::max(factor, factorStep);
    const QSize screen(round(designed.width() * fit.factor), round(designed.height() * fit.factor));
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
    const int left = round(designed.left() * fit.factor);
    const int top = round(designed.top() * fit.factor);
    return {left + fit.offset.x(), top + fit.offset.y(), round(designed.width() * fit.factor),
            round(designed.height() * fit.factor)};
}

} // namespace abacolo
