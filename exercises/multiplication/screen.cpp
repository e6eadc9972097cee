// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/multiplication/screen.h"

#include "app/runtime/registry.h"
#include "exercises/exercisetable.h"

namespace abacolo {
namespace {

using namespace colours;

constexpr int thousands = 3120, hundreds = 3840, tens = 4560, units = 5280, signs = 5880;
constexpr int heads = 840, row1 = 1440, row2 = 1920, result = 2520;

constexpr ControlSpec grid[] = {
    gridLabel("Label1", "k", thousands, heads, blue),
    gridLabel("lblh", "h", hundreds, heads, green),
    gridLabel("lblda", "da", tens, heads, red),
    gridLabel("lblu", "u", units, heads),
    digitBox("txtk1", thousands, row1, blue, 0),
    digitBox("txth1", hundreds, row1, green, 1),
    digitBox("txtda1", tens, row1, red, 2),
    digitBox("txtu1", units, row1, {}, 3),
    digitBox("txtu2", units, row2, {}, 4),
    digitBox("txtkris", thousands, result, blue, 8),
    digitBox("txthris", hundreds, result, green, 7),
    digitBox("txtdaris", tens, result, red, 6),
    digitBox("txturis", units, result, {}, 5),
    gridLabel("lblmeno", "x", signs, row1),
    gridLabel("lbluguale", "=", signs, row2),
    gridLine("Line1", 3000, 1320, 5880, 1320),
    gridLine("Line4", 3000, 2400, 5880, 2400),
    gridLine("Line5", 3720, 720, 3720, 3000),
    gridLine("Line2", 4440, 720, 4440, 3000),
    gridLine("Line3", 5160, 720, 5160, 3000),
};

constexpr const char* emptiedOnEveryCheck[] = {"txtkris", "txthris", "txtdaris", "txturis"};
constexpr const char* emptiedBeforeNewProblem[] = {"txtk1", "txth1", "txtda1", "txtu1", "txtu2"};
constexpr RowName rows[] = {{"1", "moltiplicando"}, {"2", "moltiplicatore"}, {"ris", "risultato"}};

const ExerciseLayout screenLayout{
    .background = {255, 192, 255},
    .places = {.checkButton = "cmdconferma",
               .check = {3840, 3240, 1215, 375},
               .message = {1080, 4440, 4695, 615},
               .operation = {3000, 120, 2895, 375},
               .operationAlign = Align::Centre,
               .picture = {360, 840, 2415, 3375},
               .pictureResource = ":/art/beetle.svg",
               .pictureDescription = "Uno scarabeo arancione",
               .firstButtonTab = 9},
    .grid = grid,
    .emptiedOnEveryCheck = emptiedOnEveryCheck,
    .emptiedBeforeNewProblem = emptiedBeforeNewProblem,
    .firstEntryBox = "txtk1",
    .retryBox = "txturis",
    .rows = rows,
};

} // namespace

MultiplicationScreen::MultiplicationScreen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmmoltiplicazioni, screenLayout) {}

void MultiplicationScreen::drawProblem() {
    m_problem = multiplication::draw(registry().generator());
    setOperationLine(multiplication::operationLine(m_problem));
}

bool MultiplicationScreen::isRight(double answer) const {
    return multiplication::isRight(answer, m_problem);
}

std::unique_ptr<Screen> makeMultiplicationScreen(Registry& registry) {
    return std::make_unique<MultiplicationScreen>(registry);
}

} // namespace abacolo
