// SPDX-License-Identifier: GPL-3.0-or-later
// The checks the exercise screen tests share; see screenchecks.h.
#include "support/screenchecks.h"

#include "exercises/exercisescreen.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace abacolo::test {

namespace {

constexpr int twipsPerPx = 15;

} // namespace

QString q(const char* ascii) {
    return QString::fromLatin1(ascii);
}

QStringList names(std::span<const char* const> ascii) {
    QStringList all;
    for (const char* name : ascii)
        all << q(name);
    return all;
}

QRect px(int left, int top, int width, int height) {
    return {left / twipsPerPx, top / twipsPerPx, width / twipsPerPx, height / twipsPerPx};
}

bool showActive(Screen& screen) {
    screen.showScreen();
    return QTest::qWaitForWindowActive(&screen);
}

QString focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget != nullptr ? widget->objectName() : QString();
}

QColor messageColour(const Screen& screen) {
    return screen.label(q("lblmessaggio"))->palette().color(QPalette::WindowText);
}

QString joined(const Screen& screen, const QStringList& boxes) {
    QString all;
    for (const QString& box : boxes)
        all += screen.text(box);
    return all;
}

void typeRow(Screen& screen, const QStringList& boxes, const QStringList& texts) {
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        type(screen, qPrintable(boxes[i]), texts.value(i));
        if (QTest::currentTestFailed())
            return;
    }
}

void checkTexts(const Screen& screen, const QStringList& boxes, const QStringList& texts) {
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QString held = screen.text(boxes[i]);
        QVERIFY2(
            held == texts.value(i),
            qPrintable(QStringLiteral("%1 holds \"%2\", not \"%3\"").arg(boxes[i], held, texts.value(i))));
    }
}

void checkDigitBox(const Screen& screen, const QString& name, const QRect& geometry, const QColor& colour) {
    const QLineEdit* box = screen.box(name);
    QVERIFY(box != nullptr);
    QCOMPARE(box->geometry(), geometry);
    QCOMPARE(box->palette().color(QPalette::Text), colour);
    QCOMPARE(box->font().family(), q("MS Sans Serif"));
    QCOMPARE(box->font().pointSizeF(), 12.0);
    QVERIFY(box->font().bold());
    QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(box->text(), QString());
    QVERIFY(box->validator() == nullptr);
    QVERIFY(box->maxLength() >= 32767);
    QVERIFY(!box->isHidden());
    QVERIFY(box->isVisible());
    QVERIFY(box->isEnabled());
    QVERIFY(!box->isReadOnly());
}

void checkGridLabel(const Screen& screen, const QString& name, const QString& caption, const QRect& geometry,
                    const QColor& colour, const QColor& background) {
    const QLabel* label = screen.label(name);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->palette().color(QPalette::Window), background);
    QCOMPARE(label->font().family(), q("MS Sans Serif"));
    QCOMPARE(label->font().pointSizeF(), 12.0);
    QVERIFY(label->font().bold());
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

void checkCommonControl(const Screen& screen, const QString& name, const QString& text,
                        const QRect& geometry) {
    const QWidget* control = screen.control(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(screen.text(name), text);
}

void checkOperationLine(const Screen& screen, const QRect& geometry, Qt::Alignment alignment,
                        const QString& text) {
    const QLabel* operation = screen.label(q("lbloper"));
    QVERIFY(operation != nullptr);
    QCOMPARE(operation->geometry(), geometry);
    QCOMPARE(operation->alignment() & Qt::AlignHorizontal_Mask, alignment);
    QCOMPARE(operation->font().family(), q("MS Sans Serif"));
    QCOMPARE(operation->font().pointSizeF(), 13.5);
    QVERIFY(!operation->font().bold());
    QCOMPARE(operation->text(), text);
}

void checkMessageLook(const Screen& screen) {
    const QLabel* message = screen.label(q("lblmessaggio"));
    QVERIFY(message != nullptr);
    QCOMPARE(message->font().family(), q("Comic Sans MS"));
    QCOMPARE(message->font().pointSizeF(), 18.0);
    QVERIFY(message->font().bold());
    QCOMPARE(message->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(message->palette().color(QPalette::WindowText), blue);
}

void checkMessage(const Screen& screen, bool right) {
    QCOMPARE(screen.text(q("lblmessaggio")), right ? q("Complimenti! Vai avanti") : q("Sbagliato! Ripeti"));
    QCOMPARE(messageColour(screen), right ? blue : red);
}

void checkVerdict(const ExerciseScreen& screen, const RecordingSeam& seam, bool right) {
    QCOMPARE(screen.text(q("lblmessaggio")), right ? q("Complimenti! Vai avanti") : q("Sbagliato! Ripeti"));
    QCOMPARE(screen.rightCount(), right ? 1 : 0);
    QCOMPARE(screen.wrongCount(), right ? 0 : 1);
    QCOMPARE(seam.beeps, right ? 0 : 1);
}

void checkGridLines(Screen& screen, QSize size, std::span<const QPoint> onLines,
                    std::span<const QPoint> beside, const QColor& background) {
    screen.showScreen();
    const QImage image = screen.grab().toImage();
    QCOMPARE(image.size(), size);
    const auto at = [&](QPoint point) { return QColor(image.pixel(point)); };
    for (const QPoint& point : onLines)
        QVERIFY2(at(point) == black,
                 qPrintable(QStringLiteral("no line at %1,%2").arg(point.x()).arg(point.y())));
    for (const QPoint& point : beside)
        QVERIFY2(at(point) == background,
                 qPrintable(QStringLiteral("ink at %1,%2").arg(point.x()).arg(point.y())));
}

void checkTabOrder(Screen& screen, const QStringList& expected) {
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QStringList walked{focused()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << focused();
    }
    QCOMPARE(walked, expected);
}

void checkScoreCode(ExerciseScreen& screen, int code) {
    QVERIFY(showActive(screen));
    QCOMPARE(screen.code(), ExerciseRecord::notAsking);
    QCOMPARE(screen.exerciseCode(), code);
    click(screen, "cmdpunteggio");
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(screen.code(), code);
}

} // namespace abacolo::test
