// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/formbuilder.h"

#include "runtime/captionbutton.h"
#include "runtime/fonts.h"
#include "runtime/picture.h"
#include "runtime/spokenlabel.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <limits>

namespace abacolo {
namespace {

Qt::Alignment horizontal(Align align) {
    switch (align) {
    case Align::Left:
        return Qt::AlignLeft;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Centre:
        break;
    }
    return Qt::AlignHCenter;
}

void setTextColour(QWidget* widget, QPalette::ColorRole role, const std::optional<Rgb>& colour) {
    if (!colour)
        return;
    QPalette palette = widget->palette();
    palette.setColor(role, toColor(*colour));
    widget->setPalette(palette);
}

QWidget* makeWidget(const ControlSpec& row, QWidget* form) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case Kind::TextBox:
    case Kind::HiddenBox: {
        auto* box = new QLineEdit(text, form);
        // A box takes text of any length (Qt would cut it at 32767 characters).
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setAlignment(horizontal(row.align) | Qt::AlignVCenter);
        setTextColour(box, QPalette::Text, row.colour);
        return box;
    }
    case Kind::Label:
    case Kind::SpokenLabel: {
        auto* label = row.kind == Kind::SpokenLabel ? new SpokenLabel(text, form) : new QLabel(text, form);
        label->setAlignment(horizontal(row.align) | Qt::AlignTop);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        if (row.border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        setTextColour(label, QPalette::WindowText, row.colour);
        return label;
    }
    case Kind::Button:
        return new CaptionButton(text, form);
    case Kind::PictureButton: {
        auto* button = new QPushButton(form);
        button->setIcon(pictureIcon(text));
        const int side = std::min(pixels(row.place.width), pixels(row.place.height)) * 2 / 3;
        button->setIconSize(QSize(side, side));
        return button;
    }
    case Kind::Picture:
        return new Picture(text, pixelRect(row).size(), form);
    case Kind::Line:
        break;
    }
    return nullptr;
}

} // namespace

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

QRect pixelRect(const ControlSpec& row) {
    const Place& p = row.place;
    return {pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height)};
}

QColor toColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QLine pixelLine(const ControlSpec& row) {
    const Place& p = row.place;
    return {pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height)};
}

QWidget* buildControl(const ControlSpec& row, QWidget* form) {
    QWidget* widget = makeWidget(row, form);
    if (widget == nullptr)
        return nullptr;
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setGeometry(pixelRect(row));
    widget->setFont(fontFor(row.font, widget->font()));
    if (row.accessible != nullptr) {
        const QString spoken = QString::fromUtf8(row.accessible);
        const bool label = row.kind == Kind::Label || row.kind == Kind::SpokenLabel;
        // A label's text is its name, so that what it shows is what is heard; the role goes beside it.
        if (label || row.kind == Kind::Picture)
            widget->setAccessibleDescription(spoken);
        if (!label)
            widget->setAccessibleName(spoken);
    }
    const bool takesFocus =
        row.tab >= 0 && row.kind != Kind::Label && row.kind != Kind::SpokenLabel && row.kind != Kind::Picture;
    widget->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    widget->setVisible(row.visible && row.kind != Kind::HiddenBox);
    return widget;
}

} // namespace abacolo
