// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen digit pad of an exercise screen in full screen, for a pupil at a board with a pen or a
// finger: 7 8 9 / 4 5 6 / 1 2 3 / 0 and delete. A press is the key itself, sent to the box that has
// the focus; the pad never takes the focus and is not in the tab chain. Everything the pad is made of
// is here: its keys, their arrangement, and how large keys and gaps are at a screen's factor.
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>

class QPushButton;

namespace abacolo {

inline constexpr int smallestKey = 48; // about a centimetre on a classroom board

// The pad's measures at a screen's factor: keys as tall as a digit box, within what a hand spans.
struct PadMeasures {
    int key = 0; // the side of a key
    int gap = 0; // between two keys, and between the keys and the pad's edge
    QSize size;  // the whole pad
};
PadMeasures padMeasures(double factor);

class DigitPad : public QWidget {
    Q_OBJECT
public:
    static constexpr int keyCount = 11;

    explicit DigitPad(QWidget* screen);

    // Places the pad on `area` (the fit's) with keys of side `key` and `gap` between them; hidden where
    // the area is empty.
    void place(const QRect& area, int key, int gap);

private:
    void press(int key, const QString& text);

    std::array<QPushButton*, keyCount> m_keys{}; // one for each row of the key table, in its order
};

} // namespace abacolo
