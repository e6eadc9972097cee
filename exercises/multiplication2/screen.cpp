// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/multiplication2/screen.h"

#include "exercises/exercisetable.h"
#include "runtime/registry.h"

namespace abacolo {
namespace {

constexpr Columns columns{3120, 3840, 4560, 5280};
constexpr int signs = 5880;
constexpr int heads = 720, row1 = 1320, row2 = 1800, partial1 = 2400, partial2 = 2880, result = 3480;

constexpr DigitRow rows[] = {
    {.suffix = "1",
     .top = row1,
     .tabs = leftToRight(0, 1),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "moltiplicando",
     .sign = {"lblmeno", "x"}},
    {.suffix = "2",
     .top = row2,
     .tabs = leftToRight(3, 2),
     .emptied = Emptied::BeforeNewProblem,
     .spoken = "moltiplicatore",
     .sign = {"lbluguale", "="}},
    {.suffix = "1",
     .top = partial1,
     .tabs = rightToLeft(5),
     .ink = Ink::Black,
     .emptied = Emptied::OnEveryCheck,
     .spoken = "primo prodotto parziale",
     .prefix = "par"},
    {.suffix = "2",
     .top = partial2,
     .tabs = rightToLeft(9),
     .ink = Ink::Black,
     .emptied = Emptied::OnEveryCheck,
     .spoken = "secondo prodotto parziale",
     .prefix = "par"},
    {.suffix = "ris",
     .top = result,
     .tabs = rightToLeft(13),
     .emptied = Emptied::OnEveryCheck,
     .spoken = "risultato"},
};

constexpr OwnControl lines[] = {
    {gridLine("Line1", 3000, 1200, 5880, 1200)}, {gridLine("Line4", 3000, 2280, 5880, 2280)},
    {gridLine("Line6", 3000, 3360, 5880, 3360)}, {gridLine("Line5", 3720, 600, 3720, 3960)},
    {gridLine("Line2", 4440, 600, 4440, 3960)},  {gridLine("Line3", 5160, 600, 5160, 3960)},
};

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
    .grid = {.columns = columns, .headsTop = heads, .signsLeft = signs, .rows = rows},
    .own = lines,
    .firstEntryBox = "txth1",
    .retryBox = "txtparu1",
};

} // namespace

Multiplication2Screen::Multiplication2Screen(Registry& registry)
    : ExerciseScreen(registry, ScreenId::frmmoltiplicazioni2, screenLayout) {}

void Multiplication2Screen::drawProblem() {
    m_problem = multiplication2::draw(registry().generator(), registry().level());
    setOperationLine(multiplication2::operationLine(m_problem));
}

bool Multiplication2Screen::isRight(double answer) const {
    return multiplication2::isRight(answer, m_problem);
}

std::unique_ptr<Screen> makeMultiplication2Screen(Registry& registry) {
    return std::make_unique<Multiplication2Screen>(registry);
}

} // namespace abacolo
