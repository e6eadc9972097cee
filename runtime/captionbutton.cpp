// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/captionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace abacolo {
namespace {

constexpr int oneLine = Qt::AlignCenter | Qt::TextShowMnemonic;
constexpr int wrapped = oneLine | Qt::TextWordWrap;
constexpr double smallestPoints = 6;
constexpr double pointStep = 0.5;

bool fits(const QFont& font, const QRect& room, int flags, const QString& caption) {
    const QRect needed = QFontMetrics(font).boundingRect(room, flags, caption);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace

CaptionButton::Layout CaptionButton::captionLayout() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = text();
    const QRect styleRoom = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (fits(font(), styleRoom, oneLine, caption))
        return {font(), styleRoom, oneLine, true};
    if (fits(font(), styleRoom, wrapped, caption))
        return {font(), styleRoom, wrapped, false};
    // Inside the bevel only: the style's own padding is given up before the font is made smaller.
    const int bevel = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) + 1;
    const QRect inside = rect().adjusted(bevel, bevel, -bevel, -bevel);
    QFont smaller = font();
    while (!fits(smaller, inside, wrapped, caption) && smaller.pointSizeF() - pointStep >= smallestPoints)
        smaller.setPointSizeF(smaller.pointSizeF() - pointStep);
    return {smaller, inside, wrapped, false};
}

void CaptionButton::paintEvent(QPaintEvent* event) {
    if (!icon().isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    const Layout layout = captionLayout();
    if (layout.byStyle) {
        QPushButton::paintEvent(event);
        return;
    }
    // The bevel from the style, then the caption as laid out.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_PushButton, option);
    int flags = layout.flags;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    painter.setFont(layout.font);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(layout.room, flags, text());
}

} // namespace abacolo
