// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/columngrid.h"

#include <string>

namespace abacolo {
namespace {

struct Column {
    const char* prefix;
    const char* head;
    const char* spoken;
};
constexpr Column columnsOf[] = {
    {"k", "k", "migliaia"}, {"h", "h", "centinaia"}, {"da", "da", "decine"}, {"u", "u", "unità"}};

std::optional<Rgb> columnColour(std::size_t column, Rgb hundreds) {
    switch (column) {
    case 0:
        return colours::blue;
    case 1:
        return hundreds;
    case 2:
        return colours::red;
    default:
        return std::nullopt; // units keep the default black
    }
}

std::optional<Rgb> inkOf(Ink ink, std::size_t column, Rgb hundreds) {
    switch (ink) {
    case Ink::Columns:
        return columnColour(column, hundreds);
    case Ink::Black:
        return colours::black;
    case Ink::Plain:
        break;
    }
    return std::nullopt;
}

} // namespace

void buildGrid(const ColumnGrid& grid, const GridSink& add) {
    for (std::size_t column = 0; column < 4; ++column)
        add(gridLabel(grid.heads[column], columnsOf[column].head, grid.columns[column], grid.headsTop,
                      columnColour(column, grid.hundreds)),
            QString(), Emptied::Never);
    for (const DigitRow& row : grid.rows) {
        const Columns& lefts = row.columns != nullptr ? *row.columns : grid.columns;
        for (std::size_t column = 0; column < 4; ++column) {
            if (row.tabs[column] == noBox)
                continue;
            const std::string name = std::string("txt") + row.prefix + columnsOf[column].prefix + row.suffix;
            const int height = column == 0 && row.thousandsHeight != 0 ? row.thousandsHeight : row.height;
            add(digitBox(name.c_str(), lefts[column], row.top, inkOf(row.ink, column, grid.hundreds),
                         row.tabs[column], height),
                QString::fromUtf8(columnsOf[column].spoken) + QStringLiteral(", ") +
                    QString::fromUtf8(row.spoken),
                row.emptied);
        }
        if (row.sign.name != nullptr)
            add(gridLabel(row.sign.name, row.sign.caption, grid.signsLeft, row.top), QString(),
                Emptied::Never);
    }
}

} // namespace abacolo
