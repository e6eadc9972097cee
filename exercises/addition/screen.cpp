// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/addition/screen.h"

#include "exercises/exercisetable.h"
#include "runtime/registry.h"

namespace abacolo {
namespace {

constexpr Columns columns{2880, 3600, 4320, 5040};
constexpr int signs = 5640;
constexpr int heads = 840, row1 = 1440, row2 = 1920, row3 = 2400, result = 3000;

constexpr DigitRow rows[] = {
    {.suffix = "1",
     .top = row1,
     .tabs = leftToRight(0),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "primo addendo",
     .sign = {"lblpiu", "+"}},
    {.suffix = "2",
     .top = row2,
     .tabs = leftToRight(4),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "secondo addendo",
     .sign = {"lblpiu2", "+"}},
    {.suffix = "3",
     .top = row3,
     .tabs = leftToRight(8),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "terzo addendo",
     .sign = {"lbluguale", "="}},
    {.suffix = "ris",
     .top = result,
     .tabs = rightToLeft(12),
     .emptied = Emptied::OnEveryCheck,
     .spoken = "risultato"},
};

constexpr OwnControl lines[] = {
    {gridLine("Line1", 2760, 1320, 5640, 1320)}, {gridLine("Line4", 2760, 2880, 5640, 2880)},
    {gridLine("Line5", 3480, 720, 3480, 3480)},  {gridLine("Line2", 4200, 720, 4200, 3480)},
    {gridLine("Line3", 4920, 720, 4920, 3480)},
};

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
    .grid = {.columns = columns, .headsTop = heads, .signsLeft = signs, .rows = rows},
    .own = lines,
    .firstEntryBox = "txtk1",
    .retryBox = "txturis",
};

} // namespace

AdditionScreen::AdditionScreen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmaddizioni, screenLayout) {}

void AdditionScreen::drawProblem() {
    m_problem = addition::draw(registry().generator(), registry().level());
    setOperationLine(addition::operationLine(m_problem));
}

bool AdditionScreen::isRight(double answer) const {
    return addition::isRight(answer, m_problem);
}

std::unique_ptr<Screen> makeAdditionScreen(Registry& registry) {
    return std::make_unique<AdditionScreen>(registry);
}

} // namespace abacolo
