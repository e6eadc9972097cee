// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/runtime/digitpad.h"

#include "app/runtime/fit.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace abacolo {
namespace {

struct Key {
    int key;
    const char* caption;
    const char* spoken;
    int row;
    int column;
    int span = 1;
};

constexpr Key keys[] = {
    {Qt::Key_7, "7", "7", 0, 0},
    {Qt::Key_8, "8", "8", 0, 1},
    {Qt::Key_9, "9", "9", 0, 2},
    {Qt::Key_4, "4", "4", 1, 0},
    {Qt::Key_5, "5", "5", 1, 1},
    {Qt::Key_6, "6", "6", 1, 2},
    {Qt::Key_1, "1", "1", 2, 0},
    {Qt::Key_2, "2", "2", 2, 1},
    {Qt::Key_3, "3", "3", 2, 2},
    {Qt::Key_0, "0", "0", 3, 0, 2},
    {Qt::Key_Backspace, "\u2190", "Cancella", 3, 2},
};

constexpr double captionPerKey = 0.45; // the caption's height as a share of the key's

} // namespace

DigitPad::DigitPad(QWidget* screen) : QWidget(screen) {
    setObjectName(QStringLiteral("digitpad"));
    setFocusPolicy(Qt::NoFocus);
    for (const Key& key : keys) {
        auto* button = new QPushButton(QString::fromUtf8(key.caption), this);
        button->setObjectName(QStringLiteral("pad") + QString::fromUtf8(key.spoken));
        button->setAccessibleName(QString::fromUtf8(key.spoken));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setProperty("row", key.row);
        button->setProperty("column", key.column);
        button->setProperty("span", key.span);
        const int code = key.key;
        const QString text = code == Qt::Key_Backspace ? QString() : QString::fromUtf8(key.caption);
        connect(button, &QPushButton::clicked, this, [this, code, text] { press(code, text); });
    }
    hide();
}

void DigitPad::place(const Fit& fit) {
    if (fit.pad.isEmpty()) {
        hide();
        return;
    }
    setGeometry(fit.pad);
    QFont font = this->font();
    font.setPixelSize(std::max(1, int(fit.key * captionPerKey)));
    font.setBold(true);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        const int row = button->property("row").toInt();
        const int column = button->property("column").toInt();
        const int span = button->property("span").toInt();
        button->setGeometry(fit.gap + column * (fit.key + fit.gap), fit.gap + row * (fit.key + fit.gap),
                            span * fit.key + (span - 1) * fit.gap, fit.key);
        button->setFont(font);
    }
    show();
    raise();
}

void DigitPad::press(int key, const QString& text) {
    // The box the pupil last tapped keeps the focus: the key goes there, as if typed.
    auto* box = qobject_cast<QLineEdit*>(window()->focusWidget());
    if (box == nullptr || !box->isEnabled() || box->isReadOnly())
        return;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &up);
}

} // namespace abacolo
