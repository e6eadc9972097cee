// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/addition/screen.h"

#include "app/runtime/registry.h"
#include "exercises/exercisetable.h"

namespace abacolo {
namespace {

using namespace colours;

constexpr int thousands = 2880, hundreds = 3600, tens = 4320, units = 5040, signs = 5640;
constexpr int heads = 840, row1 = 1440, row2 = 1920, row3 = 2400, result = 3000;

constexpr ControlSpec grid[] = {
    gridLabel("Label1", "k", thousands, heads, blue),
    gridLabel("lblh", "h", hundreds, heads, green),
    gridLabel("lblda", "da", tens, heads, red),
    gridLabel("lblu", "u", units, heads),
    digitBox("txtk1", thousands, row1, blue, 0),
    digitBox("txth1", hundreds, row1, green, 1),
    digitBox("txtda1", tens, row1, red, 2),
    digitBox("txtu1", units, row1, {}, 3),
    digitBox("txtk2", thousands, row2, blue, 4),
    digitBox("txth2", hundreds, row2, green, 5),
    digitBox("txtda2", tens, row2, red, 6),
    digitBox("txtu2", units, row2, {}, 7),
    digitBox("txtk3", thousands, row3, blue, 8),
    digitBox("txth3", hundreds, row3, green, 9),
    digitBox("txtda3", tens, row3, red, 10),
    digitBox("txtu3", units, row3, {}, 11),
    digitBox("txtkris", thousands, result, blue, 15),
    digitBox("txthris", hundreds, result, green, 14),
    digitBox("txtdaris", tens, result, red, 13),
    digitBox("txturis", units, result, {}, 12),
    gridLabel("lblpiu", "+", signs, row1),
    gridLabel("lblpiu2", "+", signs, row2),
    gridLabel("lbluguale", "=", signs, row3),
    gridLine("Line1", 2760, 1320, 5640, 1320),
    gridLine("Line4", 2760, 2880, 5640, 2880),
    gridLine("Line5", 3480, 720, 3480, 3480),
    gridLine("Line2", 4200, 720, 4200, 3480),
    gridLine("Line3", 4920, 720, 4920, 3480),
};

constexpr const char* emptiedOnEveryCheck[] = {"txthris", "txtdaris", "txturis", "txtkris"};
constexpr const char* emptiedBeforeNewProblem[] = {"txtk1",  "txth1", "txtda1", "txtu1", "txtk2",  "txth2",
                                                   "txtda2", "txtu2", "txtk3",  "txth3", "txtda3", "txtu3"};
constexpr RowName rows[] = {
    {"1", "primo addendo"}, {"2", "secondo addendo"}, {"3", "terzo addendo"}, {"ris", "risultato"}};

const ExerciseLayout screenLayout{
    .background = {128, 255, 255},
    .places = {.checkButton = "cmdconferma",
               .check = {3600, 3720, 1215, 375},
               .message = {960, 4440, 4695, 615},
               .operation = {2880, 120, 2655, 375},
               .operationAlign = Align::Left,
               .picture = {240, 1200, 2415, 2775},
               .pictureResource = ":/art/grasshopper.svg",
               .pictureDescription = "Una cavalletta verde con le ali e le mani sui fianchi",
               .firstButtonTab = 16},
    .grid = grid,
    .emptiedOnEveryCheck = emptiedOnEveryCheck,
    .emptiedBeforeNewProblem = emptiedBeforeNewProblem,
    .firstEntryBox = "txtk1",
    .retryBox = "txturis",
    .rows = rows,
};

} // namespace

AdditionScreen::AdditionScreen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmaddizioni, screenLayout) {}

void AdditionScreen::drawProblem() {
    m_problem = addition::draw(registry().generator());
    setOperationLine(addition::operationLine(m_problem));
}

bool AdditionScreen::isRight(double answer) const {
    return addition::isRight(answer, m_problem);
}

std::unique_ptr<Screen> makeAdditionScreen(Registry& registry) {
    return std::make_unique<AdditionScreen>(registry);
}

} // namespace abacolo
