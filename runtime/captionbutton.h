// SPDX-License-Identifier: GPL-3.0-or-later
// A push button of fixed size that always shows its whole caption, whatever the widget style and the
// desktop's font: on one line where the style leaves room for it, else wrapped at word boundaries,
// then with thinner margins, and only as a last resort in a smaller font.
#pragma once

#include <QFont>
#include <QPushButton>
#include <QRect>

namespace abacolo {

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // Where and how the caption is drawn.
    struct Layout {
        QFont font;
        QRect room;    // the caption is centred in it
        int flags = 0; // Qt::AlignmentFlag and Qt::TextFlag values for drawing the caption
        bool byStyle;  // the style draws the caption itself: it fits on one line where the style puts it
    };
    Layout captionLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace abacolo
