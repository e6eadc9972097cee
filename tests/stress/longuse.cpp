// SPDX-License-Identifier: GPL-3.0-or-later
// Long use: thousands of rounds of opening an exercise, checking and "&Fine" leave the heap where it was,
// and forty thousand checks on one screen keep the counts and the grade right.
#include "answers.h"
#include "app/chooser.h"
#include "app/program.h"
#include "app/startmenu.h"
#include "exercises/exercisescreen.h"
#include "quiet.h"
#include "score/scorescreen.h"
#include "support/recorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QPixmapCache>
#include <QTest>

#include <iterator>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
#define ABACOLO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ABACOLO_ASAN 1
#endif
#endif

#if defined(ABACOLO_ASAN)
#include <cstddef>
// AddressSanitizer's count of the bytes its allocator holds for the program (its runtime's interface).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace abacolo;

namespace {

// ABACOLO_LONGUSE_CYCLES sets the number of rounds.
constexpr long long defaultCycles = 10'000;
// Rounds before the first measurement: every screen has been built often enough for Qt's own caches
// (fonts, pictures, style) to be full.
constexpr long long warmUpCycles = 250;
// What the heap may gain over all the measured rounds: less than this many bytes a round, so a leak of
// even one small object per round shows.
constexpr long long allowedBytesPerCycle = 16;
constexpr long long kibi = 1024;

long long environmentNumber(const char* name, long long fallback) {
    bool ok = false;
    const long long value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

// Bytes of heap in use: the sanitizer's count under AddressSanitizer, glibc's otherwise.
long long heapInUse() {
#if defined(ABACOLO_ASAN)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#elif defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
#else
    return -1;
#endif
}

// Resident set size in KiB, from /proc (Linux), or -1.
long long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// How each exercise is reached from the start menu.
struct Route {
    ScreenId screen;
    const char* startButton;   // on the start menu
    const char* chooserButton; // on the chooser, for multiplication
    const char* checkButton;
};
constexpr Route routes[] = {
    {ScreenId::frmaddizioni, "cmdadd", nullptr, "cmdconferma"},
    {ScreenId::frmsottrazioni, "cmdsott", nullptr, "cmdconferma"},
    {ScreenId::frmmoltiplicazioni, "cmdmolt", "cmd1", "cmdconferma"},
    {ScreenId::frmmoltiplicazioni2, "cmdmolt", "cmd2", "cmdconferma"},
    {ScreenId::frmdivisioni, "cmddiv", nullptr, "cmdcontrolla"},
};

void settle() {
    QCoreApplication::processEvents();
    test::flushDeletions();
}

} // namespace

class LongUse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { stress::dropRaiseNotices(); }
    void openCheckFinishKeepsTheHeapFlat();
    void manyChecksKeepCountsAndGrade_data();
    void manyChecksKeepCountsAndGrade();
};

