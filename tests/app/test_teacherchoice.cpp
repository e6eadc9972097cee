// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's choice as the command line and the page's address give it: what is known starts the
// run it names, the help is the help, and anything else is refused with one line that names the bad
// part and the values known.
#include "app/teacherchoice.h"

#include <QRegularExpression>
#include <QTest>

#include <vector>

using namespace abacolo;

Q_DECLARE_METATYPE(abacolo::TeacherChoice::Outcome)

namespace {

using Outcome = TeacherChoice::Outcome;

void addColumns() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("range"); // for a run: 99, 999 or 9999
    QTest::addColumn<bool>("carrying");
    QTest::addColumn<QString>("named"); // for a refusal: what its line must quote
}

// A row that starts a run at `range` with or without carrying, and one refused naming `named`.
void run(const char* given, int range, bool carrying) {
    QTest::newRow(given) << QString::fromUtf8(given) << Outcome::Run << range << carrying << QString();
}
void refusal(const char* given, const char* named) {
    QTest::newRow(given) << QString::fromUtf8(given) << Outcome::Refused << 0 << false
                         << QString::fromUtf8(named);
}

Range rangeOf(int value) {
    return value == 99 ? Range::upTo99 : value == 999 ? Range::upTo999 : Range::upTo9999;
}

void checkChoice(const TeacherChoice& choice) {
    QFETCH(Outcome, outcome);
    QFETCH(int, range);
    QFETCH(bool, carrying);
    QFETCH(QString, named);
    QCOMPARE(choice.outcome, outcome);
    const QString text = QString::fromStdString(choice.text);
    switch (outcome) {
    case Outcome::Run:
        QCOMPARE(choice.level, (Level{rangeOf(range), carrying}));
        break;
    case Outcome::Help:
        QVERIFY(text.contains(u"--entro 99|999|9999") && text.contains(u"--senza-cambio"));
        break;
    case Outcome::Refused:
        QVERIFY2(!text.contains(u'\n'), qPrintable(text));
        QVERIFY2(text.contains(named), qPrintable(text));
        static const QRegularExpression values(QStringLiteral("\\b99\\b.*\\b999\\b.*\\b9999\\b"));
        QVERIFY2(text.contains(values), qPrintable(text));
        break;
    }
}

} // namespace

class TeacherChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data() {
        addColumns();
        run("", 9999, true);
        run("--entro 99", 99, true);
        run("--entro=999", 999, true);
        run("--entro 9999", 9999, true);
        run("--senza-cambio", 9999, false);
        run("--senza-cambio --entro 99", 99, false);
        QTest::newRow("--help") << QStringLiteral("--entro 98 --help") << Outcome::Help << 0 << true
                                << QString();
        QTest::newRow("-h") << QStringLiteral("-h") << Outcome::Help << 0 << true << QString();
        refusal("--entro 98", "«98»");
        refusal("--entro 9.999", "«9.999»");
        refusal("--entro=", "«»");
        refusal("--entro", "--entro");
        refusal("--entro 99 --entro 999", "--entro");
        refusal("--Entro 99", "«--Entro»");
        refusal("--cambio no", "«--cambio»");
        refusal("pippo", "«pippo»");
    }
    void commandLine() {
        QFETCH(QString, given);
        std::vector<std::string> words;
        for (const QString& word : given.split(u' ', Qt::SkipEmptyParts))
            words.push_back(word.toStdString());
        const std::vector<std::string_view> arguments(words.begin(), words.end());
        checkChoice(fromArguments(arguments));
    }

    void pageAddress_data() {
        addColumns();
        run("", 9999, true);
        run("?", 9999, true);
        run("?entro=99&cambio=no", 99, false);
        run("entro=999", 999, true);
        run("?cambio=si&entro=9999", 9999, true);
        run("?cambio=s%C3%AC", 9999, true);
        run("?ENTRO=99&Cambio=NO", 99, false);
        run("?entro=99&", 99, true);
        refusal("?entro=98", "«entro=98»");
        refusal("?entro", "«entro»");
        refusal("?cambio=forse", "«cambio=forse»");
        refusal("?entro=99&entro=999", "«entro=999»");
        refusal("?livello=2", "«livello=2»");
        refusal("?entro=%39%39%", "«entro=%39%39%»");
    }
    void pageAddress() {
        QFETCH(QString, given);
        checkChoice(fromQuery(given.toStdString()));
    }
};

QTEST_GUILESS_MAIN(TeacherChoiceTest)
#include "test_teacherchoice.moc"
