// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/division/screen.h"

#include "exercises/exercisetable.h"
#include "numeric/val.h"
#include "runtime/registry.h"

namespace abacolo {
namespace {

constexpr Columns dividend{480, 1080, 1680, 2280};
constexpr Columns quotient{3000, 3600, 4200, 4800};
constexpr int heads = 840, dividendRow = 1320, row1 = 1920, row2 = 2400, row3 = 2880, row4 = 3360;
constexpr int quotientRow = 1920;
constexpr int hiddenTop = 1440, hiddenWidth = 255, hiddenHeight = 285;

// The partial remainders stand one column further right on each row, under the digits they bring down.
constexpr DigitRow rows[] = {
    {.suffix = "1",
     .top = dividendRow,
     .tabs = leftToRight(0),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "dividendo"},
    {.suffix = "ris",
     .top = quotientRow,
     .tabs = {5, 34, 33, 15},
     .ink = Ink::Plain,
     .emptied = Emptied::OnEveryCheck,
     .spoken = "quoziente",
     .columns = &quotient},
    {.suffix = "1",
     .top = row1,
     .tabs = leftToRight(6),
     .ink = Ink::Plain,
     .emptied = Emptied::OnEveryCheck,
     .spoken = "primo resto parziale",
     .prefix = "par"},
    {.suffix = "2",
     .top = row2,
     .tabs = leftToRight(10, 1),
     .ink = Ink::Plain,
     .emptied = Emptied::OnEveryCheck,
     .spoken = "secondo resto parziale",
     .prefix = "par"},
    {.suffix = "3",
     .top = row3,
     .tabs = leftToRight(13, 2),
     .ink = Ink::Plain,
     .emptied = Emptied::OnEveryCheck,
     .spoken = "terzo resto parziale",
     .prefix = "par"},
    {.suffix = "4",
     .top = row4,
     .tabs = leftToRight(16, 3),
     .ink = Ink::Plain,
     .emptied = Emptied::OnEveryCheck,
     .spoken = "quarto resto parziale",
     .prefix = "par"},
};

constexpr OwnControl own[] = {
    {{.name = "txtdivis",
      .kind = Kind::TextBox,
      .place = {quotient[0], dividendRow, digitBoxWidth, digitBoxHeight},
      .font = fonts::digits,
      .tab = 4,
      .accessible = "divisore"},
     Emptied::BeforeNewProblem},
    {gridLine("Line1", 2880, 1200, 2880, 3840)},
    {gridLine("Line2", 2880, 1800, 5400, 1800)},
    {{.name = "txtresto", .kind = Kind::HiddenBox, .place = {3720, hiddenTop, hiddenWidth, hiddenHeight}}},
};

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
    .grid = {.columns = dividend,
             .headsTop = heads,
             .heads = {"Label1", "Label2", "Label3", "Label4"},
             .hundreds = colours::darkGreen,
             .rows = rows},
    .own = own,
    .firstEntryBox = "txtk1",
    .retryBox = "txtkris",
};

} // namespace

DivisionScreen::DivisionScreen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmdivisioni, screenLayout) {}

void DivisionScreen::drawProblem() {
    m_problem = division::draw(registry().generator(), registry().level());
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
