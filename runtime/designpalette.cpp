// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/designpalette.h"

#include <QApplication>

namespace abacolo {
namespace {

// The classic light scheme the screens were drawn for: each role's colour, and its colour on a disabled
// control.
struct RoleColours {
    QPalette::ColorRole role;
    QColor normal;
    QColor disabled;
};

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor buttonFace(240, 240, 240);
const QColor buttonMid(160, 160, 160);
const QColor greyedText(120, 120, 120);

const RoleColours designColours[] = {
    {QPalette::WindowText, black, greyedText},
    {QPalette::Text, black, greyedText},
    {QPalette::ButtonText, black, greyedText},
    {QPalette::Window, buttonFace, buttonFace},
    {QPalette::Base, white, buttonFace},
    {QPalette::AlternateBase, buttonFace, buttonFace},
    {QPalette::Button, buttonFace, buttonFace},
    {QPalette::Light, white, white},
    {QPalette::Midlight, QColor(227, 227, 227), QColor(227, 227, 227)},
    {QPalette::Mid, buttonMid, buttonMid},
    {QPalette::Dark, buttonMid, buttonMid},
    {QPalette::Shadow, QColor(105, 105, 105), QColor(105, 105, 105)},
    {QPalette::BrightText, white, white},
    {QPalette::Highlight, QColor(0, 120, 215), buttonMid},
    {QPalette::HighlightedText, white, white},
    {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
    {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
    {QPalette::ToolTipBase, QColor(255, 255, 225), QColor(255, 255, 225)},
    {QPalette::ToolTipText, black, black},
    {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
};

} // namespace

QPalette designPalette() {
    QPalette palette;
    for (const RoleColours& entry : designColours) {
        palette.setColor(QPalette::Active, entry.role, entry.normal);
        palette.setColor(QPalette::Inactive, entry.role, entry.normal);
        palette.setColor(QPalette::Disabled, entry.role, entry.disabled);
    }
    return palette;
}

void installDesignPalette() {
    QApplication::setPalette(designPalette());
}

} // namespace abacolo
