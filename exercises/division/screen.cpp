// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/division/screen.h"

#include "app/numeric/val.h"
#include "app/runtime/registry.h"
#include "exercises/exercisetable.h"

namespace abacolo {
namespace {

using namespace colours;

constexpr int thousands = 480, hundreds = 1080, tens = 1680, units = 2280;
constexpr int qThousands = 3000, qHundreds = 3600, qTens = 4200, qUnits = 4800;
constexpr int heads = 840, dividendRow = 1320, row1 = 1920, row2 = 2400, row3 = 2880, row4 = 3360;
constexpr int quotientRow = 1920;
constexpr int hiddenTop = 1440, hiddenWidth = 255, hiddenHeight = 285;

constexpr ControlSpec grid[] = {
    gridLabel("Label1", "k", thousands, heads, blue),
    gridLabel("Label2", "h", hundreds, heads, darkGreen),
    gridLabel("Label3", "da", tens, heads, red),
    gridLabel("Label4", "u", units, heads),
    digitBox("txtk1", thousands, dividendRow, blue, 0),
    digitBox("txth1", hundreds, dividendRow, darkGreen, 1),
    digitBox("txtda1", tens, dividendRow, red, 2),
    digitBox("txtu1", units, dividendRow, {}, 3),
    {.name = "txtdivis",
     .kind = Kind::TextBox,
     .place = {qThousands, dividendRow, digitBoxWidth, digitBoxHeight},
     .font = fonts::digits,
     .tab = 4,
     .accessible = "divisore"},
    digitBox("txtkris", qThousands, quotientRow, {}, 5),
    digitBox("txtpark1", thousands, row1, {}, 6),
    digitBox("txtparh1", hundreds, row1, {}, 7),
    digitBox("txtparda1", tens, row1, {}, 8),
    digitBox("txtparu1", units, row1, {}, 9),
    digitBox("txtparh2", hundreds, row2, {}, 10),
    digitBox("txtparda2", tens, row2, {}, 11),
    digitBox("txtparu2", units, row2, {}, 12),
    digitBox("txtparda3", tens, row3, {}, 13),
    digitBox("txtparu3", units, row3, {}, 14),
    digitBox("txturis", qUnits, quotientRow, {}, 15),
    digitBox("txtparu4", units, row4, {}, 16),
    digitBox("txtdaris", qTens, quotientRow, {}, 33),
    digitBox("txthris", qHundreds, quotientRow, {}, 34),
    gridLine("Line1", 2880, 1200, 2880, 3840),
    gridLine("Line2", 2880, 1800, 5400, 1800),
    {.name = "txtresto", .kind = Kind::HiddenBox, .place = {3720, hiddenTop, hiddenWidth, hiddenHeight}},
};

constexpr const char* emptiedOnEveryCheck[] = {"txtkris",  "txthris",   "txtdaris", "txturis",  "txtpark1",
                                               "txtparh1", "txtparda1", "txtparu1", "txtparh2", "txtparda2",
                                               "txtparu2", "txtparda3", "txtparu3", "txtparu4"};
constexpr const char* emptiedBeforeNewProblem[] = {"txtk1", "txth1", "txtda1", "txtu1", "txtdivis"};
constexpr RowName rows[] = {{"1", "dividendo"},
                            {"par1", "primo resto parziale"},
                            {"par2", "secondo resto parziale"},
                            {"par3", "terzo resto parziale"},
                            {"par4", "quarto resto parziale"},
                            {"ris", "quoziente"}};

const ExerciseLayout screenLayout{
    .background = {128, 255, 128},
    .places = {.checkButton = "cmdcontrolla",
               .check = {480, 3840, 1215, 375},
               .message = {480, 4560, 4815, 615},
               .operation = {1080, 240, 3615, 375},
               .operationAlign = Align::Centre,
               .picture = {3600, 1920, 2775, 2415},
               .pictureResource = ":/art/tortoise.svg",
               .pictureDescription = "Una tartaruga sorridente",
               .firstButtonTab = 17},
    .grid = grid,
    .emptiedOnEveryCheck = emptiedOnEveryCheck,
    .emptiedBeforeNewProblem = emptiedBeforeNewProblem,
    .firstEntryBox = "txtk1",
    .retryBox = "txtkris",
    .rows = rows,
};

} // namespace

DivisionScreen::DivisionScreen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmdivisioni, screenLayout) {}

void DivisionScreen::drawProblem() {
    m_problem = division::draw(registry().generator());
    setOperationLine(division::operationLine(m_problem));
}

void DivisionScreen::readAnswerExtras() {
    division::PartialRows rows;
    rows.row1 = {boxText("txtpark1"), boxText("txtparh1"), boxText("txtparda1"), boxText("txtparu1")};
    rows.row2 = {boxText("txtparh2"), boxText("txtparda2"), boxText("txtparu2")};
    rows.row3 = {boxText("txtparda3"), boxText("txtparu3")};
    rows.row4 = boxText("txtparu4");
    setText(QStringLiteral("txtresto"), QString::fromStdString(division::remainderText(rows)));
    m_remainder = Val(boxText("txtresto"));
}

bool DivisionScreen::isRight(double answer) const {
    return division::isRight(answer, m_remainder, m_problem);
}

std::unique_ptr<Screen> makeDivisionScreen(Registry& registry) {
    return std::make_unique<DivisionScreen>(registry);
}

} // namespace abacolo
