// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the window: a full repaint with the keypad's pictures cached and
// rebuilt, the rebuilding of the key pictures at a large size, the start-up
// of the calculator to its first frame against a bare Qt program and with
// 10,000 statistics points stored, the scatter plot of 10,000 points, and
// the Loan Schedule window opened and following keys.
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/Financial.h"
#include "engine/Reset.h"
#include "engine/StatisticsData.h"
#include "engine/Undo.h"
#include "storage/Preferences.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"
#include "ui/DataTable.h"
#include "ui/ScheduleChart.h"
#include "ui/SideWindow.h"
#include "ui/dialogs/ScheduleForm.h"
#include "ui/dialogs/StatisticsForm.h"
#include "ui/dialogs/StatisticsPlot.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// One repaint of the whole window at the size, painted at once.
void Repaint(benchmark::State& state, QSize size, bool rebuild)
{
    ResetCalculator();
    CalculatorForm form;
    form.resize(size);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (rebuild)
            form.keyboard()->rebuildBitmaps();
        form.repaint();
    }
    state.counters["frames/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_RepaintCached(benchmark::State& state)
{
    Repaint(state, QSize(360, 560), false);
}
BENCHMARK(BM_RepaintCached)->Unit(benchmark::kMicrosecond);

void BM_RepaintCachedLarge(benchmark::State& state)
{
    Repaint(state, QSize(720, 1120), false);
}
BENCHMARK(BM_RepaintCachedLarge)->Unit(benchmark::kMicrosecond);

void BM_RepaintRebuilt(benchmark::State& state)
{
    Repaint(state, QSize(360, 560), true);
}
BENCHMARK(BM_RepaintRebuilt)->Unit(benchmark::kMicrosecond);

// What a resize costs the keypad in a window of about 720 x 1120: the
// pictures of the current function and input style, unshifted and
// shifted, built anew at a size a few pixels off the last.
void BM_RebuildKeyPicturesLarge(benchmark::State& state)
{
    ResetCalculator();
    UnPrefs.setFunction(FunctionScientific);
    CalculatorForm form;
    form.resize(720, 1120);
    form.show();
    QApplication::processEvents();
    AdvancedKeyboard* keypad = form.keyboard();
    const QSize size = keypad->size();
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 8;
        keypad->resize(size - QSize(3 * step, 3 * step));
        keypad->prepareBitmaps();
    }
    state.SetLabel(std::to_string(keypad->getButtonWidth()) + " x " + std::to_string(keypad->getButtonHeight()) +
                   " keys");
}
BENCHMARK(BM_RebuildKeyPicturesLarge)->Unit(benchmark::kMillisecond);

// A 30-year monthly loan in Fixed 2, as the user guide's mortgage.
void Mortgage()
{
    ResetCalculator();
    Prefs.setDisplayFormat(FormatFixed);
    Prefs.setDigits(3);
    Regs.registers[RegN] = 360;
    Regs.registers[RegInterest] = 6.5;
    Regs.registers[RegPresentValue] = 200000;
    Regs.registers[RegFutureValue] = 0;
    Regs.registers[RegPayment] = tvm(RegPayment);
}

// Opening the Loan Schedule window on it: the schedule read, the window
// made, shown and painted whole.
void BM_ScheduleOpen(benchmark::State& state)
{
    Mortgage();
    CalculatorForm form;
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        ScheduleForm schedule(&form);
        schedule.show();
        schedule.repaint();
    }
}
BENCHMARK(BM_ScheduleOpen)->Unit(benchmark::kMillisecond);

// A key with the schedule open, the key changing the loan (PV, as typed
// and stored), so that the window reads the schedule anew; with the
// window's repaint (Repaint) and without.
void ScheduleFollowsKey(benchmark::State& state, bool repaint)
{
    Mortgage();
    CalculatorForm form;
    form.show();
    form.viewScheduleForm();
    SideWindow* schedule = form.sideWindow(QStringLiteral("schedule"));
    QApplication::processEvents();
    double pv = 200000;
    for (auto _ : state) {
        pv = pv == 200000 ? 210000 : 200000;
        Regs.registers[RegPresentValue] = pv;
        form.handleButton(KeyNoOp);
        if (repaint)
            schedule->repaint();
    }
}

void BM_ScheduleFollowsKey(benchmark::State& state)
{
    ScheduleFollowsKey(state, false);
}
BENCHMARK(BM_ScheduleFollowsKey)->Unit(benchmark::kMicrosecond);

