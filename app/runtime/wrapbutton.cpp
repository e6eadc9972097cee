#include "app/runtime/wrapbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace abacolo {

void WrapButton::paintEvent(QPaintEvent* event) {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int captionWidth = fontMetrics().horizontalAdvance(QString(option.text).remove(QLatin1Char('&')));
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!option.icon.isNull() || captionWidth <= contents.width()) {
        QPushButton::paintEvent(event);
        return;
    }
    // Too wide for one line: draw the bevel, then the caption word-wrapped and centred.
    const QString caption = option.text;
    option.text.clear();
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_PushButton, option);
    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(contents, flags, caption);
}

} // namespace abacolo
