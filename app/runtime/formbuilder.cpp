#include "app/runtime/formbuilder.h"

#include "app/runtime/fonts.h"
#include "app/runtime/picture.h"
#include "app/runtime/wrapbutton.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <cstring>

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

QWidget* makeWidget(const ControlSpec& spec, QWidget* form) {
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
    case Kind::TextBox:
    case Kind::HiddenBox: {
        auto* box = new QLineEdit(text, form);
        box->setAlignment(horizontal(spec.align) | Qt::AlignVCenter);
        setTextColour(box, QPalette::Text, spec.colour);
        return box;
    }
    case Kind::Label: {
        auto* label = new QLabel(text, form);
        label->setAlignment(horizontal(spec.align) | Qt::AlignTop);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        if (spec.border)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        setTextColour(label, QPalette::WindowText, spec.colour);
        return label;
    }
    case Kind::Button:
        return new WrapButton(text, form);
    case Kind::PictureButton: {
        auto* button = new QPushButton(form);
        button->setIcon(QIcon(text));
        const int side = std::min(pixels(spec.place.width), pixels(spec.place.height)) * 2 / 3;
        button->setIconSize(QSize(side, side));
        return button;
    }
    case Kind::Picture:
        return new Picture(text, form);
    case Kind::Line:
        break;
    }
    return nullptr;
}

} // namespace

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

QRect pixelRect(const ControlSpec& spec) {
    const Place& p = spec.place;
    return {pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height)};
}

QColor toColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QLine pixelLine(const ControlSpec& spec) {
    const Place& p = spec.place;
    return {pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height)};
}

QString spokenDigitBox(const QString& name, std::span<const RowName> rows) {
    struct Column {
        const char* prefix;
        const char* spoken;
    };
    // Longer prefixes first, so "txtda" is not taken for a box of another column.
    static constexpr Column columns[] = {
        {"da", "decine"}, {"k", "migliaia"}, {"h", "centinaia"}, {"u", "unità"}};
    QString rest = name;
    if (!rest.startsWith(QLatin1String("txt")))
        return {};
    rest.remove(0, 3);
    const bool partial = rest.startsWith(QLatin1String("par"));
    if (partial)
        rest.remove(0, 3);
    for (const Column& column : columns) {
        if (!rest.startsWith(QLatin1String(column.prefix)))
            continue;
        const QString suffix =
            (partial ? QStringLiteral("par") : QString()) + rest.mid(int(strlen(column.prefix)));
        for (const RowName& row : rows)
            if (suffix == QLatin1String(row.suffix))
                return QString::fromUtf8(column.spoken) + QStringLiteral(", ") +
                       QString::fromUtf8(row.spoken);
    }
    return {};
}

QWidget* buildControl(const ControlSpec& spec, QWidget* form) {
    QWidget* widget = makeWidget(spec, form);
    if (widget == nullptr)
        return nullptr;
    widget->setObjectName(QString::fromLatin1(spec.name));
    widget->setGeometry(pixelRect(spec));
    widget->setFont(fontFor(spec.font, widget->font()));
    if (spec.accessible != nullptr) {
        if (spec.kind == Kind::Picture)
            widget->setAccessibleDescription(QString::fromUtf8(spec.accessible));
        widget->setAccessibleName(QString::fromUtf8(spec.accessible));
    }
    widget->setFocusPolicy(spec.tab >= 0 && spec.kind != Kind::Label && spec.kind != Kind::Picture
                               ? Qt::StrongFocus
                               : Qt::NoFocus);
    widget->setVisible(spec.visible && spec.kind != Kind::HiddenBox);
    return widget;
}

} // namespace abacolo
