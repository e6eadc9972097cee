// SPDX-License-Identifier: GPL-3.0-or-later
// A randomized pupil: seeded random actions on every screen, with the screens shown, the counts, the codes
// and the message held against a model of the navigation after each step (docs/reliability.md).
#include "answers.h"
#include "app/program.h"
#include "exercises/exercisescreen.h"
#include "exercises/exercisetable.h"
#include "quiet.h"
#include "score/scorescreen.h"
#include "support/recorder.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <random>
#include <set>
#include <vector>

using namespace abacolo;

namespace {

// ABACOLO_PUPIL_STEPS and ABACOLO_PUPIL_SEED choose the run; scripts/pupil runs 100,000 steps.
constexpr long long defaultSteps = 3000;
constexpr std::uint64_t defaultSeed = 20261207;
constexpr qsizetype pasteLength = 1 << 20;    // a 1 MB paste
constexpr int pasteEverySteps = 2000;         // on average
constexpr std::size_t rememberedActions = 25; // shown when an invariant fails

// Out of 1000: how often each kind of action is chosen.
constexpr int clickUpTo = 380;
constexpr int typeUpTo = 700;
constexpr int rightAnswerUpTo = 840;
constexpr int wrongAnswerUpTo = 880;
constexpr int tickUpTo = 950;
constexpr int actionRange = 1000; // the rest closes a window through its frame

// Exit buttons end a run early; the pupil presses them less often than the others.
constexpr int exitWeight = 1;
constexpr int buttonWeight = 8;

const QString praise = QString::fromUtf8(praiseMessage);
const QString retry = QString::fromUtf8(retryMessage);
constexpr int designedCode = ExerciseRecord::notAsking;

bool isExercise(ScreenId id) {
    return std::any_of(exercises.begin(), exercises.end(),
                       [id](const Exercise& exercise) { return exercise.screen == id; });
}

QString nameOf(ScreenId id) {
    return QString::fromLatin1(screenName(id));
}

long long environmentNumber(const char* name, long long fallback) {
    bool ok = false;
    const long long value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

// What the program must show and hold, kept by following the navigation rules.
struct ExerciseModel {
    long long right = 0;
    long long wrong = 0;
    int code = designedCode;
    QString lastVerdict; // the message may only be empty or this
};

struct Model {
    std::map<ScreenId, bool> loaded;
    std::map<ScreenId, bool> visible;
    std::map<ScreenId, ExerciseModel> exercise;
    bool scoreComputed = false;
    QString scoreRight;
    QString scoreWrong;
    bool ended = false;
    long long loads = 0;

    void load(ScreenId id) {
        if (loaded[id])
            return;
        ++loads;
        loaded[id] = true;
        visible[id] = false;
        exercise[id] = {};
        if (id == ScreenId::frmpunteggio)
            scoreComputed = false;
    }
    void show(ScreenId id) {
        load(id);
        visible[id] = true;
    }
    // Hiding a screen that is not loaded loads it first, as any reference does.
    void hide(ScreenId id) {
        load(id);
        visible[id] = false;
    }
    void unload(ScreenId id) {
        loaded[id] = false;
        visible[id] = false;
    }
};

// Texts a pupil may type: digits, letters, blanks, signs, exponents, huge numbers, other scripts.
QString randomText(std::mt19937_64& random) {
    static const QString samples[] = {
        QString(),
        QStringLiteral(" "),
        QStringLiteral("\t"),
        QStringLiteral(" 1 2 "),
        QStringLiteral("+"),
        QStringLiteral("-"),
        QStringLiteral("-5"),
        QStringLiteral("+12"),
        QStringLiteral("1e3"),
        QStringLiteral("2E+2"),
        QStringLiteral("1e999"),
        QStringLiteral("-1E-999"),
        QStringLiteral("e"),
        QStringLiteral("1e"),
        QStringLiteral("."),
        QStringLiteral("3.5"),
        QStringLiteral("1,5"),
        QStringLiteral("abc"),
        QStringLiteral("Z"),
        QStringLiteral("0x1F"),
        QStringLiteral("inf"),
        QStringLiteral("nan"),
        QString::fromUtf8("è"),
        QString::fromUtf8("١٢"), // Arabic-Indic digits
        QString::fromUtf8("５"), // a full-width digit
        QString::fromUtf8("∞"),
        QString::fromUtf8("😀"),
        QString::fromUtf8("ß"),
        QString::fromUtf8("\u00a0"), // a no-break space is not a blank
    };
    static const QString alphabet = QString::fromUtf8("0123456789 \t+-.eEabzè٣５😀");
    switch (random() % 6) {
    case 0:
    case 1: // one digit, as the grid expects
        return QString::number(int(random() % 10));
    case 2: { // a few digits
        QString digits;
        for (int n = 1 + int(random() % 4); n > 0; --n)
            digits += QChar(u'0' + char16_t(random() % 10));
        return digits;
    }
    case 3:
        return samples[random() % std::size(samples)];
    case 4: { // a huge number
        QString digits(1 + qsizetype(random() % 400), QChar(u'9'));
        return random() % 2 ? digits : digits + QStringLiteral("e") + QString::number(random() % 400);
    }
    default: { // a jumble of all of the above
        QString jumble;
        const qsizetype units = alphabet.size();
        for (int n = int(random() % 30); n > 0; --n) {
            qsizetype at = qsizetype(random() % std::uint64_t(units));
            if (alphabet.at(at).isLowSurrogate())
                --at;
            jumble += alphabet.at(at);
            if (alphabet.at(at).isHighSurrogate())
                jumble += alphabet.at(at + 1);
        }
        return jumble;
    }
    }
}

QString bigPaste(std::mt19937_64& random) {
    QString text;
    text.reserve(pasteLength);
    switch (random() % 3) {
    case 0: // one enormous number
        text = QStringLiteral("1");
        while (text.size() < pasteLength)
            text += QChar(u'0' + char16_t(random() % 10));
        break;
    case 1: // an exponent far beyond any double
        text = QStringLiteral("1e");
        while (text.size() < pasteLength)
            text += QChar(u'9');
        break;
    default: { // digits, blanks and letters
        static const QString mix = QStringLiteral("0123456789 \t\r\nabcXYZ+-.e");
        while (text.size() < pasteLength)
            text += mix.at(qsizetype(random() % std::uint64_t(mix.size())));
        break;
    }
    }
    return text;
}

class Pupil {
public:
    Pupil(test::TestProgram& run, std::uint64_t seed) : m_run(run), m_random(seed) {}

    void begin() {
        m_run.program.start();
        m_model.show(ScreenId::frminizio);
        settle();
        verify();
    }

    void step(long long number) {
        m_step = number;
        const int choice = int(m_random() % actionRange);
        if (m_random() % pasteEverySteps == 0)
            pasteIntoABox();
        else if (choice < clickUpTo)
            clickAButton();
        else if (choice < typeUpTo)
            typeIntoABox();
        else if (choice < rightAnswerUpTo)
            answer(true);
        else if (choice < wrongAnswerUpTo)
            answer(false);
        else if (choice < tickUpTo)
            letTimePass();
        else
            closeAWindow();
        if (QTest::currentTestFailed())
            return;
        settle();
        verify();
        if (m_model.ended && !QTest::currentTestFailed())
            restart();
    }

    void report(qint64 elapsedMs) const {
        qInfo("pupil: %lld steps in %lld ms; %lld clicks, %lld texts typed, %lld pastes of 1 MB, %lld frame "
              "closes, %lld checks (%lld right, %lld wrong), %lld screen loads, %lld program runs",
              m_step, elapsedMs, m_clicks, m_typed, m_pastes, m_closes, m_right + m_wrong, m_right, m_wrong,
              m_loads + m_model.loads, m_ends + 1);
    }

    QString recentActions() const {
        QString log;
        for (const QString& line : m_log)
            log += QStringLiteral("\n  ") + line;
        return log;
    }

private:
    Program& program() { return m_run.program; }

    void note(const QString& action) {
        m_log.push_back(QStringLiteral("step %1: %2").arg(m_step).arg(action));
        if (m_log.size() > rememberedActions)
            m_log.pop_front();
    }

    std::vector<ScreenId> shownScreens() const {
        std::vector<ScreenId> shown;
        for (const auto& [id, visible] : m_model.visible)
            if (visible)
                shown.push_back(id);
        return shown;
    }

    template <typename T> const T& pick(const std::vector<T>& from) { return from[m_random() % from.size()]; }

    // --- actions ---

    void clickAButton() {
        struct Choice {
            ScreenId screen;
            QPushButton* button;
        };
        std::vector<Choice> choices;
        std::vector<int> weights;
        for (ScreenId id : shownScreens()) {
            for (QPushButton* button : program().screen(id).findChildren<QPushButton*>()) {
                if (!button->isVisible() || !button->isEnabled())
                    continue;
                choices.push_back({id, button});
                weights.push_back(button->objectName() == QLatin1String("cmdesci") ? exitWeight
                                                                                   : buttonWeight);
            }
        }
        if (choices.empty())
            return;
        std::discrete_distribution<std::size_t> which(weights.begin(), weights.end());
        const Choice chosen = choices[which(m_random)];
        const QString name = chosen.button->objectName();
        note(QStringLiteral("click %1.%2").arg(nameOf(chosen.screen), name));
        const bool checking = name == QLatin1String("cmdconferma") || name == QLatin1String("cmdcontrolla");
        const bool right = checking && stress::mustBeRight(program().exercise(chosen.screen));
        QTest::mouseClick(chosen.button, Qt::LeftButton);
        ++m_clicks;
        expectButton(chosen.screen, name, right);
    }

    std::vector<QLineEdit*> visibleBoxes() {
        std::vector<QLineEdit*> boxes;
        for (ScreenId id : shownScreens())
            for (QLineEdit* box : program().screen(id).findChildren<QLineEdit*>())
                if (box->isVisible() && box->isEnabled())
                    boxes.push_back(box);
        return boxes;
    }

    void typeIntoABox() {
        const std::vector<QLineEdit*> boxes = visibleBoxes();
        if (boxes.empty())
            return;
        QLineEdit* box = pick(boxes);
        const QString text = randomText(m_random);
        ++m_typed;
        const auto how = m_random() % 3;
        if (how == 0) {
            note(QStringLiteral("type into %1: \"%2\"").arg(box->objectName(), text));
            box->setText(text);
            QVERIFY2(box->text() == text, qPrintable(box->objectName()));
            return;
        }
        const QString before = box->text();
        const int cursor = int(m_random() % std::uint64_t(before.size() + 1));
        box->setCursorPosition(cursor);
        // Key by key where every character is a printable ASCII one (a tab would move the focus).
        const bool keys = how == 1 && std::all_of(text.begin(), text.end(), [](QChar c) {
                              return c.unicode() >= u' ' && c.unicode() < 0x7f;
                          });
        note(QStringLiteral("type %1 at %2 in %3: \"%4\"")
                 .arg(keys ? QStringLiteral("key by key") : QStringLiteral("as one input"))
                 .arg(cursor)
                 .arg(box->objectName(), text));
        if (keys)
            QTest::keyClicks(box, text);
        else
            box->insert(text);
        QVERIFY2(box->text() == before.left(cursor) + text + before.mid(cursor),
                 qPrintable(box->objectName()));
    }

    void pasteIntoABox() {
        const std::vector<QLineEdit*> boxes = visibleBoxes();
        if (boxes.empty())
            return;
        QLineEdit* box = pick(boxes);
        const QString text = bigPaste(m_random);
        note(QStringLiteral("paste 1 MB into %1, starting \"%2\"").arg(box->objectName(), text.left(12)));
        QGuiApplication::clipboard()->setText(text);
        box->selectAll();
        box->paste();
        ++m_pastes;
        // A digit box has no length limit: it holds the whole paste.
        QVERIFY2(box->text() == text, qPrintable(QStringLiteral("%1 holds %2 of %3 characters")
                                                     .arg(box->objectName())
                                                     .arg(box->text().size())
                                                     .arg(text.size())));
    }

    void answer(bool rightOne) {
        std::vector<ScreenId> shown;
        for (ScreenId id : shownScreens())
            if (isExercise(id))
                shown.push_back(id);
        if (shown.empty())
            return;
        const ScreenId id = pick(shown);
        ExerciseScreen& screen = program().exercise(id);
        if (rightOne)
            stress::typeRightAnswer(screen, m_random);
        else
            stress::typeWrongAnswer(screen);
        const bool right = stress::mustBeRight(screen);
        QVERIFY2(right == rightOne, "the reference reading must judge a typed answer as it was meant");
        note(QStringLiteral("%1 answer on %2")
                 .arg(rightOne ? QStringLiteral("right") : QStringLiteral("wrong"), nameOf(id)));
        if (m_random() % 4 == 0)
            return; // typed but not checked yet
        const QString check =
            QString::fromLatin1(id == ScreenId::frmdivisioni ? "cmdcontrolla" : "cmdconferma");
        note(QStringLiteral("click %1.%2").arg(nameOf(id), check));
        QTest::mouseClick(screen.button(check), Qt::LeftButton);
        ++m_clicks;
        expectButton(id, check, right);
    }

    // The message timer's tick on every screen whose timer runs, as if three seconds had passed.
    void letTimePass() {
        note(QStringLiteral("three seconds pass"));
        for (const Exercise& exercise : exercises) {
            const ScreenId id = exercise.screen;
            if (!program().isLoaded(id))
                continue;
            ExerciseScreen& screen = program().exercise(id);
            if (screen.messageTimer()->isActive())
                screen.tmrtempo_Timer();
        }
    }

    void closeAWindow() {
        const std::vector<ScreenId> shown = shownScreens();
        if (shown.empty())
            return;
        // Closing the start menu ends the program, like its exit button, and is as rare.
        std::vector<int> weights;
        for (ScreenId id : shown)
            weights.push_back(id == ScreenId::frminizio ? exitWeight : buttonWeight);
        std::discrete_distribution<std::size_t> which(weights.begin(), weights.end());
        const ScreenId id = shown[which(m_random)];
        note(QStringLiteral("close %1 through its frame").arg(nameOf(id)));
        program().screen(id).close();
        ++m_closes;
        switch (id) {
        case ScreenId::frminizio:
            expectButton(id, QStringLiteral("cmdesci"), false);
            break;
        case ScreenId::frmscelta:
            m_model.unload(id);
            break;
        case ScreenId::frmpunteggio:
            expectButton(id, QStringLiteral("cmdok"), false);
            break;
        default:
            expectButton(id, QStringLiteral("cmdfine"), false);
            break;
        }
    }

    // --- the navigation rules, applied to the model ---

    void expectButton(ScreenId on, const QString& name, bool right) {
        Model& m = m_model;
        auto is = [&name](const char* button) { return name == QLatin1String(button); };
        if (on == ScreenId::frminizio) {
            if (is("cmdadd") || is("cmdsott")) {
                m.show(is("cmdadd") ? ScreenId::frmaddizioni : ScreenId::frmsottrazioni);
                m.hide(ScreenId::frminizio);
                m.load(ScreenId::frmsottrazioni);
                m.exercise[ScreenId::frmsottrazioni].code = designedCode;
                m.load(ScreenId::frmaddizioni);
                m.exercise[ScreenId::frmaddizioni].code = designedCode;
            } else if (is("cmdmolt")) {
                m.show(ScreenId::frmscelta);
            } else if (is("cmddiv")) {
                m.show(ScreenId::frmdivisioni);
                m.unload(ScreenId::frminizio);
            } else if (is("cmdesci")) {
                for (ScreenId id : program().screenIds())
                    m.unload(id);
                m.ended = true;
            }
        } else if (on == ScreenId::frmscelta) {
            m.show(is("cmd1") ? ScreenId::frmmoltiplicazioni : ScreenId::frmmoltiplicazioni2);
            m.hide(ScreenId::frminizio);
            m.unload(ScreenId::frmscelta);
        } else if (on == ScreenId::frmpunteggio) {
            if (is("cmdcalcola"))
                expectCompute();
            else {
                m.show(ScreenId::frminizio);
                m.unload(ScreenId::frmpunteggio);
            }
        } else if (is("cmdfine")) {
            m.show(ScreenId::frminizio);
            m.unload(on);
        } else if (is("cmdpunteggio")) {
            m.show(ScreenId::frmpunteggio);
            m.hide(on);
            m.scoreComputed = false;
            m.exercise[on].code = exerciseOf(on).code;
        } else { // the check
            ExerciseModel& exercise = m.exercise[on];
            ++(right ? exercise.right : exercise.wrong);
            ++(right ? m_right : m_wrong);
            exercise.lastVerdict = right ? praise : retry;
            // Before any timer can tick, the message is the verdict.
            QCOMPARE(program().exercise(on).text(QStringLiteral("lblmessaggio")), exercise.lastVerdict);
        }
    }

    void expectCompute() {
        Model& m = m_model;
        long long right = 0;
        long long wrong = 0;
        for (const Exercise& asking : exercises) {
            m.load(asking.screen);
            const ExerciseModel& exercise = m.exercise[asking.screen];
            if (exercise.code == asking.code) {
                right = exercise.right;
                wrong = exercise.wrong;
            }
        }
        for (const Exercise& exercise : exercises)
            m.exercise[exercise.screen].code = designedCode;
        m.scoreComputed = true;
        m.scoreRight = QString::number(right);
        m.scoreWrong = QString::number(wrong);
    }

    // After "&Esci" every screen is gone and the program asked to end; the pupil starts it again.
    void restart() {
        ++m_ends;
        QCOMPARE(static_cast<long long>(m_run.seam.endRequests), m_ends);
        m_loads += m_model.loads;
        m_model = Model{};
        note(QStringLiteral("the program starts again"));
        begin();
    }

    // Lets Qt paint, run due timers and delete the screens that were unloaded.
    void settle() {
        QCoreApplication::processEvents();
        test::flushDeletions();
    }

    // --- the invariants ---

    void verify() {
        std::set<ScreenId> shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            const auto* screen = qobject_cast<const Screen*>(window);
            QVERIFY2(screen != nullptr, window->metaObject()->className());
            shown.insert(screen->id());
        }
        for (ScreenId id : program().screenIds()) {
            const QString which = nameOf(id);
            QVERIFY2(program().isLoaded(id) == m_model.loaded[id],
                     qPrintable(which + QStringLiteral(" loaded")));
            QVERIFY2(shown.contains(id) == m_model.visible[id], qPrintable(which + QStringLiteral(" shown")));
            if (!m_model.loaded[id])
                continue;
            if (isExercise(id))
                verifyExercise(id);
            else if (id == ScreenId::frmpunteggio)
                verifyScore();
        }
    }

    void verifyExercise(ScreenId id) {
        const ExerciseScreen& screen = program().exercise(id);
        const ExerciseModel& model = m_model.exercise[id];
        QCOMPARE(screen.rightCount(), model.right);
        QCOMPARE(screen.wrongCount(), model.wrong);
        QCOMPARE(screen.code(), model.code);
        const QString message = screen.text(QStringLiteral("lblmessaggio"));
        QVERIFY2(message.isEmpty() || message == model.lastVerdict, qPrintable(message));
    }

    void verifyScore() {
        const Screen& score = program().frmpunteggio();
        const bool computed = m_model.scoreComputed;
        QCOMPARE(score.control(QStringLiteral("cmdcalcola"))->isVisibleTo(&score), !computed);
        QCOMPARE(score.control(QStringLiteral("cmdok"))->isVisibleTo(&score), computed);
        if (!computed)
            return;
        QCOMPARE(score.text(QStringLiteral("lblrisg")), m_model.scoreRight);
        QCOMPARE(score.text(QStringLiteral("lblriss")), m_model.scoreWrong);
    }

    test::TestProgram& m_run;
    std::mt19937_64 m_random;
    Model m_model;
    std::deque<QString> m_log;
    long long m_step = 0;
    long long m_clicks = 0, m_typed = 0, m_pastes = 0, m_closes = 0;
    long long m_right = 0, m_wrong = 0, m_loads = 0, m_ends = 0;
};

} // namespace

class RandomPupil : public QObject {
    Q_OBJECT
private slots:
    void randomActionsKeepEveryScreenConsistent();
};

void RandomPupil::randomActionsKeepEveryScreenConsistent() {
    const long long steps = environmentNumber("ABACOLO_PUPIL_STEPS", defaultSteps);
    const auto seed = std::uint64_t(environmentNumber("ABACOLO_PUPIL_SEED", defaultSeed));
    qInfo("pupil: seed %llu, %lld steps (ABACOLO_PUPIL_SEED, ABACOLO_PUPIL_STEPS)",
          static_cast<unsigned long long>(seed), steps);

    stress::dropRaiseNotices();
    test::TestProgram run(seed);
    Pupil pupil(run, seed);
    QElapsedTimer clock;
    clock.start();
    pupil.begin();
    for (long long n = 1; n <= steps && !QTest::currentTestFailed(); ++n)
        pupil.step(n);
    if (QTest::currentTestFailed())
        qWarning("pupil: seed %llu; the last actions:%s", static_cast<unsigned long long>(seed),
                 qPrintable(pupil.recentActions()));
    pupil.report(clock.elapsed());
}

QTEST_MAIN(RandomPupil)
#include "pupil.moc"
