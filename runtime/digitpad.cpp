// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/digitpad.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace abacolo {
namespace {

struct Key {
    int key;
    const char* caption;
    const char* spoken; // also the key's name after "pad": "pad7", "padCancella"
    int row;
    int column;
    int span = 1; // columns
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
static_assert(std::size(keys) == DigitPad::keyCount);

constexpr int columns = 3;
constexpr int rows = 4;

constexpr double keyPerFactor = 28;    // a key is as tall as a digit box at the screen's factor...
constexpr int largestKey = 120;        // ...up to a size a hand still spans on a 4K board
constexpr int smallestGap = 4;         // keys never touch...
constexpr int keysPerGap = 6;          // ...and stand a sixth of a key apart
constexpr double captionPerKey = 0.45; // the caption's height as a share of the key's

// Where the keys of `cell` (a row or a column) start: a gap before each key. The pad ends where one
// more row or column would start.
int cellStart(int cell, int key, int gap) {
    return gap + cell * (key + gap);
}

} // namespace

PadMeasures padMeasures(double factor) {
    PadMeasures pad;
    pad.key = std::clamp(static_cast<int>(std::lround(keyPerFactor * factor)), smallestKey, largestKey);
    pad.gap = std::max(smallestGap, pad.key / keysPerGap);
    pad.size = QSize(cellStart(columns, pad.key, pad.gap), cellStart(rows, pad.key, pad.gap));
    return pad;
}

DigitPad::DigitPad(QWidget* screen) : QWidget(screen) {
    setObjectName(QStringLiteral("digitpad"));
    setFocusPolicy(Qt::NoFocus);
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const Key& key = keys[i];
        auto* button = new QPushButton(QString::fromUtf8(key.caption), this);
        button->setObjectName(QStringLiteral("pad") + QString::fromUtf8(key.spoken));
        button->setAccessibleName(QString::fromUtf8(key.spoken));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        const int code = key.key;
        const QString text = code == Qt::Key_Backspace ? QString() : QString::fromUtf8(key.caption);
        connect(button, &QPushButton::clicked, this, [this, code, text] { press(code, text); });
        m_keys[i] = button;
    }
    hide();
}

void DigitPad::place(const QRect& area, int key, int gap) {
    if (area.isEmpty()) {
        hide();
        return;
    }
    setGeometry(area);
    QFont font = this->font();
    font.setPixelSize(std::max(1, int(key * captionPerKey)));
    font.setBold(true);
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const Key& cell = keys[i];
        m_keys[i]->setGeometry(cellStart(cell.column, key, gap), cellStart(cell.row, key, gap),
                               cell.span * key + (cell.span - 1) * gap, key);
        m_keys[i]->setFont(font);
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
