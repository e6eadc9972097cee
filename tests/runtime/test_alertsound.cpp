// SPDX-License-Identifier: GPL-3.0-or-later
// The warning sound's own thread, without a sound server: a fake backend plays or fails as each case
// says, and the fallback is counted where it runs.
#include "runtime/alertsound.h"

#include <QApplication>
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace abacolo;

namespace {

// What the test and the alert thread share; it outlives the alert thread.
struct Stage {
    std::vector<bool> results; // what each play returns, in order; a play beyond them fails too
    std::atomic<int> plays = 0;
    std::atomic<int> made = 0;
    std::atomic<bool> madeOnScreensThread = false;
    std::atomic<bool> fallbackOffScreensThread = false;
    int fallbacks = 0; // counted on the screens' thread
    static constexpr int open = 1 << 20;
    QSemaphore gate{open}; // each play passes it; a test may close it to hold the plays back
};

class FakeBackend : public AlertSound::Backend {
public:
    explicit FakeBackend(std::shared_ptr<Stage> stage) : m_stage(std::move(stage)) {}
    bool play() override {
        const auto played = std::size_t(m_stage->plays++);
        m_stage->gate.acquire();
        return played < m_stage->results.size() && m_stage->results[played];
    }

private:
    std::shared_ptr<Stage> m_stage;
};

std::unique_ptr<AlertSound> soundOn(const std::shared_ptr<Stage>& stage, bool canPlay) {
    return std::make_unique<AlertSound>(
        [stage, canPlay]() -> std::unique_ptr<AlertSound::Backend> {
            ++stage->made;
            stage->madeOnScreensThread = QThread::currentThread() == qApp->thread();
            return canPlay ? std::make_unique<FakeBackend>(stage) : nullptr;
        },
        [stage] {
            ++stage->fallbacks;
            if (QThread::currentThread() != qApp->thread())
                stage->fallbackOffScreensThread = true;
        });
}

} // namespace

class AlertSoundTest : public QObject {
    Q_OBJECT

private slots:
    // Each alert is played once; each one that cannot be played is the fallback, on the screens'
    // thread. Every case ends with an alert that fails, so its fallback marks the end of the plays.
    void everyAlertPlayedOrFallenBack_data() {
        QTest::addColumn<bool>("canPlay");
        QTest::addColumn<QList<bool>>("results");
        QTest::newRow("played, then one fails") << true << QList<bool>{true, true, false};
        QTest::newRow("none can be played") << true << QList<bool>{false, false, false};
        QTest::newRow("no sound server") << false << QList<bool>{false, false};
    }

    void everyAlertPlayedOrFallenBack() {
        QFETCH(bool, canPlay);
        QFETCH(QList<bool>, results);
        auto stage = std::make_shared<Stage>();
        stage->results.assign(results.begin(), results.end());
        const auto sound = soundOn(stage, canPlay);
        QCOMPARE(stage->made.load(), 0);
        for (qsizetype i = 0; i < results.size(); ++i)
            sound->play();
        const int failed = int(results.count(false));
        QTRY_COMPARE(stage->fallbacks, failed);
        QCOMPARE(stage->plays.load(), canPlay ? int(results.size()) : 0);
        QCOMPARE(stage->made.load(), 1);
        QVERIFY(!stage->madeOnScreensThread);
        QVERIFY(!stage->fallbackOffScreensThread);
    }

    // Alerts that come while one is playing wait their turn, and each is played.
    void alertsDuringAPlayAreAllPlayed() {
        auto stage = std::make_shared<Stage>();
        stage->results = {true, true, true, false};
        stage->gate.acquire(Stage::open);
        const auto sound = soundOn(stage, true);
        sound->play();
        QTRY_COMPARE(stage->plays.load(), 1); // the first play is under way, held back
        for (int i = 0; i < 3; ++i)
            sound->play();
        stage->gate.release(Stage::open);
        QTRY_COMPARE(stage->fallbacks, 1);
        QCOMPARE(stage->plays.load(), 4);
    }
};

QTEST_MAIN(AlertSoundTest)
#include "test_alertsound.moc"
