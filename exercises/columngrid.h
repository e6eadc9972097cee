// SPDX-License-Identifier: GPL-3.0-or-later
// A column grid as data: the heads "k", "h", "da", "u" over four columns, rows of digit boxes with the
// sign beside each row, and what the check does with each row. buildGrid turns it into controls, so
// an operation's screen states only its columns, its rows and its own controls.
#pragma once

#include "runtime/controltable.h"

#include <QString>

#include <array>
#include <functional>
#include <span>

namespace abacolo {

// The places of a grid's controls, in twips.
constexpr int digitBoxWidth = 495;
constexpr int digitBoxHeight = 420;
constexpr int gridLabelWidth = 495;
constexpr int gridLabelHeight = 375;

// A digit box of a column grid: "MS Sans Serif" 12 pt bold, centred, no length limit, no key filter.
constexpr ControlSpec digitBox(const char* name, int left, int top, std::optional<Rgb> colour, int tab,
                               int height = digitBoxHeight) {
    return {.name = name,
            .kind = Kind::TextBox,
            .place = {left, top, digitBoxWidth, height},
            .colour = colour,
            .font = fonts::digits,
            .tab = tab};
}

// A column head or a sign beside a grid row, in the digit font.
constexpr ControlSpec gridLabel(const char* name, const char* caption, int left, int top,
                                std::optional<Rgb> colour = {}) {
    return {.name = name,
            .kind = Kind::Label,
            .place = {left, top, gridLabelWidth, gridLabelHeight},
            .text = caption,
            .colour = colour,
            .font = fonts::digits};
}

constexpr ControlSpec gridLine(const char* name, int x1, int y1, int x2, int y2) {
    return {.name = name, .kind = Kind::Line, .place = {x1, y1, x2, y2}};
}

// The columns of a grid, thousands first: Left in twips.
using Columns = std::array<int, 4>;

inline constexpr int noBox = -1; // a row's tab index where it has no box in that column

// Tab indices of a row's boxes, thousands first. Operand rows are filled from the left; the pupil
// writes a result from the units, so its tab order runs right to left.
constexpr std::array<int, 4> leftToRight(int first, int fromColumn = 0) {
    std::array<int, 4> tabs{noBox, noBox, noBox, noBox};
    for (int column = fromColumn; column < 4; ++column)
        tabs[std::size_t(column)] = first + column - fromColumn;
    return tabs;
}
constexpr std::array<int, 4> rightToLeft(int first) {
    return {first + 3, first + 2, first + 1, first};
}

// The colour of a row's digits: the column's colour (as its head), black, or the boxes' default.
enum class Ink { Columns, Black, Plain };

// What the check does with a row's boxes.
enum class Emptied {
    Never,
    OnEveryCheck,     // after every judgement, right or wrong
    BeforeNewProblem, // after a right answer, before the next problem is drawn
};

// A sign label in the signs column beside a row, in the digit font.
struct Sign {
    const char* name = nullptr; // nullptr: the row has no sign
    const char* caption = "";
};

// One row of digit boxes. Its boxes are named "txt" + prefix + column + suffix: "txtda2", "txtkris",
// "txtparu1".
struct DigitRow {
    const char* suffix = "";
    int top = 0;
    std::array<int, 4> tabs{};
    Ink ink = Ink::Columns;
    Emptied emptied = Emptied::Never;
    const char* spoken = ""; // the row as a screen reader says it: "secondo addendo"
    const char* prefix = "";
    Sign sign{};
    int height = digitBoxHeight;
    int thousandsHeight = 0;          // 0: as the others
    const Columns* columns = nullptr; // nullptr: the grid's columns
};

struct ColumnGrid {
    Columns columns{};
    int headsTop = 0;
    std::array<const char*, 4> heads{"Label1", "lblh", "lblda", "lblu"};
    Rgb hundreds = colours::green; // the hundreds' colour: the heads' and the coloured rows'
    int signsLeft = 0;
    std::span<const DigitRow> rows;
};

// A control of the operation's own (a grid line, the divisor's box) and what the check does with it.
struct OwnControl {
    ControlSpec control;
    Emptied emptied = Emptied::Never;
};

// Hands every control of the grid to `add`, heads first, then each row's boxes and sign: the control's
// row in the design table, its spoken name (empty where the row itself says it) and when it is emptied.
using GridSink = std::function<void(const ControlSpec&, const QString& spoken, Emptied)>;
void buildGrid(const ColumnGrid& grid, const GridSink& add);

} // namespace abacolo
