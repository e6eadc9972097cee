// SPDX-License-Identifier: GPL-3.0-or-later
// What a pupil who cannot see the screen hears: the name of every control, each screen as a window with
// its title, labels that say what they show, and the verdict, the new problem and the score spoken by
// themselves.
#include "app/startmenu.h"
#include "exercises/addition/screen.h"
#include "exercises/exercisescreen.h"
#include "runtime/picture.h"
#include "score/scorescreen.h"
#include "support/recorder.h"
#include "support/screenchecks.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleEvent>
#include <QLabel>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtGui/qpa/qwindowsysteminterface.h>

#include <algorithm>

using namespace abacolo;
using test::allScreens;
using test::q;
using test::TestProgram;

namespace {

// What the screens give a screen reader to speak by itself: which object, the text, and whether the
// object's window was the active one then.
struct Heard {
    QObject* source;
    QString text;
    bool inActiveWindow = false;
};
std::vector<Heard> heard;

bool inActiveWindow(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->isActiveWindow();
}

void recordAnnouncements(QAccessibleEvent* event) {
    // A notification that is shown is spoken with its name.
    QAccessibleInterface* source = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification)
        heard.push_back({event->object(), source->text(QAccessible::Name), inActiveWindow(event->object())});
}

QAccessibleInterface* spoken(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object) {
    return spoken(object)->text(QAccessible::Name);
}

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        heard.clear();
        // As when a screen reader listens: only then does Qt pass events on.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(recordAnnouncements);
    }

    void cleanup() {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }

    // A pupil with a screen reader hears a name on every control that can take the focus, and a
    // description of every picture.
    void everyFocusableControlHasAName() {
        TestProgram t;
        for (ScreenId id : allScreens()) {
            Screen& screen = t.program.screen(id);
            for (QWidget* widget : screen.findChildren<QWidget*>()) {
                if (widget->focusPolicy() == Qt::NoFocus && !qobject_cast<Picture*>(widget))
                    continue;
                QString spoken = widget->accessibleName();
                if (auto* button = qobject_cast<QAbstractButton*>(widget); spoken.isEmpty() && button)
                    spoken = button->text();
                QVERIFY2(!spoken.isEmpty(), qPrintable(screen.windowTitle() + u' ' + widget->objectName()));
                if (qobject_cast<Picture*>(widget))
                    QVERIFY(!widget->accessibleDescription().isEmpty());
            }
        }
    }

    void namedControls_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("spoken");
        const auto row = [](ScreenId screen, const char* control, const char* name) {
            QTest::addRow("%s %s", control, name) << int(screen) << q(control) << QString::fromUtf8(name);
        };
        using enum ScreenId;
        row(frminizio, "cmdadd", "Addizione");
        row(frminizio, "cmdsott", "Sottrazione");
        row(frminizio, "cmdmolt", "Moltiplicazione");
        row(frminizio, "cmddiv", "Divisione");
        row(frminizio, "Picture1", "Una lucertola viola a pois verdi sogna il nome Abacolo");
        row(frminizio, "Image1", "Una piccola decorazione");
        row(frmscelta, "cmd1", "1 cifra");
        row(frmscelta, "cmd2", "2 cifre");
        row(frmaddizioni, "Picture1", "Una cavalletta verde con le ali e le mani sui fianchi");
        row(frmaddizioni, "txtk1", "migliaia, primo addendo");
        row(frmaddizioni, "txtda2", "decine, secondo addendo");
        row(frmaddizioni, "txtu3", "unità, terzo addendo");
        row(frmaddizioni, "txtkris", "migliaia, risultato");
        row(frmsottrazioni, "Picture1", "Un castoro marrone a braccia aperte");
        row(frmsottrazioni, "txth1", "centinaia, minuendo");
        row(frmsottrazioni, "txtu2", "unità, sottraendo");
        row(frmsottrazioni, "txtdaris", "decine, risultato");
        row(frmmoltiplicazioni, "Picture1", "Uno scarabeo arancione");
        row(frmmoltiplicazioni, "txtk1", "migliaia, moltiplicando");
        row(frmmoltiplicazioni, "txtu2", "unità, moltiplicatore");
        row(frmmoltiplicazioni, "txthris", "centinaia, risultato");
        row(frmmoltiplicazioni2, "Picture1", "Un bruco verde che legge un libro rosso");
        row(frmmoltiplicazioni2, "txth1", "centinaia, moltiplicando");
        row(frmmoltiplicazioni2, "txtda2", "decine, moltiplicatore");
        row(frmmoltiplicazioni2, "txtpark1", "migliaia, primo prodotto parziale");
        row(frmmoltiplicazioni2, "txtparh2", "centinaia, secondo prodotto parziale");
        row(frmmoltiplicazioni2, "txturis", "unità, risultato");
        row(frmdivisioni, "Picture1", "Una tartaruga sorridente");
        row(frmdivisioni, "txtda1", "decine, dividendo");
        row(frmdivisioni, "txtdivis", "divisore");
        row(frmdivisioni, "txtparu1", "unità, primo resto parziale");
        row(frmdivisioni, "txtparh2", "centinaia, secondo resto parziale");
        row(frmdivisioni, "txtparda3", "decine, terzo resto parziale");
        row(frmdivisioni, "txtparu4", "unità, quarto resto parziale");
        row(frmdivisioni, "txturis", "unità, quoziente");
        row(frmpunteggio, "pctpallot", "Un pallottoliere con tre file di palline colorate");
    }

    void namedControls() {
        QFETCH(int, screen);
        QFETCH(QString, control);
        QFETCH(QString, spoken);
        TestProgram t;
        QWidget* widget = t.program.screen(ScreenId(screen)).control(control);
        QVERIFY(widget != nullptr);
        QCOMPARE(nameOf(widget), spoken);
    }

    // Each screen is a window that carries its title, so that a screen reader can read the title.
    void screensAreWindowsWithTheirTitles_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("title");
        const auto row = [](ScreenId screen, const char* title) {
            QTest::newRow(title) << int(screen) << QString::fromUtf8(title);
        };
        using enum ScreenId;
        row(frminizio, "Metto in colonna e calcolo entro il 9.999");
        row(frmscelta, "Moltiplicazioni");
        row(frmaddizioni, "Addizioni in colonna");
        row(frmsottrazioni, "Sottrazioni in colonna");
        row(frmmoltiplicazioni, "Moltiplicazioni in colonna con 1 cifra al moltiplicatore");
        row(frmmoltiplicazioni2, "Moltiplicazioni in colonna con 2 cifre al moltiplicatore");
        row(frmdivisioni, "Divisioni in colonna");
        row(frmpunteggio, "Punteggio");
    }

    void screensAreWindowsWithTheirTitles() {
        QFETCH(int, screen);
        QFETCH(QString, title);
        TestProgram t;
        QAccessibleInterface* window = spoken(&t.program.screen(ScreenId(screen)));
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), title);
    }

    // The verdict is heard by itself wherever the focus is; after a right answer the new problem too.
    // The message timer empties the label silently.
    void verdictsAndNewProblemsAreSpoken() {
        TestProgram t;
        ExerciseScreen& screen = t.program.frmaddizioni();
        QVERIFY(test::showActive(screen));
        QLabel* message = screen.label(q("lblmessaggio"));
        QLabel* operation = screen.label(q("lbloper"));
        QCOMPARE(spoken(message)->role(), QAccessible::Notification);
        QCOMPARE(spoken(operation)->text(QAccessible::Description), q("Operazione"));
        // Shown and active: the problem is heard, after everything the showing itself raised.
        QVERIFY(!heard.empty());
        QCOMPARE(heard.back().source, operation);
        QCOMPARE(heard.back().text, screen.operationLine());
        // In the browser the page's live region says the same, at the same moments.
        QStringList live{screen.operationLine()};
        QCOMPARE(t.seam.announcements, live);

        heard.clear();
        test::click(screen, "cmdconferma"); // the empty result row reads 0: wrong
        QCOMPARE(t.seam.announcements, live << q("Sbagliato! Ripeti"));
        QCOMPARE(heard.size(), std::size_t{1});
        QCOMPARE(heard[0].source, message);
        QCOMPARE(heard[0].text, q("Sbagliato! Ripeti"));
        QCOMPARE(test::focused(), q("txturis"));

        heard.clear();
        test::type(screen, "txturis", QString::number(static_cast<AdditionScreen&>(screen).problem().sum));
        test::click(screen, "cmdconferma");
        QCOMPARE(heard.size(), std::size_t{2});
        QCOMPARE(heard[0].source, message);
        QCOMPARE(heard[0].text, q("Complimenti! Vai avanti"));
        QCOMPARE(heard[1].source, operation);
        QCOMPARE(heard[1].text, screen.operationLine());
        QCOMPARE(t.seam.announcements, live << q("Complimenti! Vai avanti") << screen.operationLine());

        heard.clear();
        screen.tmrtempo_Timer();
        QVERIFY(heard.empty());
        QCOMPARE(t.seam.announcements, live);
        QCOMPARE(nameOf(message), QString());
    }

    // The problem is heard once the screen has appeared and its window is active, once per showing:
    // the window activated again, or another change, says nothing new; shown again after another
    // window, it is heard again.
    void problemHeardOncePerShowing() {
        TestProgram t;
        ExerciseScreen& screen = t.program.frmsottrazioni();
        QObject* operation = screen.label(q("lbloper"));
        const auto heardWhileActive = [operation] {
            return int(std::count_if(heard.begin(), heard.end(), [operation](const Heard& h) {
                return h.source == operation && h.inActiveWindow;
            }));
        };
        for (int showing = 0; showing < 2; ++showing) {
            heard.clear();
            QVERIFY(test::showActive(screen));
            QCOMPARE(heardWhileActive(), 1);
            QEvent activation(QEvent::ActivationChange);
            QEvent modified(QEvent::ModifiedChange);
            QCoreApplication::sendEvent(&screen, &activation);
            QCoreApplication::sendEvent(&screen, &modified);
            QCOMPARE(heardWhileActive(), 1);
            // Away to the start menu, and back.
            screen.hideScreen();
            QVERIFY(test::showActive(t.program.frminizio()));
        }
    }

    // A window system that makes a window active as it creates it, before the window shows (the
    // browser's): no activation follows the showing, and the problem is heard all the same, once.
    void problemHeardWhenActiveBeforeShown() {
        TestProgram t;
        ExerciseScreen& screen = t.program.frmaddizioni();
        screen.winId();
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
        QWindowSystemInterface::handleFocusWindowChanged(screen.windowHandle());
#else
        QWindowSystemInterface::handleWindowActivated(screen.windowHandle());
#endif
        QWindowSystemInterface::flushWindowSystemEvents();
        QVERIFY(screen.isActiveWindow());
        screen.showScreen();
        // What the page's live region is handed: the problem, once.
        QTRY_COMPARE(t.seam.announcements, QStringList{screen.operationLine()});
        QCoreApplication::processEvents();
        QCOMPARE(t.seam.announcements, QStringList{screen.operationLine()});
    }

    // Labels whose text is their name say what they are beside it.
    void describedLabels_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("description");
        using enum ScreenId;
        QTest::newRow("right count") << int(frmpunteggio) << q("lblrisg") << q("Risposte giuste");
        QTest::newRow("wrong count") << int(frmpunteggio) << q("lblriss") << q("Risposte sbagliate");
        QTest::newRow("grade") << int(frmpunteggio) << q("lblvoto") << q("Giudizio");
        QTest::newRow("message") << int(frmdivisioni) << q("lblmessaggio") << q("Messaggio");
        QTest::newRow("operation") << int(frmdivisioni) << q("lbloper") << q("Operazione");
    }

    void describedLabels() {
        QFETCH(int, screen);
        QFETCH(QString, control);
        QFETCH(QString, description);
        TestProgram t;
        QCOMPARE(spoken(t.program.screen(ScreenId(screen)).control(control))->text(QAccessible::Description),
                 description);
    }

    // After the compute the counts are read with their captions, and the grade with them, from the
    // focused "&OK".
    void scoreIsReadWithItsCaptions() {
        TestProgram t;
        ExerciseScreen& screen = t.program.frmaddizioni();
        screen.cmdconferma_Click();
        screen.cmdpunteggio_Click();
        ScoreScreen& score = t.program.frmpunteggio();
        QVERIFY(test::showActive(score));
        test::click(score, "cmdcalcola");
        QCOMPARE(test::focused(), q("cmdok"));
        QCOMPARE(nameOf(score.control(q("lblrisg"))), q("0"));
        QCOMPARE(nameOf(score.control(q("lblriss"))), q("1"));
        QCOMPARE(
            spoken(score.control(q("cmdok")))->text(QAccessible::Description),
            QString::fromUtf8("Risposte giuste: 0. Risposte sbagliate: 1. Non ci siamo. Esercitati di più."));
        QCOMPARE(t.seam.announcements.last(),
                 spoken(score.control(q("cmdok")))->text(QAccessible::Description));
        const auto labels = spoken(score.control(q("lblrisg")))->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->text(QAccessible::Name), q("Risposte giuste:"));
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "test_screen_reader.moc"
