// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/multiplication/screen.h"

#include "exercises/exercisetable.h"
#include "runtime/registry.h"

namespace abacolo {
namespace {

constexpr Columns columns{3120, 3840, 4560, 5280};
constexpr int signs = 5880;
constexpr int heads = 840, row1 = 1440, row2 = 1920, result = 2520;

constexpr DigitRow rows[] = {
    {.suffix = "1",
     .top = row1,
     .tabs = leftToRight(0),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "moltiplicando",
     .sign = {"lblmeno", "x"}},
    {.suffix = "2",
     .top = row2,
     .tabs = leftToRight(4, 3),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "moltiplicatore",
     .sign = {"lbluguale", "="}},
    {.suffix = "ris",
     .top = result,
     .tabs = rightToLeft(5),
     .emptied = Emptied::OnEveryCheck,
     .spoken = "risultato"},
};

constexpr OwnControl lines[] = {
    {gridLine("Line1", 3000, 1320, 5880, 1320)}, {gridLine("Line4", 3000, 2400, 5880, 2400)},
    {gridLine("Line5", 3720, 720, 3720, 3000)},  {gridLine("Line2", 4440, 720, 4440, 3000)},
    {gridLine("Line3", 5160, 720, 5160, 3000)},
};

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
    .grid = {.columns = columns, .headsTop = heads, .signsLeft = signs, .rows = rows},
    .own = lines,
    .firstEntryBox = "txtk1",
    .retryBox = "txturis",
};

} // namespace

MultiplicationScreen::MultiplicationScreen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmmoltiplicazioni, screenLayout) {}

void MultiplicationScreen::drawProblem() {
    m_problem = multiplication::draw(registry().generator(), registry().level());
    setOperationLine(multiplication::operationLine(m_problem));
}

bool MultiplicationScreen::isRight(double answer) const {
    return multiplication::isRight(answer, m_problem);
}

std::unique_ptr<Screen> makeMultiplicationScreen(Registry& registry) {
    return std::make_unique<MultiplicationScreen>(registry);
}

} // namespace abacolo
