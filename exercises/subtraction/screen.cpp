// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/subtraction/screen.h"

#include "app/runtime/registry.h"
#include "exercises/exercisetable.h"

namespace abacolo {
namespace {

using namespace colours;

constexpr int thousands = 2880, hundreds = 3600, tens = 4320, units = 5040, signs = 5640;
constexpr int heads = 960, row1 = 1560, row2 = 2040, result = 2640;
constexpr int tall = 420, middle = 405, low = 375; // the rows' boxes are not all of one height

constexpr ControlSpec grid[] = {
    gridLabel("Label1", "k", thousands, heads, blue),
    gridLabel("lblh", "h", hundreds, heads, green),
    gridLabel("lblda", "da", tens, heads, red),
    gridLabel("lblu", "u", units, heads),
    digitBox("txtk1", thousands, row1, blue, 0, tall),
    digitBox("txth1", hundreds, row1, green, 1, middle),
    digitBox("txtda1", tens, row1, red, 2, middle),
    digitBox("txtu1", units, row1, {}, 3, middle),
    digitBox("txtk2", thousands, row2, blue, 4, tall),
    digitBox("txth2", hundreds, row2, green, 5, low),
    digitBox("txtda2", tens, row2, red, 6, low),
    digitBox("txtu2", units, row2, {}, 7, low),
    digitBox("txtkris", thousands, result, blue, 11, tall),
    digitBox("txthris", hundreds, result, green, 10, low),
    digitBox("txtdaris", tens, result, red, 9, low),
    digitBox("txturis", units, result, {}, 8, low),
    gridLabel("lblmeno", "-", signs, row1),
    gridLabel("lbluguale", "=", signs, row2),
    gridLine("Line1", 2760, 1440, 5640, 1440),
    gridLine("Line4", 2760, 2520, 5640, 2520),
    gridLine("Line5", 3480, 840, 3480, 3120),
    gridLine("Line2", 4200, 840, 4200, 3120),
    gridLine("Line3", 4920, 840, 4920, 3120),
};

constexpr const char* emptiedOnEveryCheck[] = {"txtkris", "txthris", "txtdaris", "txturis"};
constexpr const char* emptiedBeforeNewProblem[] = {"txtk1", "txth1", "txtda1", "txtu1",
                                                   "txtk2", "txth2", "txtda2", "txtu2"};
constexpr RowName rows[] = {{"1", "minuendo"}, {"2", "sottraendo"}, {"ris", "risultato"}};

const ExerciseLayout screenLayout{
    .background = {255, 192, 192},
    .places = {.checkButton = "cmdconferma",
               .check = {3600, 3360, 1215, 375},
               .message = {1080, 4440, 4695, 615},
               .operation = {2760, 240, 2895, 375},
               .operationAlign = Align::Centre,
               .picture = {120, 1200, 2535, 3015},
               .pictureResource = ":/art/beaver.svg",
               .pictureDescription = "Un castoro marrone a braccia aperte",
               .firstButtonTab = 12},
    .grid = grid,
    .emptiedOnEveryCheck = emptiedOnEveryCheck,
    .emptiedBeforeNewProblem = emptiedBeforeNewProblem,
    .firstEntryBox = "txtk1",
    .retryBox = "txturis",
    .rows = rows,
};

} // namespace

SubtractionScreen::SubtractionScreen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmsottrazioni, screenLayout) {}

void SubtractionScreen::drawProblem() {
    m_problem = subtraction::draw(registry().generator());
    setOperationLine(subtraction::operationLine(m_problem));
}

bool SubtractionScreen::isRight(double answer) const {
    return subtraction::isRight(answer, m_problem);
}

std::unique_ptr<Screen> makeSubtractionScreen(Registry& registry) {
    return std::make_unique<SubtractionScreen>(registry);
}

} // namespace abacolo