void BM_ScheduleFollowsKeyRepaint(benchmark::State& state)
{
    ScheduleFollowsKey(state, true);
}
BENCHMARK(BM_ScheduleFollowsKeyRepaint)->Unit(benchmark::kMicrosecond);

// The parts of that repaint: the chart alone, and the table alone.
void BM_ScheduleChartPaint(benchmark::State& state)
{
    Mortgage();
    ScheduleForm schedule;
    schedule.show();
    QApplication::processEvents();
    for (auto _ : state)
        schedule.chart()->repaint();
}
BENCHMARK(BM_ScheduleChartPaint)->Unit(benchmark::kMicrosecond);

void BM_ScheduleTablePaint(benchmark::State& state)
{
    Mortgage();
    ScheduleForm schedule;
    schedule.show();
    QApplication::processEvents();
    for (auto _ : state)
        schedule.table()->viewport()->repaint();
}
BENCHMARK(BM_ScheduleTablePaint)->Unit(benchmark::kMicrosecond);

// A key that changes nothing the schedule shows.
void BM_ScheduleIdleKey(benchmark::State& state)
{
    Mortgage();
    CalculatorForm form;
    form.show();
    form.viewScheduleForm();
    QApplication::processEvents();
    for (auto _ : state)
        form.handleButton(KeyNoOp);
}
BENCHMARK(BM_ScheduleIdleKey)->Unit(benchmark::kMicrosecond);

