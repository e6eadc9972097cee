// SPDX-License-Identifier: GPL-3.0-or-later
// Grading of the right and wrong counts: total, percentage and the five messages with their bands.
#include "score/grading.h"

#include <QTest>

#include <limits>

using namespace abacolo;

class GradingTest : public QObject {
    Q_OBJECT

private slots:
    void grades_data() {
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("wrong");
        QTest::addColumn<double>("percent");
        QTest::addColumn<QString>("message");

        const QString super = QString::fromUtf8(grading::super);
        const QString excellent = QString::fromUtf8(grading::excellent);
        const QString good = QString::fromUtf8(grading::good);
        const QString fair = QString::fromUtf8(grading::fair);
        const QString poor = QString::fromUtf8(grading::poor);

        QTest::newRow("1 right, 0 wrong") << 1.0 << 0.0 << 100.0 << super;
        QTest::newRow("9 and 1: 90 is the higher band") << 9.0 << 1.0 << 90.0 << excellent;
        QTest::newRow("17 and 2: 89.47") << 17.0 << 2.0 << 1700.0 / 19 << good;
        QTest::newRow("3 and 1: 75 is the higher band") << 3.0 << 1.0 << 75.0 << good;
        QTest::newRow("2 and 1: 66.67") << 2.0 << 1.0 << 200.0 / 3 << fair;
        QTest::newRow("3 and 2: 60 is the higher band") << 3.0 << 2.0 << 60.0 << fair;
        QTest::newRow("1 and 1: 50") << 1.0 << 1.0 << 50.0 << poor;
        QTest::newRow("0 and 1") << 0.0 << 1.0 << 0.0 << poor;
        QTest::newRow("0 and 5") << 0.0 << 5.0 << 0.0 << poor;
        QTest::newRow("just below 100") << 199.0 << 1.0 << 99.5 << excellent;
        QTest::newRow("just below 60") << 59.0 << 41.0 << 59.0 << poor;
        // Counts whose hundredfold no longer fits 16 bits keep their band.
        QTest::newRow("400 right") << 400.0 << 0.0 << 100.0 << super;
        QTest::newRow("40000 right, 1 wrong") << 40000.0 << 1.0 << 4000000.0 / 40001 << excellent;
        QTest::newRow("40000 right, 40000 wrong") << 40000.0 << 40000.0 << 50.0 << poor;
        QTest::newRow("huge counts") << 3e9 << 1e9 << 75.0 << good;
    }

    void grades() {
        QFETCH(double, right);
        QFETCH(double, wrong);
        QFETCH(double, percent);
        QFETCH(QString, message);
        const grading::Result result = grading::grade(right, wrong);
        QCOMPARE(result.total, right + wrong);
        QVERIFY(result.percent.has_value());
        QCOMPARE(*result.percent, percent);
        QVERIFY(result.message.has_value());
        QCOMPARE(QString::fromStdString(*result.message), message);
    }

    void noGradeBelowATotalOfOne_data() {
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("wrong");
        QTest::newRow("no answers") << 0.0 << 0.0;
        QTest::newRow("a fraction") << 0.0 << 0.5;
        QTest::newRow("negative") << -3.0 << 1.0;
    }

    void noGradeBelowATotalOfOne() {
        QFETCH(double, right);
        QFETCH(double, wrong);
        const grading::Result result = grading::grade(right, wrong);
        QVERIFY(!result.percent.has_value());
        QVERIFY(!result.message.has_value());
    }

    // A percentage that no band holds: above a full score, or not a number, has no message.
    void noBandOutsideTheScores_data() {
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("wrong");
        QTest::newRow("more right answers than answers") << 5.0 << -3.0;
        QTest::newRow("endless right answers") << std::numeric_limits<double>::infinity() << 1.0;
    }

    void noBandOutsideTheScores() {
        QFETCH(double, right);
        QFETCH(double, wrong);
        const grading::Result result = grading::grade(right, wrong);
        QVERIFY(result.percent.has_value());
        QVERIFY(!result.message.has_value());
    }
};

QTEST_GUILESS_MAIN(GradingTest)
#include "test_grading.moc"
