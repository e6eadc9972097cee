// SPDX-License-Identifier: GPL-3.0-or-later
// Micro-benchmarks (Google Benchmark): each operation's problem drawing, the lenient number reading and
// the check handler of every exercise screen, after a right and after a wrong answer, and F11 into and
// out of full screen at the sizes of classroom boards.
#include "app/program.h"
#include "exercises/addition/screen.h"
#include "exercises/division/screen.h"
#include "exercises/multiplication/screen.h"
#include "exercises/multiplication2/screen.h"
#include "exercises/subtraction/screen.h"
#include "numeric/val.h"
#include "runtime/screenseam.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace abacolo;

namespace {

constexpr std::uint64_t seed = 7;
constexpr std::size_t longTextLength = 1 << 20; // a 1 MB paste

// A seam that neither beeps nor ends anything.
class SilentSeam : public ScreenSeam {
public:
    void beep() override {}
    void endProgram() override {}
    QList<QRect> displays() const override { return {QRect(QPoint(), display)}; }
    QRect displayOf(const QWidget&) const override { return primaryDisplay(); }

    QSize display{1280, 1024};
};

Program* program = nullptr;
SilentSeam* silentSeam = nullptr;

template <typename Draw> void drawing(benchmark::State& state, Draw draw) {
    Generator generator(seed);
    for (auto _ : state) {
        auto problem = draw(generator);
        benchmark::DoNotOptimize(problem);
    }
}

BENCHMARK_CAPTURE(drawing, addition, [](Generator& g) { return addition::draw(g); });
BENCHMARK_CAPTURE(drawing, subtraction, [](Generator& g) { return subtraction::draw(g); });
BENCHMARK_CAPTURE(drawing, multiplication, [](Generator& g) { return multiplication::draw(g); });
BENCHMARK_CAPTURE(drawing, multiplication2, [](Generator& g) { return multiplication2::draw(g); });
BENCHMARK_CAPTURE(drawing, division, [](Generator& g) { return division::draw(g); });

void reading(benchmark::State& state, std::string text) {
    for (auto _ : state) {
        double value = Val(text);
        benchmark::DoNotOptimize(value);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}

BENCHMARK_CAPTURE(reading, four_digits, std::string("1234"));
BENCHMARK_CAPTURE(reading, blanks_and_exponent, std::string(" 1 2 . 5 e + 3 x"));
BENCHMARK_CAPTURE(reading, one_megabyte, std::string(longTextLength, '7'));

// The result the screen expects now, and the division's remainder.
std::pair<int, int> expected(const ExerciseScreen& screen) {
    switch (screen.id()) {
    case ScreenId::frmaddizioni:
        return {static_cast<const AdditionScreen&>(screen).problem().sum, 0};
    case ScreenId::frmsottrazioni:
        return {static_cast<const SubtractionScreen&>(screen).problem().difference, 0};
    case ScreenId::frmmoltiplicazioni:
        return {static_cast<const MultiplicationScreen&>(screen).problem().product, 0};
    case ScreenId::frmmoltiplicazioni2:
        return {static_cast<const Multiplication2Screen&>(screen).problem().product, 0};
    default: {
        const division::Problem& problem = static_cast<const DivisionScreen&>(screen).problem();
        return {problem.quotient, problem.remainder};
    }
    }
}

// Each check includes typing the answer into the units box, as the pupil does before "&Controlla".
void check(benchmark::State& state, ScreenId id, bool right) {
    ExerciseScreen& screen = program->exercise(id);
    QLineEdit* units = screen.box(QStringLiteral("txturis"));
    // Only the division screen has a remainder row.
    QLineEdit* remainder = id == ScreenId::frmdivisioni ? screen.box(QStringLiteral("txtparu1")) : nullptr;
    for (auto _ : state) {
        const auto [result, rest] = expected(screen);
        units->setText(QString::number(right ? result : result + 1));
        if (remainder != nullptr)
            remainder->setText(QString::number(rest));
        screen.cmdconferma_Click();
    }
    if (right ? screen.rightCount() == 0 : screen.wrongCount() == 0)
        state.SkipWithError("the check did not judge as intended");
}

// F11 on the addition screen, shown, and the drawing of the whole display; and F11 again and the drawing
// at the designed size. "first" on a fresh screen (its fonts and pictures made at the new size), "again"
// once it has been in full screen. Each is drawn into an image of the window's size that is kept between
// runs: the first touch of a fresh 33 MB image for 3840 x 2160 is the memory's cost, paid by any window
// that size (on a virtual machine it can take longer than the drawing itself), not the screen's.
QImage& canvas(QSize size) {
    static std::map<std::pair<int, int>, QImage> canvases;
    QImage& image = canvases[{size.width(), size.height()}];
    if (image.size() != size) {
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    return image;
}

void drawn(QWidget& screen) {
    screen.render(&canvas(screen.size()));
}

void fullScreen(benchmark::State& state, QSize display, bool first, bool entering) {
    silentSeam->display = display;
    canvas(display);
    program->unload(ScreenId::frmaddizioni);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ExerciseScreen& screen = program->frmaddizioni();
    screen.showScreen();
    drawn(screen);
    if (!first) {
        program->setFullScreen(true);
        drawn(screen);
        program->setFullScreen(false);
        drawn(screen);
    }
    for (auto _ : state) {
        if (!entering)
            state.PauseTiming();
        program->setFullScreen(true);
        drawn(screen);
        if (entering)
            state.PauseTiming();
        else
            state.ResumeTiming();
        program->setFullScreen(false);
        drawn(screen);
        if (entering)
            state.ResumeTiming();
    }
}

void registerFullScreen() {
    for (const bool entering : {true, false}) {
        for (const bool first : {true, false}) {
            for (const QSize display : {QSize(1920, 1080), QSize(3840, 2160)}) {
                const std::string label = std::string("fullscreen/") + (entering ? "enter/" : "leave/") +
                                          (first ? "first/" : "again/") + std::to_string(display.width()) +
                                          "x" + std::to_string(display.height());
                auto* benchmark = benchmark::RegisterBenchmark(
                    label.c_str(), [display, first, entering](benchmark::State& state) {
                        fullScreen(state, display, first, entering);
                    });
                benchmark->Unit(benchmark::kMillisecond);
                // A fresh screen for each of five single runs: their median and the slowest are reported
                // (the first run of a size also makes the program's fonts at that size).
                if (first)
                    benchmark->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true)->ComputeStatistics(
                        "max", [](const std::vector<double>& runs) {
                            return *std::max_element(runs.begin(), runs.end());
                        });
            }
        }
    }
}

void registerChecks() {
    for (const Exercise& exercise : exercises) {
        const ScreenId id = exercise.screen;
        for (const bool right : {true, false}) {
            const std::string label = std::string("check/") + screenName(id) + (right ? "/right" : "/wrong");
            benchmark::RegisterBenchmark(label.c_str(), [id = id, right](benchmark::State& state) {
                check(state, id, right);
            })->Unit(benchmark::kMicrosecond);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SilentSeam seam;
    Program abacolo(seam);
    abacolo.generator().seed(seed);
    program = &abacolo;
    silentSeam = &seam;
    registerChecks();
    registerFullScreen();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
