// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen as a pupil at the board sees it, on wide and tall displays (the test runs again at two
// device pixels per pixel): the digit pad's keys in their designed arrangement, large enough, apart and
// inside the pad; the pad in the middle of its margin, off the screen and on the display; the screen as
// large as the pad leaves room for; a picture drawn at each size it is shown at, for the display's
// density; and a tap on the pad while no box has the focus changing nothing.
#include "exercises/exercisescreen.h"
#include "runtime/digitpad.h"
#include "runtime/fit.h"
#include "runtime/picture.h"
#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace abacolo;
using namespace abacolo::test;

namespace {

const QSize designed(441, 393); // the exercise screens' client area
constexpr int usableKey = 48;   // pixels: about a centimetre on a classroom board

// The pad a pupil expects: 7 8 9 / 4 5 6 / 1 2 3 / 0 (two keys wide) and delete.
struct DesignedKey {
    const char* caption;
    const char* name;
    int row;
    int column;
    int span;
};
const DesignedKey designedKeys[] = {
    {"7", "pad7", 0, 0, 1},
    {"8", "pad8", 0, 1, 1},
    {"9", "pad9", 0, 2, 1},
    {"4", "pad4", 1, 0, 1},
    {"5", "pad5", 1, 1, 1},
    {"6", "pad6", 1, 2, 1},
    {"1", "pad1", 2, 0, 1},
    {"2", "pad2", 2, 1, 1},
    {"3", "pad3", 2, 2, 1},
    {"0", "pad0", 3, 0, 2},
    {"\u2190", "padCancella", 3, 2, 1},
};

struct SeenKey {
    const DesignedKey* designed;
    QRect place; // within the pad
};

ExerciseScreen& fullScreenAddition(TestProgram& t, QSize display) {
    t.seam.display = display;
    t.program.setFullScreen(true);
    ExerciseScreen& screen = t.program.frmaddizioni();
    screen.showScreen();
    return screen;
}

// Two keys stand as the pad is laid out: in one row at one height, in rows one below the other; in
// one column with one edge, in columns one beside the other.
void checkArranged(const SeenKey& a, const SeenKey& b) {
    const QString pair =
        QStringLiteral("%1 and %2")
            .arg(QString::fromUtf8(a.designed->caption), QString::fromUtf8(b.designed->caption));
    const QRect& p = a.place;
    const QRect& r = b.place;
    if (a.designed->row == b.designed->row)
        QVERIFY2(p.top() == r.top() && p.bottom() == r.bottom(),
                 qPrintable(pair + QStringLiteral(" not in one row")));
    else if (a.designed->row < b.designed->row)
        QVERIFY2(p.bottom() < r.top(), qPrintable(pair + QStringLiteral(": the first not above")));
    const int aLast = a.designed->column + a.designed->span - 1;
    const int bLast = b.designed->column + b.designed->span - 1;
    if (a.designed->column == b.designed->column)
        QVERIFY2(p.left() == r.left(), qPrintable(pair + QStringLiteral(" not at one left edge")));
    if (aLast == bLast)
        QVERIFY2(p.right() == r.right(), qPrintable(pair + QStringLiteral(" not at one right edge")));
    if (aLast < b.designed->column)
        QVERIFY2(p.right() < r.left(), qPrintable(pair + QStringLiteral(": the first not to the left")));
    QVERIFY2(!p.intersects(r), qPrintable(pair + QStringLiteral(" overlap")));
}

// The picture as shown equals its drawing at the size it has now and the display's density, on the
// screen's background.
void checkDrawn(Picture& picture, const QColor& background) {
    const qreal ratio = picture.devicePixelRatioF();
    const QSize device = (QSizeF(picture.size()) * ratio).toSize();
    QImage shown = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), device);
    shown.setDevicePixelRatio(1);
    QImage drawing = Renderings(picture.resource()).at(device, ratio).toImage();
    drawing.setDevicePixelRatio(1);
    QImage expected(device, QImage::Format_RGB32);
    expected.fill(background);
    QPainter(&expected).drawImage(0, 0, drawing);
    QVERIFY2(shown == expected, qPrintable(QStringLiteral("%1 at %2 x %3")
                                               .arg(picture.resource())
                                               .arg(picture.width())
                                               .arg(picture.height())));
}

