#include "exercises/exercisescreen.h"

#include "app/program.h"
#include "app/runtime/numbers.h"
#include "app/runtime/screenseam.h"
#include "app/runtime/spokenlabel.h"
#include "app/runtime/val.h"
#include "app/startmenu.h"
#include "score/scorescreen.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace abacolo {
namespace {

// "&Punteggio" and "&Fine" stand in the same places on every exercise screen.
constexpr Place scorePlace{120, 5400, 975, 375};
constexpr Place finishPlace{5760, 5400, 735, 375};
constexpr int hiddenBoxWidth = 255;
constexpr int hiddenBoxHeight = 285;

// The result row the check joins, thousands first.
constexpr const char* resultRow[] = {"txtkris", "txthris", "txtdaris", "txturis"};

QString name(const char* ascii) {
    return QString::fromLatin1(ascii);
}

} // namespace

std::vector<ControlSpec> commonControls(const CommonPlaces& p) {
    const Place hidden{0, 0, hiddenBoxWidth, hiddenBoxHeight};
    return {
        {.name = p.checkButton,
         .kind = Kind::Button,
         .place = p.check,
         .text = "&Controlla",
         .tab = p.firstButtonTab},
        {.name = "cmdpunteggio",
         .kind = Kind::Button,
         .place = scorePlace,
         .text = "&Punteggio",
         .tab = p.firstButtonTab + 1},
        {.name = "cmdfine",
         .kind = Kind::Button,
         .place = finishPlace,
         .text = "&Fine",
         .tab = p.firstButtonTab + 2},
        {.name = "lblmessaggio",
         .kind = Kind::SpokenLabel,
         .place = p.message,
         .colour = colours::blue,
         .font = fonts::message,
         .accessible = "Messaggio"},
        {.name = "lbloper",
         .kind = Kind::SpokenLabel,
         .place = p.operation,
         .font = fonts::operation,
         .align = p.operationAlign,
         .accessible = "Operazione"},
        {.name = "Picture1",
         .kind = Kind::Picture,
         .place = p.picture,
         .text = p.pictureResource,
         .accessible = p.pictureDescription},
        {.name = "txtris", .kind = Kind::HiddenBox, .place = hidden},
        {.name = "txtrisg", .kind = Kind::HiddenBox, .place = hidden},
        {.name = "txtriss", .kind = Kind::HiddenBox, .place = hidden},
        {.name = "txtc", .kind = Kind::HiddenBox, .place = hidden, .text = "0"},
    };
}

ExerciseScreen::ExerciseScreen(Program& program, ScreenId id, const ExerciseLayout& layout)
    : Screen(program, id, layout.form), m_layout(layout) {
    addControls(layout.grid);
    addControls(commonControls(layout.places));
    finishTabOrder();
    // The picture lies beneath the grid: boxes drawn over it stay visible and usable.
    control(QStringLiteral("Picture1"))->lower();

    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        const QString spoken = spokenDigitBox(edit->objectName(), layout.rows);
        if (!spoken.isEmpty())
            edit->setAccessibleName(spoken);
    }
    m_message = qobject_cast<SpokenLabel*>(control(QStringLiteral("lblmessaggio")));
    m_operation = qobject_cast<SpokenLabel*>(control(QStringLiteral("lbloper")));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("tmrtempo"));
    m_timer->setInterval(messageIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &ExerciseScreen::tmrtempo_Timer);

    connect(button(name(layout.places.checkButton)), &QPushButton::clicked, this,
            &ExerciseScreen::cmdconferma_Click);
    connect(button(QStringLiteral("cmdfine")), &QPushButton::clicked, this, &ExerciseScreen::cmdfine_Click);
    connect(button(QStringLiteral("cmdpunteggio")), &QPushButton::clicked, this,
            &ExerciseScreen::cmdpunteggio_Click);
    setCancelButton(button(QStringLiteral("cmdfine")));
}

void ExerciseScreen::Form_Load() {
    centre();
    program().generator().randomize();
    drawProblem();
    m_wrong = 0;
    m_right = 0;
}

std::string ExerciseScreen::boxText(const char* boxName) const {
    return text(name(boxName)).toStdString();
}

void ExerciseScreen::setOperationLine(const std::string& line) {
    m_operation->setText(QString::fromStdString(line));
}

QString ExerciseScreen::operationLine() const {
    return m_operation->text();
}

void ExerciseScreen::cmdconferma_Click() {
    program().generator().randomize();

    QString answer;
    for (const char* boxName : resultRow)
        answer += text(name(boxName));
    setText(QStringLiteral("txtris"), answer);
    m_answer = Val(boxText("txtris"));

    readAnswerExtras();
    const bool right = isRight(m_answer);

    QPalette palette = m_message->palette();
    m_timer->start();
    if (right) {
        m_message->setText(QString::fromUtf8(praiseMessage));
        palette.setColor(QPalette::WindowText, toColor(colours::blue));
        m_message->setPalette(palette);
        box(name(m_layout.firstEntryBox))->setFocus(Qt::OtherFocusReason);
        ++m_right;
    } else {
        program().seam().beep();
        m_message->setText(QString::fromUtf8(retryMessage));
        palette.setColor(QPalette::WindowText, toColor(colours::red));
        m_message->setPalette(palette);
        box(name(m_layout.retryBox))->setFocus(Qt::OtherFocusReason);
        ++m_wrong;
    }
    // Heard at once, wherever the focus is.
    m_message->announce();

    for (const char* boxName : m_layout.emptiedOnEveryCheck)
        box(name(boxName))->clear();

    if (m_message->text() == QString::fromUtf8(praiseMessage)) {
        for (const char* boxName : m_layout.emptiedBeforeNewProblem)
            box(name(boxName))->clear();
        drawProblem();
        m_operation->announce();
    }

    setText(QStringLiteral("txtrisg"), QString::fromStdString(wholeText(m_right)));
    setText(QStringLiteral("txtriss"), QString::fromStdString(wholeText(m_wrong)));
}

void ExerciseScreen::tmrtempo_Timer() {
    m_message->clear();
}

void ExerciseScreen::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    m_lineUnheard = true;
}

void ExerciseScreen::changeEvent(QEvent* event) {
    Screen::changeEvent(event);
    // The problem is heard when the screen appears, once its window is active: after its title.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_lineUnheard) {
        m_lineUnheard = false;
        m_operation->announce();
    }
}

void ExerciseScreen::cmdfine_Click() {
    program().frminizio().showScreen();
    program().unload(id());
}

void ExerciseScreen::cmdpunteggio_Click() {
    ScoreScreen& score = program().frmpunteggio();
    score.showScreen();
    hideScreen();
    for (const char* hidden : {"lblrisp1", "lblrisp2", "lblrisg", "lblriss", "lblvoto", "cmdok"})
        score.control(name(hidden))->setVisible(false);
    score.control(QStringLiteral("cmdcalcola"))->setVisible(true);
    score.control(QStringLiteral("cmdcalcola"))->setFocus(Qt::OtherFocusReason);
    setText(QStringLiteral("txtc"), code());
}

void ExerciseScreen::frameClosed() {
    cmdfine_Click();
}

} // namespace abacolo
