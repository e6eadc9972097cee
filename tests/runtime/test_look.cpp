// SPDX-License-Identifier: GPL-3.0-or-later
// The screens look as designed on every desktop: the design's colours under a dark colour scheme, and
// every caption, message and grade whole under each widget style, at the desktop's font or a larger
// one. CTest runs this program at scale factors 1, 1.5 and 2.
#include "exercises/exercisescreen.h"
#include "runtime/captionbutton.h"
#include "score/grading.h"
#include "score/scorescreen.h"
#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

using namespace abacolo;
using test::allScreens;
using test::q;
using test::TestProgram;

namespace {

// The colour at a point of a widget, in the widget's own (logical) coordinates.
QColor colourAt(const QImage& image, QPoint point) {
    return image.pixelColor((QPointF(point) * image.devicePixelRatio()).toPoint());
}

// The darkest colour inside `area` of the image.
QColor darkest(const QImage& image, QRect area) {
    QColor found = Qt::white;
    const qreal ratio = image.devicePixelRatio();
    const QRect pixels((QPointF(area.topLeft()) * ratio).toPoint(), (QSizeF(area.size()) * ratio).toSize());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (image.pixelColor(x, y).lightness() < found.lightness())
                found = image.pixelColor(x, y);
    return found;
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT

    QString m_style;
    QFont m_font;

private slots:
    void initTestCase() {
        m_style = QApplication::style()->name();
        m_font = QApplication::font();
    }

    void cleanup() {
        QApplication::setStyle(m_style);
        QApplication::setFont(m_font);
    }

    // A dark colour scheme set before the screens are built leaves them in the design's colours.
    void designColoursUnderADarkScheme() {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(QPalette(QColor(40, 40, 40)));
        TestProgram t;
        ExerciseScreen& screen = t.program.frmaddizioni();
        const QImage image = screen.grab().toImage();
        const QLineEdit* box = screen.box(q("txtu1"));
        QCOMPARE(colourAt(image, box->geometry().center()), QColor(Qt::white));
        QCOMPARE(darkest(image, screen.label(q("lbloper"))->geometry()), QColor(Qt::black));
        QCOMPARE(darkest(image, screen.label(q("lblu"))->geometry()), QColor(Qt::black));
        const QWidget* check = screen.control(q("cmdconferma"));
        QVERIFY(colourAt(image, check->geometry().topLeft() + QPoint(6, 4)).lightness() > 200);
        QCOMPARE(darkest(image, check->geometry().adjusted(4, 4, -4, -4)), QColor(Qt::black));
        QCOMPARE(colourAt(image, QPoint(2, 2)), QColor(128, 255, 255));
    }

    // What a grab must show: the sign on each operation button of the start menu, the frame around
    // each count, and a button's face and caption (the compute button draws its wrapped caption itself).
    void drawnAsDesigned_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("fact");
        const auto row = [](ScreenId screen, const char* control, const char* fact) {
            QTest::addRow("%s %s", control, fact) << int(screen) << q(control) << q(fact);
        };
        using enum ScreenId;
        for (const char* sign : {"cmdadd", "cmdsott", "cmdmolt", "cmddiv"})
            row(frminizio, sign, "sign");
        row(frmpunteggio, "lblrisg", "frame");
        row(frmpunteggio, "lblriss", "frame");
        row(frmpunteggio, "cmdcalcola", "face and caption");
        row(frmaddizioni, "cmdconferma", "face and caption");
    }

    void drawnAsDesigned() {
        QFETCH(int, screen);
        QFETCH(QString, control);
        QFETCH(QString, fact);
        TestProgram t;
        Screen& shown = t.program.screen(ScreenId(screen));
        if (fact == q("frame"))
            test::click(shown, "cmdcalcola");
        const QImage image = shown.grab().toImage();
        const QRect area = shown.control(control)->geometry();
        const QColor black(Qt::black);
        if (fact == q("sign")) {
            const QRect middle(area.center() - QPoint(area.width() / 4, area.height() / 4), area.size() / 2);
            QVERIFY(darkest(image, middle).lightness() < 40);
        } else if (fact == q("frame")) {
            const int third = area.height() / 3;
            QCOMPARE(darkest(image, QRect(area.left(), area.top() + third, 1, third)), black);
            QCOMPARE(darkest(image, QRect(area.left() + 2, area.top(), area.width() / 3, 1)), black);
        } else {
            const QColor face = colourAt(image, area.topLeft() + QPoint(6, 4));
            QVERIFY(face != shown.palette().color(QPalette::Window) && face.lightness() > 200);
            QCOMPARE(darkest(image, area.adjusted(6, 6, -6, -6)), black);
        }
    }

    void textsFitTheirControls_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<double>("points"); // the desktop's font size; 0 keeps the one Qt found
        for (const QString& style : QStyleFactory::keys()) {
            QTest::addRow("%s", qPrintable(style)) << style << 0.0;
            QTest::addRow("%s, 12 pt desktop font", qPrintable(style)) << style << 12.0;
        }
    }

    void textsFitTheirControls() {
        QFETCH(QString, style);
        QFETCH(double, points);
        QApplication::setStyle(style);
        if (points > 0) {
            QFont larger = QApplication::font();
            larger.setPointSizeF(points);
            QApplication::setFont(larger);
        }
        TestProgram t;
        QLabel* message = t.program.frmdivisioni().label(q("lblmessaggio"));
        for (const char* text : {praiseMessage, retryMessage}) {
            message->setText(QString::fromUtf8(text));
            const int width = message->fontMetrics().horizontalAdvance(message->text());
            QVERIFY2(width <= message->width(), text);
        }
        // Every grade message fits the grade label, wrapped at word boundaries.
        QLabel* grade = t.program.frmpunteggio().label(q("lblvoto"));
        for (const char* text :
             {grading::super, grading::excellent, grading::good, grading::fair, grading::poor}) {
            const QRect needed = grade->fontMetrics().boundingRect(QRect(QPoint(), grade->size()),
                                                                   Qt::TextWordWrap, QString::fromUtf8(text));
            QVERIFY2(needed.height() <= grade->height() && needed.width() <= grade->width(), text);
        }
        // Every caption lies whole inside its button; at the desktop's own font none is made smaller.
        for (ScreenId id : allScreens()) {
            for (CaptionButton* button : t.program.screen(id).findChildren<CaptionButton*>()) {
                const CaptionButton::Layout layout = button->captionLayout();
                const QRect needed =
                    QFontMetrics(layout.font).boundingRect(layout.room, layout.flags, button->text());
                const QString where = QStringLiteral("%1: %2x%3 in %4x%5")
                                          .arg(button->objectName())
                                          .arg(needed.width())
                                          .arg(needed.height())
                                          .arg(layout.room.width())
                                          .arg(layout.room.height());
                QVERIFY2(layout.room.contains(needed) && button->rect().contains(layout.room),
                         qPrintable(where));
                if (points == 0)
                    QCOMPARE(layout.font, button->font());
            }
        }
    }
};

QTEST_MAIN(LookTest)
#include "test_look.moc"