// Every test on the same displays: wide ones, where the pad stands beside the screen, and tall
// ones, where it stands below; some roomy, some where the screen is made smaller for the pad.
void displays() {
    QTest::addColumn<QSize>("display");
    QTest::addColumn<bool>("beside");
    QTest::newRow("1280 x 800") << QSize(1280, 800) << true;
    QTest::newRow("1366 x 768") << QSize(1366, 768) << true;
    QTest::newRow("1024 x 768") << QSize(1024, 768) << true;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << true;
    QTest::newRow("3840 x 2160") << QSize(3840, 2160) << true;
    QTest::newRow("portrait 1080 x 1920") << QSize(1080, 1920) << false;
    QTest::newRow("portrait 800 x 1280") << QSize(800, 1280) << false;
    QTest::newRow("portrait 768 x 1024") << QSize(768, 1024) << false;
}

} // namespace

class FullScreenViewTest : public QObject {
    Q_OBJECT

private slots:
    void keysAsDesigned_data() { displays(); }

    // The keys show their captions in the designed arrangement, none over another, each at least a
    // usable size, evenly spaced and inside the pad.
    void keysAsDesigned() {
        QFETCH(QSize, display);
        TestProgram t;
        ExerciseScreen& screen = fullScreenAddition(t, display);
        auto* pad = screen.findChild<QWidget*>(QStringLiteral("digitpad"));
        QVERIFY(pad != nullptr && pad->isVisible());
        std::vector<SeenKey> seen;
        for (const DesignedKey& key : designedKeys) {
            auto* button = pad->findChild<QPushButton*>(QString::fromUtf8(key.name));
            QVERIFY2(button != nullptr && button->isVisible(), key.name);
            QCOMPARE(button->text(), QString::fromUtf8(key.caption));
            const QRect place = button->geometry();
            QVERIFY2(place.width() >= usableKey && place.height() >= usableKey, key.name);
            QVERIFY2(pad->rect().contains(place), key.name);
            seen.push_back({&key, place});
        }
        QCOMPARE(pad->findChildren<QPushButton*>().size(), qsizetype(std::size(designedKeys)));
        for (std::size_t i = 0; i < seen.size(); ++i)
            for (std::size_t j = 0; j < seen.size(); ++j)
                if (i != j) {
                    checkArranged(seen[i], seen[j]);
                    if (QTest::currentTestFailed())
                        return;
                }
        // As much room around the keys as between two of them ("7" and "8"), on every side.
        QRect keys;
        for (const SeenKey& key : seen)
            keys |= key.place;
        const int gap = seen[1].place.left() - seen[0].place.right() - 1;
        QCOMPARE(keys.left(), gap);
        QCOMPARE(keys.top(), gap);
        QCOMPARE(pad->width() - 1 - keys.right(), gap);
        QCOMPARE(pad->height() - 1 - keys.bottom(), gap);
    }

    void padInItsMargin_data() { displays(); }

