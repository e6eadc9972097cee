// SPDX-License-Identifier: GPL-3.0-or-later
// The screen services every screen relies on: loading on first reference, show, hide and unload,
// centring in twips, fonts and pictures.
#include "app/startmenu.h"
#include "exercises/exercisescreen.h"
#include "runtime/picture.h"
#include "score/scorescreen.h"
#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>

using namespace abacolo;
using test::allScreens;
using test::TestProgram;

class ScreensRuntimeTest : public QObject {
    Q_OBJECT

private slots:
    void referenceLoadsHiddenAndRunsLoad() {
        TestProgram t;
        QVERIFY(!t.program.isLoaded(ScreenId::frmsottrazioni));
        ExerciseScreen& screen = t.program.frmsottrazioni();
        QVERIFY(t.program.isLoaded(ScreenId::frmsottrazioni));
        QVERIFY(screen.isHidden());
        // Form_Load ran: a problem is on the operation line.
        QVERIFY(!screen.operationLine().isEmpty());
        QCOMPARE(&t.program.frmsottrazioni(), &screen);
    }

    void hideKeepsEverything() {
        TestProgram t;
        ExerciseScreen& screen = t.program.frmaddizioni();
        screen.showScreen();
        test::type(screen, "txth2", QStringLiteral("8"));
        const QString line = screen.operationLine();
        screen.hideScreen();
        QVERIFY(t.program.isLoaded(ScreenId::frmaddizioni));
        screen.showScreen();
        QCOMPARE(screen.text(QStringLiteral("txth2")), QStringLiteral("8"));
        QCOMPARE(screen.operationLine(), line);
    }

    void unloadDiscardsAndNextReferenceIsFresh() {
        TestProgram t;
        ExerciseScreen& first = t.program.frmaddizioni();
        test::type(first, "txtk1", QStringLiteral("3"));
        QPointer<ExerciseScreen> old(&first);
        t.program.unload(ScreenId::frmaddizioni);
        QVERIFY(!t.program.isLoaded(ScreenId::frmaddizioni));
        test::flushDeletions();
        QVERIFY(old.isNull());
        ExerciseScreen& second = t.program.frmaddizioni();
        QCOMPARE(second.text(QStringLiteral("txtk1")), QString());
        QCOMPARE(second.code(), ExerciseRecord::notAsking);
    }

    // A screen unloads itself from its own click handler; it must live until the handler returns.
    void unloadFromOwnHandlerIsSafe() {
        TestProgram t;
        ExerciseScreen& screen = t.program.frmdivisioni();
        screen.showScreen();
        QPointer<ExerciseScreen> watched(&screen);
        test::click(screen, "cmdfine");
        QVERIFY(!t.program.isLoaded(ScreenId::frmdivisioni));
        QVERIFY(!watched.isNull());
        QVERIFY(watched->isHidden());
        test::flushDeletions();
        QVERIFY(watched.isNull());
    }

