// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every exercise screen shares: load-time set-up, the check with its fixed order of steps,
// the feedback message and its timer, the counts, "&Fine" and "&Punteggio". Each operation supplies
// only its hooks: its grid, problem drawing, judgement, the boxes it empties and where the focus goes.
// Its title and exercise code come from the table of exercises.
#pragma once

#include "exercises/columngrid.h"
#include "exercises/exercisetable.h"
#include "runtime/exerciserecord.h"
#include "runtime/feedback.h"
#include "runtime/screen.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

class QTimer;

namespace abacolo {
class SpokenLabel;
}

namespace abacolo {

inline constexpr int messageIntervalMs = 3000; // the feedback message is gone within three seconds

// Where the controls that every exercise screen has stand on one screen, in twips.
struct CommonPlaces {
    const char* checkButton; // "cmdconferma", on the division screen "cmdcontrolla"
    Place check;
    Place message;
    Place operation;
    Align operationAlign;
    Place picture;
    const char* pictureResource;    // the cartoon animal
    const char* pictureDescription; // what a screen reader says of it
    int firstButtonTab;             // the check button's tab index; score and finish follow it
};

// The common controls of an exercise screen placed as `places` says.
std::vector<ControlSpec> commonControls(const CommonPlaces& places);

// What an operation tells the frame besides its problem and judgement.
struct ExerciseLayout {
    Rgb background;
    CommonPlaces places;
    ColumnGrid grid;                 // heads, digit rows and their signs
    std::span<const OwnControl> own; // grid lines and the operation's own controls
    const char* firstEntryBox;       // gets the focus after a right check
    const char* retryBox;            // gets the focus after a wrong check
};

class ExerciseScreen : public Screen, public ExerciseRecord {
    Q_OBJECT
public:
    void Form_Load() override;

    // The check ("&Controlla"; on the division screen the button is cmdcontrolla).
    void cmdconferma_Click();
    void tmrtempo_Timer();
    void cmdfine_Click();
    void cmdpunteggio_Click();

    // What the score screen and the start menu read and write: the code and the counts.
    int code() const override { return m_code; }
    void resetCode() override { m_code = notAsking; }
    long long rightCount() const override { return m_right; }
    long long wrongCount() const override { return m_wrong; }

    // The code "&Punteggio" writes: this screen's row of the table of exercises.
    int exerciseCode() const;
    // The last check's answer: the result row joined, thousands first, and its lenient value.
    QString answerText() const { return m_answerText; }
    double answerValue() const { return m_answer; }
    QTimer* messageTimer() const { return m_timer; }
    // The operation line as the screen wrote it for the current problem.
    QString operationLine() const;

protected:
    ExerciseScreen(Registry& registry, ScreenId id, const ExerciseLayout& layout);

    // Draws a new problem, keeps it and writes the operation line (setOperationLine).
    virtual void drawProblem() = 0;
    // Reading of the operation's own, after the answer is assembled (division reads its remainder).
    virtual void readAnswerExtras() {}
    // Right or wrong, from the answer value; changes nothing on the screen.
    virtual bool isRight(double answer) const = 0;

    void setOperationLine(const std::string& line);
    std::string boxText(const char* name) const;

    void frameClosed() override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Has the label's text spoken at once: by the desktop's screen reader, and through the page's live
    // region in the browser.
    void announce(SpokenLabel& label);
    // The operation line, the first time the screen is active since it was shown.
    void hearLineOnceActive();

    ExerciseLayout m_layout;
    QStringList m_emptiedOnEveryCheck;
    QStringList m_emptiedBeforeNewProblem;
    SpokenLabel* m_message = nullptr;   // lblmessaggio
    SpokenLabel* m_operation = nullptr; // lbloper
    bool m_lineUnheard = false;         // shown, and the operation line not yet spoken
    QTimer* m_timer = nullptr;
    int m_code = notAsking;
    long long m_right = 0;
    long long m_wrong = 0;
    QString m_answerText;
    double m_answer = 0;
};

} // namespace abacolo