void LongUse::openCheckFinishKeepsTheHeapFlat() {
    const long long cycles = environmentNumber("ABACOLO_LONGUSE_CYCLES", defaultCycles);
    QVERIFY(cycles > warmUpCycles);
    test::TestProgram run;
    Program& program = run.program;
    std::mt19937_64 random(cycles);
    program.start();

    auto round = [&](long long n) {
        const Route& route = routes[n % std::size(routes)];
        test::click(program.frminizio(), route.startButton);
        if (route.chooserButton != nullptr)
            test::click(program.frmscelta(), route.chooserButton);
        ExerciseScreen& exercise = program.exercise(route.screen);
        QVERIFY(exercise.isVisible());
        const bool right = n % 2 == 0;
        if (right)
            stress::typeRightAnswer(exercise, random);
        else
            stress::typeWrongAnswer(exercise);
        test::click(exercise, route.checkButton);
        QCOMPARE(exercise.rightCount(), right ? 1 : 0);
        QCOMPARE(exercise.wrongCount(), right ? 0 : 1);
        test::click(exercise, "cmdfine");
        settle();
        QVERIFY(!program.isLoaded(route.screen));
        QVERIFY(program.frminizio().isVisible());
        // What the recorder keeps of the page's announcements and titles is the test's, not the program's.
        run.seam.announcements.clear();
        run.seam.titles.clear();
    };

    // The program runs with Qt's pixmap cache off (its index grows with every screen loaded anew);
    // ABACOLO_LONGUSE_PIXMAP_CACHE_KB sets a limit to watch that growth.
    const long long cacheKiB = environmentNumber("ABACOLO_LONGUSE_PIXMAP_CACHE_KB", 0);
    QPixmapCache::setCacheLimit(int(cacheKiB));
    for (long long n = 0; n < warmUpCycles && !QTest::currentTestFailed(); ++n)
        round(n);
    const long long rssBefore = residentKiB();
    const long long heapBefore = heapInUse();
    for (long long n = warmUpCycles; n < cycles && !QTest::currentTestFailed(); ++n)
        round(n);
    if (QTest::currentTestFailed())
        return;
    const long long rssAfter = residentKiB();
    const long long heapAfter = heapInUse();
    const long long measured = cycles - warmUpCycles;
    qInfo("long use: %lld rounds of open, check, \"&Fine\" after %lld to warm up; heap in use %lld -> %lld "
          "bytes (%+lld), resident %lld -> %lld KiB (%+lld); pixmap cache limit %lld KiB",
          measured, warmUpCycles, heapBefore, heapAfter, heapAfter - heapBefore, rssBefore, rssAfter,
          rssAfter - rssBefore, cacheKiB);
    if (heapBefore < 0)
        QSKIP("this platform tells no heap figure");
    QVERIFY2(heapAfter - heapBefore <= cacheKiB * kibi + measured * allowedBytesPerCycle,
             qPrintable(QStringLiteral("the heap grew by %1 KiB over %2 rounds")
                            .arg((heapAfter - heapBefore) / kibi)
                            .arg(measured)));
}

void LongUse::manyChecksKeepCountsAndGrade_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<long long>("right");
    QTest::addColumn<long long>("wrong");
    QTest::addColumn<QString>("grade");
    // 40,000 checks each, mixed so that the share of right answers falls on a band's edge; the right
    // counts are far beyond what a 16-bit product of the count and 100 could hold.
    QTest::newRow("addition, all right")
        << int(ScreenId::frmaddizioni) << 40'000LL << 0LL << QStringLiteral("Super!!!!");
    QTest::newRow("subtraction, 90 %")
        << int(ScreenId::frmsottrazioni) << 36'000LL << 4'000LL << QStringLiteral("Sei stato bravissimo!!!");
    QTest::newRow("one-digit multiplication, 75 %")
        << int(ScreenId::frmmoltiplicazioni) << 30'000LL << 10'000LL << QStringLiteral("Bravo!!");
    QTest::newRow("two-digit multiplication, 60 %")
        << int(ScreenId::frmmoltiplicazioni2) << 24'000LL << 16'000LL
        << QStringLiteral("Abbastanza bene, ma puoi fare di meglio.");
    QTest::newRow("division, just under 60 %") << int(ScreenId::frmdivisioni) << 23'999LL << 16'001LL
                                               << QString::fromUtf8("Non ci siamo. Esercitati di più");
}

void LongUse::manyChecksKeepCountsAndGrade() {
    QFETCH(int, screen);
    QFETCH(long long, right);
    QFETCH(long long, wrong);
    QFETCH(QString, grade);
    test::TestProgram run;
    ExerciseScreen& exercise = run.program.exercise(static_cast<ScreenId>(screen));
    exercise.showScreen();
    std::mt19937_64 random(static_cast<std::uint64_t>(screen));

    // Right and wrong answers interleaved evenly, the way a pupil's would be.
    const long long total = right + wrong;
    for (long long i = 0; i < total; ++i) {
        const bool rightOne = (i + 1) * right / total > i * right / total;
        if (rightOne)
            stress::typeRightAnswer(exercise, random);
        else
            stress::typeWrongAnswer(exercise);
        exercise.cmdconferma_Click();
    }
    QCOMPARE(exercise.rightCount(), right);
    QCOMPARE(exercise.wrongCount(), wrong);
    QCOMPARE(run.seam.beeps, int(wrong));

    exercise.cmdpunteggio_Click();
    ScoreScreen& score = run.program.frmpunteggio();
    score.cmdcalcola_Click();
    QCOMPARE(score.text(QStringLiteral("lblrisg")), QString::number(right));
    QCOMPARE(score.text(QStringLiteral("lblriss")), QString::number(wrong));
    QCOMPARE(score.text(QStringLiteral("lblvoto")), grade);
}

QTEST_MAIN(LongUse)
#include "longuse.moc"