    void firstShowFocusesLowestTabIndex_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("focused");
        QTest::newRow("start menu") << int(ScreenId::frminizio) << QStringLiteral("cmdesci");
        QTest::newRow("chooser") << int(ScreenId::frmscelta) << QStringLiteral("cmd1");
        QTest::newRow("addition") << int(ScreenId::frmaddizioni) << QStringLiteral("txtk1");
        QTest::newRow("subtraction") << int(ScreenId::frmsottrazioni) << QStringLiteral("txtk1");
        QTest::newRow("one-digit multiplication")
            << int(ScreenId::frmmoltiplicazioni) << QStringLiteral("txtk1");
        QTest::newRow("two-digit multiplication")
            << int(ScreenId::frmmoltiplicazioni2) << QStringLiteral("txth1");
        QTest::newRow("division") << int(ScreenId::frmdivisioni) << QStringLiteral("txtk1");
        QTest::newRow("score") << int(ScreenId::frmpunteggio) << QStringLiteral("cmdcalcola");
    }

    void firstShowFocusesLowestTabIndex() {
        QFETCH(int, screen);
        QFETCH(QString, focused);
        TestProgram t;
        Screen& shown = t.program.screen(ScreenId(screen));
        shown.showScreen();
        QVERIFY(shown.focusWidget() != nullptr);
        QCOMPARE(shown.focusWidget()->objectName(), focused);
    }

    // Left = (display width - outer width) / 2, then Top likewise, in twips; negative values stand.
    void centringInTwips_data() {
        QTest::addColumn<QSize>("display");
        QTest::newRow("large display") << QSize(1280, 1024);
        QTest::newRow("odd size") << QSize(1001, 777);
        QTest::newRow("smaller than the screen") << QSize(300, 200);
    }

    void centringInTwips() {
        QFETCH(QSize, display);
        TestProgram t;
        t.seam.display = display;
        for (ScreenId id : allScreens()) {
            Screen& screen = t.program.screen(id);
            const double left = (display.width() * 15.0 - screen.outerWidthTwips()) / 2;
            const double top = (display.height() * 15.0 - screen.outerHeightTwips()) / 2;
            QCOMPARE(screen.leftTwips(), left);
            QCOMPARE(screen.topTwips(), top);
            QCOMPARE(screen.pos(), QPoint(qRound(left / 15), qRound(top / 15)));
        }
    }

    // Loaded before its window had a frame, a screen is centred again by its outer size once the frame
    // is known; moved after that, it stays where it was put.
    void centredAgainOnceFramed() {
        TestProgram t;
        Screen& screen = t.program.frmaddizioni();
        QCOMPARE(screen.frameGeometry().size(), screen.size());
        QVERIFY(test::showActive(screen));
        QTRY_VERIFY(screen.frameGeometry().size() != screen.size());
        QCOMPARE(screen.topTwips(), (1024 * 15.0 - screen.outerHeightTwips()) / 2);
        QCOMPARE(screen.leftTwips(), (1280 * 15.0 - screen.outerWidthTwips()) / 2);
        screen.setTopTwips(0);
        screen.hideScreen();
        QVERIFY(test::showActive(screen));
        QCOMPARE(screen.topTwips(), 0.0);
    }

    void clientSizesAndTitles_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QColor>("background");
        QTest::newRow("start menu") << int(ScreenId::frminizio) << QSize(441, 393)
                                    << QStringLiteral("Metto in colonna e calcolo entro il 9.999")
                                    << QColor(255, 255, 128);
        QTest::newRow("chooser") << int(ScreenId::frmscelta) << QSize(321, 106)
                                 << QStringLiteral("Moltiplicazioni") << QColor(255, 192, 128);
        QTest::newRow("addition") << int(ScreenId::frmaddizioni) << QSize(441, 393)
                                  << QStringLiteral("Addizioni in colonna") << QColor(128, 255, 255);
        QTest::newRow("subtraction") << int(ScreenId::frmsottrazioni) << QSize(441, 393)
                                     << QStringLiteral("Sottrazioni in colonna") << QColor(255, 192, 192);
        QTest::newRow("one-digit multiplication")
            << int(ScreenId::frmmoltiplicazioni) << QSize(441, 393)
            << QStringLiteral("Moltiplicazioni in colonna con 1 cifra al moltiplicatore")
            << QColor(255, 192, 255);
        QTest::newRow("two-digit multiplication")
            << int(ScreenId::frmmoltiplicazioni2) << QSize(441, 393)
            << QStringLiteral("Moltiplicazioni in colonna con 2 cifre al moltiplicatore")
            << QColor(192, 192, 255);
        QTest::newRow("division") << int(ScreenId::frmdivisioni) << QSize(441, 393)
                                  << QStringLiteral("Divisioni in colonna") << QColor(128, 255, 128);
        QTest::newRow("score") << int(ScreenId::frmpunteggio) << QSize(299, 347)
                               << QStringLiteral("Punteggio") << QColor(255, 128, 128);
    }

    void clientSizesAndTitles() {
        QFETCH(int, screen);
        QFETCH(QSize, size);
        QFETCH(QString, title);
        QFETCH(QColor, background);
        TestProgram t;
        Screen& shown = t.program.screen(ScreenId(screen));
        QCOMPARE(shown.size(), size);
        QCOMPARE(shown.windowTitle(), title);
        QCOMPARE(shown.palette().color(QPalette::Window), background);
        QVERIFY(!shown.windowIcon().isNull());
        // Drawn from PNG sizes, which need no image plugin.
        const QList<QSize> iconSizes{{16, 16}, {32, 32}, {48, 48}, {64, 64}};
        QCOMPARE(shown.windowIcon().availableSizes(), iconSizes);
        const QImage icon = shown.windowIcon().pixmap(QSize(32, 32)).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(icon, QImage(QStringLiteral(":/icons/32x32/apps/it.abacolo.Abacolo.png"))
                           .convertToFormat(icon.format()));
    }

    // The faces asked for by name are missing on Linux: the nearest faces of the same size and weight
    // serve, and every text still fits its control.
    void fontsResolveToNearFaces() {
        TestProgram t;
        ExerciseScreen& screen = t.program.frmaddizioni();
        const QFont digits = screen.box(QStringLiteral("txtk1"))->font();
        QCOMPARE(digits.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(digits.pointSizeF(), 12.0);
        QVERIFY(digits.bold());
        const QFontInfo digitFace(digits);
        QVERIFY(digitFace.bold());
        const QFont message = screen.label(QStringLiteral("lblmessaggio"))->font();
        QCOMPARE(message.family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(message.pointSizeF(), 18.0);
        const QString face = QFontInfo(message).family();
        QVERIFY2(face != QStringLiteral("MS Sans Serif"), qPrintable(face));
    }

    void picturesAreValidAndRenderedOnce() {
        TestProgram t;
        for (ScreenId id : allScreens()) {
            Screen& screen = t.program.screen(id);
            for (Picture* picture : screen.findChildren<Picture*>()) {
                QVERIFY2(QSvgRenderer(picture->resource()).isValid(), qPrintable(picture->resource()));
                // The first showing's rendering is made ahead, on another thread: it is the drawing all the
                // same, at the picture's size on the screen's background.
                const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
                QImage drawing(picture->size(), QImage::Format_ARGB32_Premultiplied);
                drawing.fill(Qt::transparent);
                QPainter painter(&drawing);
                painter.setRenderHint(QPainter::Antialiasing);
                QSvgRenderer(picture->resource()).render(&painter, QRectF(drawing.rect()));
                painter.end();
                QImage expected(picture->size(), QImage::Format_RGB32);
                expected.fill(screen.palette().color(QPalette::Window));
                QPainter(&expected).drawImage(0, 0, drawing);
                QVERIFY2(shown == expected, qPrintable(picture->resource()));
                picture->grab();
                picture->repaint();
                QCOMPARE(picture->renderCount(), 1);
            }
        }
    }

    // A programming error stops the program in every build, with a message that names what was asked
    // for; the error is made in a child process.
    // A rendering stored as pixels: the header must describe exactly the pixels that follow, and the
    // pixels are blue, green, red, alpha bytes. Anything else reads as nothing, never past the data.
    void pixelPicturesReadOnlyWhatTheirHeaderDescribes_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QSize>("size");
        const auto header = [](const char* magic, quint32 width, quint32 height) {
            QByteArray bytes(magic, 4);
            for (const quint32 value : {width, height})
                for (int shift = 0; shift < 32; shift += 8)
                    bytes.append(char((value >> shift) & 0xff));
            return bytes;
        };
        const QByteArray pixels("\x10\x20\x30\x80\x00\x00\x00\x00", 8);
        QTest::newRow("two pixels") << header("ABPX", 2, 1) + pixels << QSize(2, 1);
        QTest::newRow("one pixel short") << header("ABPX", 2, 1) + pixels.left(7) << QSize();
        QTest::newRow("a byte too many") << header("ABPX", 2, 1) + pixels + '\0' << QSize();
        QTest::newRow("another kind") << header("PNG ", 2, 1) + pixels << QSize();
        QTest::newRow("no width") << header("ABPX", 0, 1) + pixels << QSize();
        QTest::newRow("header cut short") << header("ABPX", 2, 1).left(10) << QSize();
        QTest::newRow("nothing") << QByteArray() << QSize();
        // 2^30 pixels of four bytes are 2^32 bytes: no pixel at all, counted in 32 bits.
        QTest::newRow("size that wraps") << header("ABPX", 0x40000000, 1) << QSize();
        QTest::newRow("size that wraps, square") << header("ABPX", 0x8000, 0x8000) << QSize();
    }

    void pixelPicturesReadOnlyWhatTheirHeaderDescribes() {
        QFETCH(QByteArray, data);
        QFETCH(QSize, size);
        QCOMPARE(pixelPictureSize(data), size);
        const QImage image = pixelPicture(data);
        QCOMPARE(image.size(), size.isValid() ? size : QSize(0, 0));
        if (image.isNull())
            return;
        QCOMPARE(image.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(image.pixel(0, 0), qRgba(0x30, 0x20, 0x10, 0x80));
        QCOMPARE(image.pixel(1, 0), qRgba(0, 0, 0, 0));
    }

    void programmingErrorStops_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("a screen without a factory") << "screen"
                                                    << "The program has no screen frmaddizioni";
        QTest::newRow("the record of a screen that has none")
            << "record"
            << "The screen frminizio has no exercise record";
        QTest::newRow("the hand-off of a screen that has none")
            << "handoff"
            << "The screen frmaddizioni has no score hand-off";
        QTest::newRow("a screen of another kind")
            << "kind"
            << "The screen frmaddizioni is not of the kind the program asked for";
        QTest::newRow("a misspelt control")
            << "control"
            << "The screen \"Addizioni in colonna\" has no control named txtc";
        QTest::newRow("no error") << "none" << QString();
    }

    void programmingErrorStops() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QProcess child;
        child.start(QStringLiteral(ABACOLO_FAULT_CHILD), {fault});
        QVERIFY(child.waitForFinished(60000));
        const QString errors = QString::fromUtf8(child.readAllStandardError());
        if (message.isEmpty()) {
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);
            QCOMPARE(child.exitCode(), 0);
            return;
        }
        QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0, qPrintable(errors));
        QVERIFY2(errors.contains(message), qPrintable(errors));
    }

    void enterNeverEndsAnExercise() {
        TestProgram t;
        ExerciseScreen& screen = t.program.frmaddizioni();
        screen.showScreen();
        for (QAbstractButton* button : screen.findChildren<QAbstractButton*>()) {
            auto* push = qobject_cast<QPushButton*>(button);
            QVERIFY(push != nullptr);
            QVERIFY(!push->isDefault());
            QVERIFY(!push->autoDefault());
        }
        QTest::keyClick(screen.box(QStringLiteral("txturis")), Qt::Key_Return);
        QTest::keyClick(screen.box(QStringLiteral("txturis")), Qt::Key_Enter);
        QVERIFY(t.program.isLoaded(ScreenId::frmaddizioni));
        QCOMPARE(screen.wrongCount() + screen.rightCount(), 0);
    }
};

QTEST_MAIN(ScreensRuntimeTest)
#include "test_screens_runtime.moc"
