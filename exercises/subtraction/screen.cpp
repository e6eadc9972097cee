// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/subtraction/screen.h"

#include "exercises/exercisetable.h"
#include "runtime/registry.h"

namespace abacolo {
namespace {

constexpr Columns columns{2880, 3600, 4320, 5040};
constexpr int signs = 5640;
constexpr int heads = 960, row1 = 1560, row2 = 2040, result = 2640;
constexpr int tall = 420, middle = 405, low = 375; // the rows' boxes are not all of one height

constexpr DigitRow rows[] = {
    {.suffix = "1",
     .top = row1,
     .tabs = leftToRight(0),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "minuendo",
     .sign = {"lblmeno", "-"},
     .height = middle,
     .thousandsHeight = tall},
    {.suffix = "2",
     .top = row2,
     .tabs = leftToRight(4),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "sottraendo",
     .sign = {"lbluguale", "="},
     .height = low,
     .thousandsHeight = tall},
    {.suffix = "ris",
     .top = result,
     .tabs = rightToLeft(8),
     .emptied = Emptied::OnEveryCheck,
     .spoken = "risultato",
     .height = low,
     .thousandsHeight = tall},
};

constexpr OwnControl lines[] = {
    {gridLine("Line1", 2760, 1440, 5640, 1440)}, {gridLine("Line4", 2760, 2520, 5640, 2520)},
    {gridLine("Line5", 3480, 840, 3480, 3120)},  {gridLine("Line2", 4200, 840, 4200, 3120)},
    {gridLine("Line3", 4920, 840, 4920, 3120)},
};

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
    .grid = {.columns = columns, .headsTop = heads, .signsLeft = signs, .rows = rows},
    .own = lines,
    .firstEntryBox = "txtk1",
    .retryBox = "txturis",
};

} // namespace

SubtractionScreen::SubtractionScreen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmsottrazioni, screenLayout) {}

void SubtractionScreen::drawProblem() {
    m_problem = subtraction::draw(registry().generator(), registry().level());
    setOperationLine(subtraction::operationLine(m_problem));
}

bool SubtractionScreen::isRight(double answer) const {
    return subtraction::isRight(answer, m_problem);
}

std::unique_ptr<Screen> makeSubtractionScreen(Registry& registry) {
    return std::make_unique<SubtractionScreen>(registry);
}

} // namespace abacolo