// Seconds from the start of a program to its end, which both programs
// reach as soon as their first frame is painted; the peak resident memory
// in KiB through peakKb, and the processor time of all its threads through
// cpuSeconds, which a busy machine changes less than the time that passes.
double TimeToFirstFrame(const char* program, long* peakKb, double* cpuSeconds = nullptr)
{
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    struct rusage usage = {};
    wait4(child, &status, 0, &usage);
    auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    if (peakKb)
        *peakKb = std::max(*peakKb, long(usage.ru_maxrss));
    if (cpuSeconds)
        *cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return std::chrono::duration<double>(end - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Timed starts of the calculator: under X (DISPLAY set) it shows a real
// window, else it runs offscreen, and it ends at its first frame; the
// environment is as it was again afterwards.
class StartEnvironment {
public:
    StartEnvironment() : config_(qgetenv("XDG_CONFIG_HOME")), platform_(qgetenv("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
        qputenv("TOVRIN_EXIT_AFTER_FIRST_FRAME", "1");
    }
    ~StartEnvironment()
    {
        qunsetenv("TOVRIN_EXIT_AFTER_FIRST_FRAME");
        qputenv("QT_QPA_PLATFORM", platform_);
        qputenv("XDG_CONFIG_HOME", config_);
    }

private:
    const QByteArray config_, platform_;
};

// The settings file of the folder, the state as it is now saved in it, so
// that no first-start question comes up.
QString SaveStateIn(const QTemporaryDir& folder)
{
    QDir(folder.path()).mkpath(QStringLiteral("tovrin"));
    PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;
    const QString file = folder.path() + QStringLiteral("/tovrin/tovrin.conf");
    SavePreferences(file);
    return file;
}

// Seconds from the calculator's start on the settings of `folder` to its
// first frame.  It ends there without removing its lock file; a user's
// start finds none, and so does the next start here.
double StartIn(const QTemporaryDir& folder, long* peakKb, double* cpuSeconds = nullptr)
{
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    const double seconds = TimeToFirstFrame(TOVRIN_BINARY, peakKb, cpuSeconds);
    QFile::remove(folder.path() + QStringLiteral("/tovrin/tovrin.conf.lock"));
    return seconds;
}

// The calculator, with a saved state, and the bare label program, started
// in turn five times each after one unmeasured start of both.  The figure
// is the calculator's median; the counters give the bare program's median
// and the ratio of the two.
void BM_StartUpToFirstFrame(benchmark::State& state)
{
    QTemporaryDir config;
    ResetCalculator();
    SaveStateIn(config);
    const StartEnvironment environment;
    auto timeCalculator = [&config](long* peak) { return StartIn(config, peak); };

    long peakKb = 0;
    std::vector<double> calculator;
    std::vector<double> bare;
    for (auto _ : state) {
        TimeToFirstFrame(BARE_LABEL_BINARY, nullptr);
        timeCalculator(nullptr);
        for (int round = 0; round < 5; ++round) {
            bare.push_back(TimeToFirstFrame(BARE_LABEL_BINARY, nullptr));
            calculator.push_back(timeCalculator(&peakKb));
        }
        if (*std::min_element(calculator.begin(), calculator.end()) < 0 ||
            *std::min_element(bare.begin(), bare.end()) < 0) {
            state.SkipWithError("a program did not reach its first frame");
            break;
        }
        state.SetIterationTime(Median(calculator));
    }
    if (!calculator.empty() && !bare.empty()) {
        state.counters["bare label ms"] = Median(bare) * 1000;
        state.counters["ratio"] = Median(calculator) / Median(bare);
        state.counters["peak MiB"] = double(peakKb) / 1024.0;
    }
    state.SetLabel(qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "X display");
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();

// 10,000 points of a noisy line, entered as a paste enters them.
void EnterTenThousandPoints()
{
    std::vector<DataPoint> points(PointsCapacity);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = double(i % 1000) / 7 + double(i) / 1000;
        points[i] = {x, 2.5 * x + 40 * std::sin(double(i) * 0.7)};
    }
    AddPoints(points);
}

// The calculator started with 10,000 points stored, and with the same
// state as a file without the list leaves it (the sums only), in turns,
// fifteen times each: what reading the list costs at start.  The figure is
// the median with the points; the counters give the median without them
// and the ratio, and the same of the processor time.
void BM_StartUpWithTenThousandPoints(benchmark::State& state)
{
    QTemporaryDir withPoints, withoutPoints;
    ResetCalculator();
    EnterTenThousandPoints();
    const QString withFile = SaveStateIn(withPoints);
    const QString withoutFile = SaveStateIn(withoutPoints);
    {
        QFile in(withFile), out(withoutFile);
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        bool inPoints = false;
        for (const QByteArray& line : in.readAll().split('\n')) {
            if (line.startsWith('['))
                inPoints = line.trimmed() == "[points]";
            if (!inPoints)
                out.write(line + '\n');
        }
    }
    const StartEnvironment environment;
    std::vector<double> with, without, withCpu, withoutCpu;
    auto start = [](const QTemporaryDir& config, std::vector<double>& times, std::vector<double>& cpu) {
        double seconds = 0;
        times.push_back(StartIn(config, nullptr, &seconds));
        cpu.push_back(seconds);
    };
    for (auto _ : state) {
        StartIn(withPoints, nullptr);
        StartIn(withoutPoints, nullptr);
        for (int round = 0; round < 15; ++round) {
            start(withPoints, with, withCpu);
            start(withoutPoints, without, withoutCpu);
        }
        if (*std::min_element(with.begin(), with.end()) < 0 || *std::min_element(without.begin(), without.end()) < 0) {
            state.SkipWithError("the calculator did not reach its first frame");
            break;
        }
        state.SetIterationTime(Median(with));
    }
    if (!with.empty() && !without.empty()) {
        state.counters["without points ms"] = Median(without) * 1000;
        state.counters["ratio"] = Median(with) / Median(without);
        state.counters["CPU ms"] = Median(withCpu) * 1000;
        state.counters["CPU ms without"] = Median(withoutCpu) * 1000;
        state.counters["CPU ratio"] = Median(withCpu) / Median(withoutCpu);
    }
}
BENCHMARK(BM_StartUpWithTenThousandPoints)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();

// The scatter plot of 10,000 points with its line, painted whole at the
// size of the Statistics window's plot, at a device pixel ratio of 1 and 2.
void PaintPlot(benchmark::State& state, qreal ratio)
{
    ResetCalculator();
    EnterTenThousandPoints();
    StatisticsForm form;
    StatisticsPlot* plot = form.plot();
    const QSize size(460, 380);
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter painter(&image);
        plot->paintPlot(painter, QRectF(QPointF(), QSizeF(size)));
    }
    state.counters["frames/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_PlotTenThousandPoints(benchmark::State& state)
{
    PaintPlot(state, 1);
}
BENCHMARK(BM_PlotTenThousandPoints)->Unit(benchmark::kMillisecond);

void BM_PlotTenThousandPointsScale2(benchmark::State& state)
{
    PaintPlot(state, 2);
}
BENCHMARK(BM_PlotTenThousandPointsScale2)->Unit(benchmark::kMillisecond);

// A Σ+ followed by the Statistics window holding 10,000 points: its table,
// summary and plot brought in step and the plot painted.
void BM_StatisticsWindowFollowsAKey(benchmark::State& state)
{
    ResetCalculator();
    EnterTenThousandPoints();
    DeletePoints({0});
    StatisticsForm form;
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        HandleButton(KeySigmaPlus);
        form.updateData();
        form.plot()->repaint();
        state.PauseTiming();
        DeletePoints({PointsCapacity - 1});
        form.updateData();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StatisticsWindowFollowsAKey)->Unit(benchmark::kMillisecond);

} // namespace
