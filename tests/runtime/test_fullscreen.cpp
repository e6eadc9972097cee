// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen for the classroom board: the designed screen scaled to the display and centred, F11 on
// and off, full screen carried from screen to screen, and the digit pad of the exercise screens.
#include "app/chooser.h"
#include "app/startmenu.h"
#include "exercises/addition/screen.h"
#include "runtime/digitpad.h"
#include "runtime/fit.h"
#include "score/scorescreen.h"
#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace abacolo;
using namespace abacolo::test;

namespace {

const QSize designed(441, 393); // the start menu's and the exercise screens' client area

void pressPad(Screen& screen, const char* key) {
    auto* button = screen.findChild<QPushButton*>(QStringLiteral("pad") + QString::fromUtf8(key));
    QVERIFY2(button != nullptr && button->isVisible(), key);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class FullScreenTest : public QObject {
    Q_OBJECT

private slots:
    void fit_data() {
        QTest::addColumn<QSize>("display");
        QTest::newRow("1280 x 800") << QSize(1280, 800);
        QTest::newRow("1366 x 768") << QSize(1366, 768);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080);
        QTest::newRow("3840 x 2160") << QSize(3840, 2160);
        QTest::newRow("1024 x 768") << QSize(1024, 768);
        QTest::newRow("portrait 1080 x 1920") << QSize(1080, 1920);
    }

    // The largest factor that fits, centred; with a pad, lowered just as far as keys of a usable size
    // need to fit beside (or below) the screen without covering it.
    void fit() {
        QFETCH(QSize, display);
        const double largest = std::min(double(display.width()) / designed.width(),
                                        double(display.height()) / designed.height());
        const Fit plain = fitScreen(display, designed, false);
        QCOMPARE(plain.factor, largest);
        QVERIFY(plain.pad.isEmpty());
        const QRect whole = scaled(QRect(QPoint(), designed), plain);
        QVERIFY(std::abs(whole.center().x() - display.width() / 2) <= 1);
        QVERIFY(std::abs(whole.center().y() - display.height() / 2) <= 1);
        QVERIFY(QRect(QPoint(), display).contains(whole));

        const Fit padded = fitScreen(display, designed, true);
        const QRect screen = scaled(QRect(QPoint(), designed), padded);
        QVERIFY(padded.factor <= largest);
        QVERIFY(padded.factor > 1);
        QVERIFY(padded.key >= smallestKey);
        QVERIFY(QRect(QPoint(), display).contains(padded.pad));
        QVERIFY(!padded.pad.intersects(screen));
        QVERIFY(std::abs(screen.center().x() - display.width() / 2) <= 1);
        QVERIFY(std::abs(screen.center().y() - display.height() / 2) <= 1);
        // Lowered no further than the pad needs: less than a key to spare in its margin.
        if (padded.factor < largest) {
            const bool beside = padded.pad.left() >= screen.right();
            const int margin = beside ? display.width() - screen.right() : display.height() - screen.bottom();
            const int needed = beside ? padded.pad.width() : padded.pad.height();
            QVERIFY2(margin - needed < padded.key, qPrintable(QString::number(margin - needed)));
        }
    }

    // Every control of every screen stands where the designed screen has it, scaled and moved, and its
    // font and its picture (the start menu's signs) grow by the same factor.
    void everyControlScaled_data() {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : allScreens())
            QTest::newRow(screenName(id)) << id;
    }

