// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/runtime/designpalette.h"

#include <QApplication>

namespace abacolo {
namespace {

// The classic light scheme the screens were drawn for.
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor buttonFace(240, 240, 240);
const QColor buttonLight(255, 255, 255);
const QColor buttonMidlight(227, 227, 227);
const QColor buttonMid(160, 160, 160);
const QColor buttonDark(160, 160, 160);
const QColor buttonShadow(105, 105, 105);
const QColor greyedText(120, 120, 120);
const QColor selection(0, 120, 215);
const QColor tooltip(255, 255, 225);
const QColor placeholder(0, 0, 0, 128);

} // namespace

QPalette designPalette() {
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        const QColor text = disabled ? greyedText : black;
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Window, buttonFace);
        palette.setColor(group, QPalette::Base, disabled ? buttonFace : white);
        palette.setColor(group, QPalette::AlternateBase, buttonFace);
        palette.setColor(group, QPalette::Button, buttonFace);
        palette.setColor(group, QPalette::Light, buttonLight);
        palette.setColor(group, QPalette::Midlight, buttonMidlight);
        palette.setColor(group, QPalette::Mid, buttonMid);
        palette.setColor(group, QPalette::Dark, buttonDark);
        palette.setColor(group, QPalette::Shadow, buttonShadow);
        palette.setColor(group, QPalette::BrightText, white);
        palette.setColor(group, QPalette::Highlight, disabled ? buttonMid : selection);
        palette.setColor(group, QPalette::HighlightedText, white);
        palette.setColor(group, QPalette::Link, QColor(0, 0, 255));
        palette.setColor(group, QPalette::LinkVisited, QColor(255, 0, 255));
        palette.setColor(group, QPalette::ToolTipBase, tooltip);
        palette.setColor(group, QPalette::ToolTipText, black);
        palette.setColor(group, QPalette::PlaceholderText, placeholder);
    }
    return palette;
}

void installDesignPalette() {
    QApplication::setPalette(designPalette());
}

} // namespace abacolo
