// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/exercisescreen.h"

#include "exercises/exercisetable.h"
#include "numeric/val.h"
#include "runtime/formbuilder.h"
#include "runtime/registry.h"
#include "runtime/scorehandoff.h"
#include "runtime/screenseam.h"
#include "runtime/spokenlabel.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace abacolo {
namespace {

// "&Punteggio" and "&Fine" stand in the same places on every exercise screen.
constexpr Place scorePlace{120, 5400, 975, 375};
constexpr Place finishPlace{5760, 5400, 735, 375};
// Every exercise screen has the start menu's client area.
constexpr int clientWidth = 6615;
constexpr int clientHeight = 5895;

// The result row the check joins, thousands first.
constexpr const char* resultRow[] = {"txtkris", "txthris", "txtdaris", "txturis"};

QString name(const char* ascii) {
    return QString::fromLatin1(ascii);
}

FormSpec formOf(ScreenId id, const ExerciseLayout& layout) {
    return {exerciseOf(id).title, clientWidth, clientHeight, layout.background};
}

} // namespace

std::vector<ControlSpec> commonControls(const CommonPlaces& p) {
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
    };
}

ExerciseScreen::ExerciseScreen(Registry& registry, ScreenId id, const ExerciseLayout& layout)
    : Screen(registry, id, formOf(id, layout)), m_layout(layout) {
    const auto add = [this](const ControlSpec& row, const QString& spoken, Emptied emptied) {
        QWidget* widget = addControl(row);
        if (widget != nullptr && !spoken.isEmpty())
            widget->setAccessibleName(spoken);
        if (emptied == Emptied::OnEveryCheck)
            m_emptiedOnEveryCheck << QString::fromLatin1(row.name);
        if (emptied == Emptied::BeforeNewProblem)
            m_emptiedBeforeNewProblem << QString::fromLatin1(row.name);
    };
    buildGrid(layout.grid, add);
    for (const OwnControl& own : layout.own)
        add(own.control, QString(), own.emptied);
    addControls(commonControls(layout.places));
    finishTabOrder();
    addDigitPad();
    // The picture lies beneath the grid: boxes drawn over it stay visible and usable.
    control(QStringLiteral("Picture1"))->lower();

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
    centre(registry().display());
    registry().generator().randomize();
    drawProblem();
    m_wrong = 0;
    m_right = 0;
}

int ExerciseScreen::exerciseCode() const {
    return exerciseOf(id()).code;
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
    registry().generator().randomize();

    m_answerText.clear();
    for (const char* boxName : resultRow)
        m_answerText += text(name(boxName));
    m_answer = Val(m_answerText.toStdString());

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
        registry().seam().beep();
        m_message->setText(QString::fromUtf8(retryMessage));
        palette.setColor(QPalette::WindowText, toColor(colours::red));
        m_message->setPalette(palette);
        box(name(m_layout.retryBox))->setFocus(Qt::OtherFocusReason);
        ++m_wrong;
    }
    // Heard at once, wherever the focus is.
    announce(*m_message);

    for (const QString& boxName : std::as_const(m_emptiedOnEveryCheck))
        box(boxName)->clear();

    // Only the praise brings a new problem.
    if (right) {
        for (const QString& boxName : std::as_const(m_emptiedBeforeNewProblem))
            box(boxName)->clear();
        drawProblem();
        announce(*m_operation);
    }
}

void ExerciseScreen::announce(SpokenLabel& label) {
    label.announce();
    registry().seam().announce(label.text());
}

void ExerciseScreen::tmrtempo_Timer() {
    m_message->clear();
}

void ExerciseScreen::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    m_lineUnheard = true;
    // The browser makes a window active as it creates it, before the window shows: no activation
    // follows, and the problem is heard once the showing is done.
    QMetaObject::invokeMethod(this, &ExerciseScreen::hearLineOnceActive, Qt::QueuedConnection);
}

void ExerciseScreen::changeEvent(QEvent* event) {
    Screen::changeEvent(event);
    // The problem is heard when the screen appears, once its window is active: after its title.
    if (event->type() == QEvent::ActivationChange)
        hearLineOnceActive();
}

void ExerciseScreen::hearLineOnceActive() {
    if (isVisible() && isActiveWindow() && m_lineUnheard) {
        m_lineUnheard = false;
        announce(*m_operation);
    }
}

void ExerciseScreen::cmdfine_Click() {
    registry().screen(ScreenId::frminizio).showScreen();
    registry().unload(id());
}

void ExerciseScreen::cmdpunteggio_Click() {
    registry().screen(ScreenId::frmpunteggio).showScreen();
    hideScreen();
    registry().scoreHandOff(ScreenId::frmpunteggio).awaitCompute();
    m_code = exerciseCode();
}

void ExerciseScreen::frameClosed() {
    cmdfine_Click();
}

} // namespace abacolo
