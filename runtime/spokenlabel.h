// SPDX-License-Identifier: GPL-3.0-or-later
// A label whose text a screen reader speaks by itself when the screen says so (announce): the verdict
// of a check, a new problem. Its own text stays its spoken name; nothing is spoken when it is emptied.
#pragma once

#include <QLabel>

namespace abacolo {

class SpokenLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Speaks the label's current text now, wherever the keyboard focus is.
    void announce();
};

} // namespace abacolo