    // The pad stands in the middle of the margin beside (or below) the screen, over none of its
    // controls, on the display; and the screen is as large as leaves the pad that room.
    void padInItsMargin() {
        QFETCH(QSize, display);
        QFETCH(bool, beside);
        TestProgram t;
        ExerciseScreen& screen = fullScreenAddition(t, display);
        auto* pad = screen.findChild<QWidget*>(QStringLiteral("digitpad"));
        QVERIFY(pad != nullptr && pad->isVisible());
        const QRect place = pad->geometry();
        const QRect whole(QPoint(), display);
        QVERIFY(whole.contains(place));

        const QRect area = scaled(QRect(QPoint(), designed), screen.fit());
        QVERIFY(!place.intersects(area));
        for (QWidget* control : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control != pad)
                QVERIFY2(!place.intersects(control->geometry()), qPrintable(control->objectName()));

        QRect margin = whole;
        if (beside) {
            QVERIFY(place.left() > area.right());
            margin.setLeft(area.right() + 1);
        } else {
            QVERIFY(place.top() > area.bottom());
            margin.setTop(area.bottom() + 1);
        }
        QVERIFY2(std::abs(place.center().x() - margin.center().x()) <= 1 &&
                     std::abs(place.center().y() - margin.center().y()) <= 1,
                 qPrintable(QStringLiteral("pad centred at %1, %2; margin at %3, %4")
                                .arg(place.center().x())
                                .arg(place.center().y())
                                .arg(margin.center().x())
                                .arg(margin.center().y())));

        // One step larger, the screen would leave the pad too little room.
        const double largest = std::min(double(display.width()) / designed.width(),
                                        double(display.height()) / designed.height());
        const double larger = screen.fit().factor + factorStep;
        if (larger <= largest) {
            Fit bigger;
            bigger.factor = larger;
            const QSize biggerScreen = scaled(QRect(QPoint(), designed), bigger).size();
            const QSize biggerPad = padMeasures(larger).size;
            const bool fits = beside ? (display.width() - biggerScreen.width()) / 2 >= biggerPad.width() &&
                                           display.height() >= biggerPad.height()
                                     : (display.height() - biggerScreen.height()) / 2 >= biggerPad.height() &&
                                           display.width() >= biggerPad.width();
            QVERIFY2(!fits, qPrintable(QString::number(screen.fit().factor)));
        }
    }

    void pictureDrawnAtEachSize_data() { displays(); }

    // A picture made at the designed size and shown in full screen is drawn at its new size, then at
    // the designed size again once full screen is off, each sharp on the display; it is rendered once
    // for each size, the rendering made ahead for the designed size used, not wasted.
    void pictureDrawnAtEachSize() {
        QFETCH(QSize, display);
        TestProgram t;
        ExerciseScreen& screen = fullScreenAddition(t, display);
        auto* picture = qobject_cast<Picture*>(screen.control(QStringLiteral("Picture1")));
        QVERIFY(picture != nullptr);
        const QColor background = screen.palette().color(QPalette::Window);
        const QSize designedSize = px(240, 1200, 2415, 2775).size();
        QVERIFY(picture->width() > designedSize.width());
        checkDrawn(*picture, background);
        if (QTest::currentTestFailed())
            return;

        t.program.setFullScreen(false);
        QCOMPARE(picture->size(), designedSize);
        checkDrawn(*picture, background);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(picture->renderCount(), 2);
    }

    // The focus on a button, not a box: every key of the pad leaves the boxes, the focus and the
    // counts as they were.
    void tapWithNoBoxFocusedChangesNothing() {
        TestProgram t;
        ExerciseScreen& screen = fullScreenAddition(t, QSize(1920, 1080));
        QVERIFY(showActive(screen));
        type(screen, "txtu1", QStringLiteral("5"));
        QPushButton* check = screen.button(QStringLiteral("cmdconferma"));
        check->setFocus();
        QCOMPARE(focused(), QStringLiteral("cmdconferma"));
        const QList<QLineEdit*> boxes = screen.findChildren<QLineEdit*>();
        QStringList before;
        for (const QLineEdit* box : boxes)
            before << box->text();

        for (const DesignedKey& key : designedKeys) {
            auto* button = screen.findChild<QPushButton*>(QString::fromUtf8(key.name));
            QVERIFY2(button != nullptr && button->isVisible(), key.name);
            QTest::mouseClick(button, Qt::LeftButton);
        }

        QStringList after;
        for (const QLineEdit* box : boxes)
            after << box->text();
        QCOMPARE(after, before);
        QCOMPARE(focused(), QStringLiteral("cmdconferma"));
        QCOMPARE(screen.rightCount(), 0);
        QCOMPARE(screen.wrongCount(), 0);
    }
};

QTEST_MAIN(FullScreenViewTest)
#include "test_fullscreen_view.moc"
