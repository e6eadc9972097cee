// SPDX-License-Identifier: GPL-3.0-or-later
// Right answers and the independent verdict of the stress tests.
#include "answers.h"

#include "exercises/addition/screen.h"
#include "exercises/division/screen.h"
#include "exercises/multiplication/screen.h"
#include "exercises/multiplication2/screen.h"
#include "exercises/subtraction/screen.h"
#include "referenceval.h"

#include <QLineEdit>

#include <array>
#include <string>

namespace abacolo::stress {
namespace {

constexpr std::array<const char*, 4> resultRow{"txtkris", "txthris", "txtdaris", "txturis"};

// The division screen's partial-remainder rows, each left to right, from the first row down.
constexpr std::array<std::array<const char*, 4>, 4> partialRows{{
    {"txtpark1", "txtparh1", "txtparda1", "txtparu1"},
    {"txtparh2", "txtparda2", "txtparu2", nullptr},
    {"txtparda3", "txtparu3", nullptr, nullptr},
    {"txtparu4", nullptr, nullptr, nullptr},
}};

QString boxText(const ExerciseScreen& screen, const char* name) {
    return screen.text(QString::fromLatin1(name));
}

void setBox(ExerciseScreen& screen, const char* name, const QString& text) {
    screen.box(QString::fromLatin1(name))->setText(text);
}

const char* unitsBoxOf(const std::array<const char*, 4>& row) {
    const char* last = nullptr;
    for (const char* name : row)
        if (name != nullptr)
            last = name;
    return last;
}

// The remainder stands in the lowest partial row whose units box holds anything; else row 1.
QString remainderRowText(const ExerciseScreen& screen) {
    for (std::size_t r = partialRows.size(); r-- > 1;) {
        if (!boxText(screen, unitsBoxOf(partialRows[r])).isEmpty()) {
            QString joined;
            for (const char* name : partialRows[r])
                if (name != nullptr)
                    joined += boxText(screen, name);
            return joined;
        }
    }
    QString joined;
    for (const char* name : partialRows[0])
        joined += boxText(screen, name);
    return joined;
}

double readReference(const QString& text) {
    return reference::readNumber(text.toStdString());
}

// `value` written the way `form` says, spread over the four result boxes (thousands first).
std::array<QString, 4> written(long long value, int form) {
    const QString digits = QString::number(value);
    std::array<QString, 4> boxes;
    switch (form) {
    case 0: // one digit per column, right-aligned
        for (qsizetype i = 0; i < digits.size(); ++i)
            boxes[std::size_t(4 - digits.size() + i)] = digits.at(i);
        break;
    case 1: // everything in the units box
        boxes[3] = digits;
        break;
    case 2: // with blanks around and inside
        boxes[3] = QStringLiteral(" ") + digits.left(1) + QStringLiteral(" \t") + digits.mid(1) +
                   QStringLiteral(" ");
        break;
    case 3: // with a plus sign and leading zeros
        boxes[0] = QStringLiteral("+0");
        boxes[3] = digits;
        break;
    default: // with an exponent: 1234 as 1.234e3, 7 as 7.e0
        boxes[3] = digits.left(1) + QStringLiteral(".") + digits.mid(1) + QStringLiteral("e") +
                   QString::number(digits.size() - 1);
        break;
    }
    return boxes;
}

constexpr int answerForms = 5;

} // namespace

Answer rightAnswer(const ExerciseScreen& screen) {
    switch (screen.id()) {
    case ScreenId::frmaddizioni:
        return {static_cast<const AdditionScreen&>(screen).problem().sum, std::nullopt};
    case ScreenId::frmsottrazioni:
        return {static_cast<const SubtractionScreen&>(screen).problem().difference, std::nullopt};
    case ScreenId::frmmoltiplicazioni:
        return {static_cast<const MultiplicationScreen&>(screen).problem().product, std::nullopt};
    case ScreenId::frmmoltiplicazioni2:
        return {static_cast<const Multiplication2Screen&>(screen).problem().product, std::nullopt};
    case ScreenId::frmdivisioni: {
        const division::Problem& problem = static_cast<const DivisionScreen&>(screen).problem();
        return {problem.quotient, problem.remainder};
    }
    default:
        break;
    }
    return {};
}

void typeRightAnswer(ExerciseScreen& screen, std::mt19937_64& random) {
    const Answer answer = rightAnswer(screen);
    const auto boxes = written(answer.result, int(random() % answerForms));
    for (std::size_t i = 0; i < resultRow.size(); ++i)
        setBox(screen, resultRow[i], boxes[i]);
    if (!answer.remainder)
        return;
    for (const auto& row : partialRows)
        for (const char* name : row)
            if (name != nullptr)
                setBox(screen, name, QString());
    const auto& row = partialRows[random() % partialRows.size()];
    setBox(screen, unitsBoxOf(row), QString::number(*answer.remainder));
}

void typeWrongAnswer(ExerciseScreen& screen) {
    for (const char* name : resultRow)
        setBox(screen, name, QString());
    setBox(screen, "txturis", QString::number(rightAnswer(screen).result + 1));
}

bool mustBeRight(const ExerciseScreen& screen) {
    QString joined;
    for (const char* name : resultRow)
        joined += boxText(screen, name);
    const Answer answer = rightAnswer(screen);
    if (readReference(joined) != double(answer.result))
        return false;
    return !answer.remainder || readReference(remainderRowText(screen)) == double(*answer.remainder);
}

} // namespace abacolo::stress