    void everyControlScaled() {
        QFETCH(ScreenId, id);
        TestProgram t;
        t.seam.display = QSize(1920, 1080);
        Screen& screen = t.program.screen(id);
        const QSize size = screen.size();
        struct Before {
            QWidget* widget;
            QRect rect;
            double points;
            QSize icon;
        };
        const auto iconOf = [](const QWidget* widget) {
            const auto* button = qobject_cast<const QAbstractButton*>(widget);
            return button != nullptr && !button->icon().isNull() ? button->iconSize() : QSize();
        };
        std::vector<Before> before;
        for (QWidget* widget : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (widget->objectName() != QLatin1String("digitpad"))
                before.push_back({widget, widget->geometry(), widget->font().pointSizeF(), iconOf(widget)});
        QVERIFY(!before.empty());
        // The start menu's signs are pictures on buttons.
        QCOMPARE(
            std::count_if(before.begin(), before.end(), [](const Before& b) { return b.icon.isValid(); }),
            std::ptrdiff_t(id == ScreenId::frminizio ? 4 : 0));

        t.program.setFullScreen(true);
        screen.showScreen();
        const Fit& fit = screen.fit();
        QCOMPARE(fit, fitScreen(t.seam.display, size,
                                id != ScreenId::frminizio && id != ScreenId::frmscelta &&
                                    id != ScreenId::frmpunteggio));
        QVERIFY(fit.factor > 2);
        for (const Before& control : before) {
            const QRect expected(std::lround(control.rect.x() * fit.factor) + fit.offset.x(),
                                 std::lround(control.rect.y() * fit.factor) + fit.offset.y(),
                                 std::lround(control.rect.width() * fit.factor),
                                 std::lround(control.rect.height() * fit.factor));
            const QRect actual = control.widget->geometry();
            const auto near = [](int a, int b) { return std::abs(a - b) <= 1; };
            QVERIFY2(near(actual.left(), expected.left()) && near(actual.top(), expected.top()) &&
                         near(actual.right(), expected.right()) && near(actual.bottom(), expected.bottom()),
                     qPrintable(control.widget->objectName()));
            QCOMPARE(control.widget->font().pointSizeF(), control.points * fit.factor);
            if (control.icon.isValid())
                QCOMPARE(iconOf(control.widget), control.icon * fit.factor);
        }
    }

    // F11 twice gives back the designed size and the centred place, and keeps what the pupil wrote.
    void f11TwiceRestores() {
        TestProgram t;
        t.seam.display = QSize(1280, 800);
        ExerciseScreen& screen = t.program.frmaddizioni();
        QVERIFY(showActive(screen));
        type(screen, "txth2", QStringLiteral("7"));
        screen.box(QStringLiteral("txth2"))->setFocus();
        const QRect window = screen.geometry();
        const QRect box = screen.box(QStringLiteral("txth2"))->geometry();

        QTest::keyClick(&screen, Qt::Key_F11);
        QVERIFY(t.program.isFullScreen());
        QVERIFY(screen.isFullScreenLayout());
        QVERIFY(screen.box(QStringLiteral("txth2"))->geometry().width() > box.width() * 3 / 2);

        QTest::keyClick(&screen, Qt::Key_F11);
        QVERIFY(!t.program.isFullScreen());
        QCOMPARE(screen.geometry(), window);
        QCOMPARE(screen.box(QStringLiteral("txth2"))->geometry(), box);
        QCOMPARE(screen.text(QStringLiteral("txth2")), QStringLiteral("7"));
        QCOMPARE(focused(), QStringLiteral("txth2"));
        QVERIFY(screen.findChild<QWidget*>(QStringLiteral("digitpad"))->isHidden());
    }

    // Full screen belongs to the program: the next screen opens in it, and leaving it on one screen
    // leaves it for the next.
    void fullScreenCarries() {
        TestProgram t;
        t.seam.display = QSize(1920, 1080);
        t.program.start();
        t.program.setFullScreen(true);
        QVERIFY(t.program.frminizio().isFullScreenLayout());
        click(t.program.frminizio(), "cmdmolt");
        QVERIFY(t.program.frmscelta().isFullScreenLayout());
        click(t.program.frmscelta(), "cmd1");
        QVERIFY(t.program.frmmoltiplicazioni().isFullScreenLayout());
        click(t.program.frmmoltiplicazioni(), "cmdpunteggio");
        QVERIFY(t.program.frmpunteggio().isFullScreenLayout());
        click(t.program.frmpunteggio(), "cmdcalcola");
        click(t.program.frmpunteggio(), "cmdok");
        QVERIFY(t.program.frminizio().isFullScreenLayout());

        t.program.setFullScreen(false);
        QVERIFY(!t.program.frminizio().isFullScreenLayout());
        click(t.program.frminizio(), "cmdadd");
        QVERIFY(!t.program.frmaddizioni().isFullScreenLayout());
    }

    // A key of the pad is the key itself, typed into the box that has the focus, which keeps it.
    void padTypesIntoFocusedBox() {
        TestProgram t;
        t.seam.display = QSize(1920, 1080);
        t.program.setFullScreen(true);
        ExerciseScreen& screen = t.program.frmaddizioni();
        QVERIFY(showActive(screen));
        QLineEdit* box = screen.box(QStringLiteral("txtda2"));
        box->setFocus();
        pressPad(screen, "7");
        pressPad(screen, "4");
        QCOMPARE(box->text(), QStringLiteral("74"));
        QCOMPARE(focused(), QStringLiteral("txtda2"));
        box->setSelection(0, 1); // the 7
        pressPad(screen, "9");
        QCOMPARE(box->text(), QStringLiteral("94"));
        QCOMPARE(box->cursorPosition(), 1);
        pressPad(screen, "Cancella");
        QCOMPARE(box->text(), QStringLiteral("4"));
        pressPad(screen, "0");
        QCOMPARE(box->text(), QStringLiteral("04"));
        QCOMPARE(focused(), QStringLiteral("txtda2"));
        // No key of the pad is in the tab chain or can take the focus.
        for (QPushButton* key :
             screen.findChild<QWidget*>(QStringLiteral("digitpad"))->findChildren<QPushButton*>()) {
            QCOMPARE(key->focusPolicy(), Qt::NoFocus);
            QVERIFY(!key->accessibleName().isEmpty());
        }
    }

    void padOnlyOnExerciseScreensInFullScreen_data() {
        QTest::addColumn<ScreenId>("id");
        for (ScreenId id : allScreens())
            QTest::newRow(screenName(id)) << id;
    }

    void padOnlyOnExerciseScreensInFullScreen() {
        QFETCH(ScreenId, id);
        TestProgram t;
        Screen& screen = t.program.screen(id);
        screen.showScreen();
        const auto padShown = [&screen] {
            auto* pad = screen.findChild<QWidget*>(QStringLiteral("digitpad"));
            return pad != nullptr && pad->isVisible();
        };
        QVERIFY(!padShown());
        t.program.setFullScreen(true);
        const bool exercise = std::any_of(exercises.begin(), exercises.end(),
                                          [id](const Exercise& e) { return e.screen == id; });
        QCOMPARE(padShown(), exercise);
    }

    // The check judges right and wrong in full screen as at the designed size.
    void gradingInFullScreen() {
        TestProgram t;
        t.seam.display = QSize(1366, 768);
        t.program.setFullScreen(true);
        auto& screen = static_cast<AdditionScreen&>(t.program.frmaddizioni());
        QVERIFY(showActive(screen));
        const QString sum = QString::number(screen.problem().sum).rightJustified(4, u'0');
        typeRow(screen, {q("txtkris"), q("txthris"), q("txtdaris"), q("txturis")},
                {sum.mid(0, 1), sum.mid(1, 1), sum.mid(2, 1), sum.mid(3, 1)});
        click(screen, "cmdconferma");
        checkMessage(screen, true);
        click(screen, "cmdconferma");
        checkMessage(screen, false);
        QCOMPARE(screen.rightCount(), 1);
        QCOMPARE(screen.wrongCount(), 1);
    }
};

QTEST_MAIN(FullScreenTest)
#include "test_fullscreen.moc"
