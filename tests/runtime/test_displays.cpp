// SPDX-License-Identifier: GPL-3.0-or-later
// A laptop with the classroom board beside it: full screen fills the display the window is on, leaving
// it gives the designed screen back centred on that same display, every screen opens where the pupil
// is, and a board unplugged in full screen leaves the program at its designed size on the laptop.
// The displays are Qt's own: the offscreen platform is given two screens side by side.
#include "app/chooser.h"
#include "app/program.h"
#include "app/startmenu.h"
#include "exercises/exercisescreen.h"
#include "runtime/qtseam.h"
#include "support/recorder.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <QtTest>
#include <qpa/qplatformnativeinterface.h>

using namespace abacolo;
using namespace abacolo::test;

namespace {

// The offscreen platform adds displays in the order of their names; the first is the primary one.
const QRect laptop(0, 0, 1280, 800);
const QRect board(1280, 0, 1920, 1080);
const QSize designed(441, 393); // the start menu's and the exercise screens' client area

QJsonObject displayConfiguration(const QList<std::pair<QString, QRect>>& displays) {
    QJsonArray screens;
    for (const auto& [name, rect] : displays)
        screens.append(QJsonObject{{QStringLiteral("name"), name},
                                   {QStringLiteral("x"), rect.x()},
                                   {QStringLiteral("y"), rect.y()},
                                   {QStringLiteral("width"), rect.width()},
                                   {QStringLiteral("height"), rect.height()},
                                   {QStringLiteral("logicalDpi"), 96},
                                   {QStringLiteral("logicalBaseDpi"), 96},
                                   {QStringLiteral("dpr"), 1.0}});
    return QJsonObject{{QStringLiteral("screens"), screens}};
}

const QJsonObject laptopAndBoard =
    displayConfiguration({{QStringLiteral("1 laptop"), laptop}, {QStringLiteral("2 board"), board}});

// Changes the offscreen platform's displays while the program runs, as plugging a board in or out does.
void setDisplays(const QJsonObject& configuration) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using SetConfiguration = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    auto set = reinterpret_cast<SetConfiguration>(native->nativeResourceForIntegration("setConfiguration"));
    QVERIFY(set != nullptr);
    set(configuration, native);
}

// Where a window stands when it is centred on `display` by its outer size.
QPoint centredOn(const QRect& display, const QWidget& window) {
    const QSize outer = window.frameGeometry().size();
    return display.topLeft() +
           QPoint((display.width() - outer.width()) / 2, (display.height() - outer.height()) / 2);
}

void checkCentredOn(const QRect& display, const QWidget& window) {
    QVERIFY2(!window.isFullScreen(), qPrintable(window.objectName()));
    QCOMPARE(window.size(), designed);
    const QPoint expected = centredOn(display, window);
    const QPoint actual = window.frameGeometry().topLeft();
    QVERIFY2(std::abs(actual.x() - expected.x()) <= 1 && std::abs(actual.y() - expected.y()) <= 1,
             qPrintable(QStringLiteral("%1 at %2,%3, not %4,%5")
                            .arg(window.windowTitle())
                            .arg(actual.x())
                            .arg(actual.y())
                            .arg(expected.x())
                            .arg(expected.y())));
}

// F11 as the pupil presses it, on the window in front.
void pressF11(QWidget& window) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F11);
}

// The pupil drags the window onto the board.
void dragOnto(const QRect& display, QWidget& window) {
    window.move(display.topLeft() + QPoint(200, 150));
    QCOMPARE(window.screen()->geometry(), display);
}

// The program started on its start menu, centred on the primary display as every run begins.
struct Started {
    QtSeam seam;
    Program program{seam};
    StartMenu& menu = (program.start(), program.frminizio());
};

} // namespace

class DisplaysTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        setDisplays(laptopAndBoard);
        // A display's new size reaches Qt through its event queue.
        QTRY_COMPARE(qtDisplays(), (QList<QRect>{laptop, board}));
    }

    // The first window of a run is centred on the primary display; dragged onto the board, F11 fills
    // the board, and F11 again gives the designed size back centred on the board, to the pixel after any
    // number of round trips.
    void fullScreenOnTheBoardAndBack() {
        Started run;
        Program& program = run.program;
        StartMenu& menu = run.menu;
        checkCentredOn(laptop, menu);
        dragOnto(board, menu);

        pressF11(menu);
        QVERIFY(program.isFullScreen());
        QCOMPARE(menu.geometry(), board);
        QCOMPARE(menu.fit(), fitScreen(board.size(), designed, false));

        pressF11(menu);
        checkCentredOn(board, menu);
        const QRect after = menu.frameGeometry();
        for (int trip = 0; trip < 3; ++trip) {
            pressF11(menu);
            QCOMPARE(menu.geometry(), board);
            pressF11(menu);
            QCOMPARE(menu.frameGeometry(), after);
        }
    }

    // The window manager's frame is learnt once, from the first window it framed: moving a screen and
    // F11 there and back leave it as it was learnt (Qt's idea of a frame is not always right while a
    // window leaves full screen), and the screen comes back centred by that frame.
    void frameLearntOnce() {
        Started run;
        Program& program = run.program;
        QVERIFY(program.windowFrame().has_value());
        const QMargins learnt(9, 31, 9, 9);
        program.setWindowFrame(learnt);
        dragOnto(board, run.menu);
        pressF11(run.menu);
        pressF11(run.menu);
        QCOMPARE(program.windowFrame(), std::optional<QMargins>(learnt));
    }

    // In full screen before any window was framed, F11 out centres the screen by its outer size once
    // the window manager frames it.
    void fullScreenBeforeAnyFrame() {
        QtSeam seam;
        Program program{seam};
        program.setFullScreen(true);
        program.start();
        StartMenu& menu = program.frminizio();
        QCOMPARE(menu.geometry(), laptop);
        QVERIFY(!program.windowFrame().has_value());
        pressF11(menu);
        QTRY_VERIFY(menu.frameGeometry().size() != menu.size());
        checkCentredOn(laptop, menu);
    }

    // The display of the last screen hidden is where the next one opens when none is on view.
    void displayOfTheLastScreenHidden() {
        Started run;
        dragOnto(board, run.menu);
        run.menu.hideScreen();
        QCOMPARE(run.program.display(), board);
    }

    // Full screen on the board: every screen opens on the board, in full screen; off, a screen opened
    // next is centred on the board, and one loaded earlier on the laptop comes to the board.
    void screensOpenWhereThePupilIs() {
        Started run;
        Program& program = run.program;
        StartMenu& menu = run.menu;
        program.frmsottrazioni(); // loaded hidden, centred on the laptop
        dragOnto(board, menu);
        pressF11(menu);

        click(menu, "cmdmolt");
        QCOMPARE(program.frmscelta().geometry(), board);
        click(program.frmscelta(), "cmd1");
        ExerciseScreen& times = program.frmmoltiplicazioni();
        QCOMPARE(times.geometry(), board);
        QVERIFY(times.isFullScreenLayout());

        pressF11(times);
        checkCentredOn(board, times);
        click(times, "cmdfine");
        checkCentredOn(board, menu);
        click(menu, "cmdadd");
        checkCentredOn(board, program.frmaddizioni());
        click(program.frmaddizioni(), "cmdfine");
        click(menu, "cmdsott");
        checkCentredOn(board, program.frmsottrazioni());
        flushDeletions();
    }

    // The board unplugged while the program fills it: the program is left at its designed size,
    // centred on the laptop, and F11 then fills the laptop.
    void boardUnpluggedInFullScreen() {
        Started run;
        Program& program = run.program;
        StartMenu& menu = run.menu;
        dragOnto(board, menu);
        pressF11(menu);
        QCOMPARE(menu.geometry(), board);

        setDisplays(displayConfiguration({{QStringLiteral("1 laptop"), laptop}}));
        QTRY_VERIFY(!program.isFullScreen());
        checkCentredOn(laptop, menu);
        QVERIFY(!menu.isFullScreenLayout());

        pressF11(menu);
        QCOMPARE(menu.geometry(), laptop);
    }

    // The display the program fills takes another size (a browser's window resized, a tablet turned
    // upright): the screen on view fills it anew, the pad below the screen on an upright display, and
    // screens shown afterwards open at the new size.
    void fullScreenFollowsTheDisplaysSize_data() {
        QTest::addColumn<QRect>("resized");
        QTest::newRow("smaller") << QRect(1280, 0, 1280, 800);
        QTest::newRow("turned upright") << QRect(1280, 0, 1080, 1920);
    }

    void fullScreenFollowsTheDisplaysSize() {
        QFETCH(QRect, resized);
        Started run;
        Program& program = run.program;
        StartMenu& menu = run.menu;
        dragOnto(board, menu);
        pressF11(menu);
        click(menu, "cmdadd"); // the subtraction screen is loaded hidden beside it
        ExerciseScreen& addition = program.frmaddizioni();
        QCOMPARE(addition.geometry(), board);

        setDisplays(displayConfiguration(
            {{QStringLiteral("1 laptop"), laptop}, {QStringLiteral("2 board"), resized}}));
        QTRY_COMPARE(addition.geometry(), resized);
        QVERIFY(program.isFullScreen());
        QCOMPARE(addition.fit(), fitScreen(resized.size(), designed, true));
        if (resized.height() > resized.width())
            QVERIFY(addition.fit().pad.top() >= scaled(QRect(QPoint(), designed), addition.fit()).bottom());

        click(addition, "cmdfine");
        QCOMPARE(menu.geometry(), resized);
        QCOMPARE(menu.fit(), fitScreen(resized.size(), designed, false));
        click(menu, "cmdsott");
        QCOMPARE(program.frmsottrazioni().fit(), fitScreen(resized.size(), designed, true));
        flushDeletions();
    }

    // Where the system takes F11 (the browser, whose page the program always fills), the program's own
    // full screen stays as it is.
    void fullScreenKeyTakenByTheSystem() {
        struct BrowserSeam : QtSeam {
            int taken = 0;
            bool takeFullScreenKey() override {
                ++taken;
                return true;
            }
        } seam;
        Program program(seam);
        program.setFullScreen(true);
        program.start();
        StartMenu& menu = program.frminizio();
        QCOMPARE(menu.geometry(), laptop);
        pressF11(menu);
        QCOMPARE(seam.taken, 1);
        QVERIFY(program.isFullScreen());
        QCOMPARE(menu.geometry(), laptop);
    }

    // A window left on the board when it is unplugged, out of full screen, comes back onto the laptop.
    void boardUnpluggedUnderAWindow() {
        Started run;
        StartMenu& menu = run.menu;
        dragOnto(board, menu);
        setDisplays(displayConfiguration({{QStringLiteral("1 laptop"), laptop}}));
        QTRY_VERIFY(laptop.intersects(menu.frameGeometry()));
        checkCentredOn(laptop, menu);
    }
};

int main(int argc, char* argv[]) {
    // Two displays from the start: the offscreen platform reads them from a file named on its command.
    QTemporaryFile configuration;
    if (!configuration.open())
        return 1;
    configuration.write(QJsonDocument(laptopAndBoard).toJson());
    configuration.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configuration.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    DisplaysTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_displays.moc"
