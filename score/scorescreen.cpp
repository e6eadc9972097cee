// SPDX-License-Identifier: GPL-3.0-or-later
#include "score/scorescreen.h"

#include "exercises/exercisetable.h"
#include "numeric/numbers.h"
#include "runtime/exerciserecord.h"
#include "runtime/registry.h"
#include "runtime/screenseam.h"
#include "score/grading.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace abacolo {
namespace {

constexpr FormSpec form{"Punteggio", 4485, 5205, {255, 128, 128}};
constexpr FontSpec countFont = fonts::digits;
constexpr FontSpec gradeFont{"Comic Sans MS", 14.25, false, true};
constexpr FontSpec computeFont = fonts::operation;
constexpr Rgb gradeColour{0, 0, 192};

constexpr ControlSpec controls[] = {
    {.name = "lblrisp1",
     .kind = Kind::Label,
     .place = {600, 240, 2415, 375},
     .text = "Risposte giuste:",
     .font = countFont,
     .align = Align::Right,
     .tab = 0,
     .visible = false},
    {.name = "lblrisp2",
     .kind = Kind::Label,
     .place = {600, 720, 2415, 375},
     .text = "Risposte sbagliate:",
     .font = countFont,
     .align = Align::Right,
     .tab = 1,
     .visible = false},
    {.name = "lblrisg",
     .kind = Kind::Label,
     .place = {3240, 240, 615, 375},
     .font = countFont,
     .align = Align::Right,
     .tab = 2,
     .visible = false,
     .accessible = "Risposte giuste",
     .border = true},
    {.name = "lblriss",
     .kind = Kind::Label,
     .place = {3240, 720, 615, 375},
     .font = countFont,
     .align = Align::Right,
     .tab = 3,
     .visible = false,
     .accessible = "Risposte sbagliate",
     .border = true},
    {.name = "lblvoto",
     .kind = Kind::Label,
     .place = {600, 1680, 3255, 855},
     .colour = gradeColour,
     .font = gradeFont,
     .tab = 4,
     .visible = false,
     .accessible = "Giudizio"},
    {.name = "cmdok",
     .kind = Kind::Button,
     .place = {1680, 4440, 975, 375},
     .text = "&OK",
     .tab = 5,
     .visible = false},
    {.name = "cmdcalcola",
     .kind = Kind::Button,
     .place = {1320, 1920, 1815, 1215},
     .text = "&Calcola il punteggio",
     .font = computeFont,
     .tab = 6},
    {.name = "pctpallot",
     .kind = Kind::Picture,
     .place = {1440, 2760, 1575, 1455},
     .text = ":/art/abacus.svg",
     .tab = 7,
     .visible = false,
     .accessible = "Un pallottoliere con tre file di palline colorate"},
};

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ScoreScreen::ScoreScreen(Registry& registry) : Screen(registry, ScreenId::frmpunteggio, form) {
    addControls(controls);
    finishTabOrder();
    // Each count is read with its caption.
    label(QStringLiteral("lblrisp1"))->setBuddy(control(QStringLiteral("lblrisg")));
    label(QStringLiteral("lblrisp2"))->setBuddy(control(QStringLiteral("lblriss")));
    connect(button(QStringLiteral("cmdcalcola")), &QPushButton::clicked, this,
            &ScoreScreen::cmdcalcola_Click);
    connect(button(QStringLiteral("cmdok")), &QPushButton::clicked, this, &ScoreScreen::cmdok_Click);
    setCancelButton(button(QStringLiteral("cmdok")));
}

void ScoreScreen::Form_Load() {
    centre(registry().display());
}

void ScoreScreen::awaitCompute() {
    for (const char* name : {"lblrisp1", "lblrisp2", "lblrisg", "lblriss", "lblvoto", "cmdok"})
        control(QString::fromLatin1(name))->setVisible(false);
    control(QStringLiteral("cmdcalcola"))->setVisible(true);
    control(QStringLiteral("cmdcalcola"))->setFocus(Qt::OtherFocusReason);
}

void ScoreScreen::cmdcalcola_Click() {
    for (const char* name : {"lblrisp1", "lblrisp2", "lblrisg", "lblriss", "lblvoto", "cmdok", "pctpallot"})
        control(QString::fromLatin1(name))->setVisible(true);
    control(QStringLiteral("cmdcalcola"))->setVisible(false);
    button(QStringLiteral("cmdok"))->setFocus(Qt::OtherFocusReason);

    // Counts of a screen that no longer asks must not linger: without a match both read 0.
    m_right = 0;
    m_wrong = 0;
    // Reading an exercise screen's record loads it: the first compute loads every exercise screen.
    for (const Exercise& exercise : exercises) {
        const ExerciseRecord& record = registry().record(exercise.screen);
        if (record.code() == exercise.code) {
            m_right = double(record.rightCount());
            m_wrong = double(record.wrongCount());
        }
    }
    // Every exercise screen is loaded by now, so the order of the resets makes no difference.
    for (const Exercise& exercise : exercises)
        registry().record(exercise.screen).resetCode();

    setText(QStringLiteral("lblrisg"), qText(numberText(m_right)));
    setText(QStringLiteral("lblriss"), qText(numberText(m_wrong)));

    const grading::Result result = grading::grade(m_right, m_wrong);
    // With nothing to grade the label is emptied, so no earlier grade stays beside new counts.
    setText(QStringLiteral("lblvoto"),
            result.message ? QString::fromUtf8(result.message->c_str()) : QString());

    // The focus lands on "&OK" while the hidden exercise screens are being loaded, and a screen reader
    // then speaks little but what it hears of the focused control: so "&OK" carries the whole result.
    button(QStringLiteral("cmdok"))->setAccessibleDescription(spokenResult());
    // A browser's screen reader hears the page's live region instead.
    registry().seam().announce(spokenResult());
}

QString ScoreScreen::spokenResult() const {
    QStringList sentences;
    sentences << text(QStringLiteral("lblrisp1")) + u' ' + text(QStringLiteral("lblrisg"))
              << text(QStringLiteral("lblrisp2")) + u' ' + text(QStringLiteral("lblriss"));
    if (!text(QStringLiteral("lblvoto")).isEmpty())
        sentences << text(QStringLiteral("lblvoto"));
    QString spoken;
    for (const QString& sentence : sentences)
        spoken += sentence + (QStringLiteral(".!?").contains(sentence.back()) ? QStringLiteral(" ")
                                                                              : QStringLiteral(". "));
    return spoken.trimmed();
}

void ScoreScreen::cmdok_Click() {
    registry().screen(ScreenId::frminizio).showScreen();
    registry().unload(ScreenId::frmpunteggio);
}

void ScoreScreen::frameClosed() {
    cmdok_Click();
}

} // namespace abacolo
