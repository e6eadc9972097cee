// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/multiplication2/screen.h"

#include "app/runtime/registry.h"
#include "exercises/exercisetable.h"

namespace abacolo {
namespace {

using namespace colours;

constexpr int thousands = 3120, hundreds = 3840, tens = 4560, units = 5280, signs = 5880;
constexpr int heads = 720, row1 = 1320, row2 = 1800, partial1 = 2400, partial2 = 2880, result = 3480;

constexpr ControlSpec grid[] = {
    gridLabel("Label1", "k", thousands, heads, blue),
    gridLabel("lblh", "h", hundreds, heads, green),
    gridLabel("lblda", "da", tens, heads, red),
    gridLabel("lblu", "u", units, heads),
    digitBox("txth1", hundreds, row1, green, 0),
    digitBox("txtda1", tens, row1, red, 1),
    digitBox("txtu1", units, row1, {}, 2),
    digitBox("txtda2", tens, row2, red, 3),
    digitBox("txtu2", units, row2, {}, 4),
    digitBox("txtpark1", thousands, partial1, black, 8),
    digitBox("txtparh1", hundreds, partial1, black, 7),
    digitBox("txtparda1", tens, partial1, black, 6),
    digitBox("txtparu1", units, partial1, black, 5),
    digitBox("txtpark2", thousands, partial2, black, 12),
    digitBox("txtparh2", hundreds, partial2, black, 11),
    digitBox("txtparda2", tens, partial2, black, 10),
    digitBox("txtparu2", units, partial2, black, 9),
    digitBox("txtkris", thousands, result, blue, 16),
    digitBox("txthris", hundreds, result, green, 15),
    digitBox("txtdaris", tens, result, red, 14),
    digitBox("txturis", units, result, {}, 13),
    gridLabel("lblmeno", "x", signs, row1),
    gridLabel("lbluguale", "=", signs, row2),
    gridLine("Line1", 3000, 1200, 5880, 1200),
    gridLine("Line4", 3000, 2280, 5880, 2280),
    gridLine("Line6", 3000, 3360, 5880, 3360),
    gridLine("Line5", 3720, 600, 3720, 3960),
    gridLine("Line2", 4440, 600, 4440, 3960),
    gridLine("Line3", 5160, 600, 5160, 3960),
};

constexpr const char* emptiedOnEveryCheck[] = {"txtpark1", "txtparh1", "txtparda1", "txtparu1",
                                               "txtpark2", "txtparh2", "txtparda2", "txtparu2",
                                               "txtkris",  "txthris",  "txtdaris",  "txturis"};
constexpr const char* emptiedBeforeNewProblem[] = {"txth1", "txtda1", "txtu1", "txtda2", "txtu2"};
constexpr RowName rows[] = {{"1", "moltiplicando"},
                            {"2", "moltiplicatore"},
                            {"par1", "primo prodotto parziale"},
                            {"par2", "secondo prodotto parziale"},
                            {"ris", "risultato"}};

const ExerciseLayout screenLayout{
    .background = {192, 192, 255},
    .places = {.checkButton = "cmdconferma",
               .check = {3840, 4080, 1215, 375},
               .message = {1080, 4680, 4695, 615},
               .operation = {3000, 120, 2895, 375},
               .operationAlign = Align::Centre,
               .picture = {360, 960, 2415, 3375},
               .pictureResource = ":/art/caterpillar.svg",
               .pictureDescription = "Un bruco verde che legge un libro rosso",
               .firstButtonTab = 17},
    .grid = grid,
    .emptiedOnEveryCheck = emptiedOnEveryCheck,
    .emptiedBeforeNewProblem = emptiedBeforeNewProblem,
    .firstEntryBox = "txth1",
    .retryBox = "txtparu1",
    .rows = rows,
};

} // namespace

Multiplication2Screen::Multiplication2Screen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmmoltiplicazioni2, screenLayout) {}

void Multiplication2Screen::drawProblem() {
    m_problem = multiplication2::draw(registry().generator());
    setOperationLine(multiplication2::operationLine(m_problem));
}

bool Multiplication2Screen::isRight(double answer) const {
    return multiplication2::isRight(answer, m_problem);
}

std::unique_ptr<Screen> makeMultiplication2Screen(Registry& registry) {
    return std::make_unique<Multiplication2Screen>(registry);
}

} // namespace abacolo
