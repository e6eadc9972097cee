// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen digit pad of an exercise screen in full screen, for a pupil at a board with a pen or a
// finger: 7 8 9 / 4 5 6 / 1 2 3 / 0 and delete. A press is the key itself, sent to the box that has
// the focus; the pad never takes the focus and is not in the tab chain.
#pragma once

#include <QWidget>

namespace abacolo {

struct Fit;

class DigitPad : public QWidget {
    Q_OBJECT
public:
    explicit DigitPad(QWidget* screen);

    // Places the pad and sizes its keys for a fit; hidden where the fit has no pad.
    void place(const Fit& fit);

private:
    void press(int key, const QString& text);
};

} // namespace abacolo
