// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the window: a full repaint with the keypad's pictures cached and
// rebuilt, the rebuilding of the key pictures at a large size, and the
// start-up of the calculator to its first frame against a bare Qt program.
#include "core/State.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "storage/Preferences.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
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

// Seconds from the start of a program to its end, which both programs
// reach as soon as their first frame is painted; the peak resident memory
// in KiB through peakKb.
double TimeToFirstFrame(const char* program, long* peakKb)
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
    return std::chrono::duration<double>(end - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The calculator, with a saved state so that no first-start question
// comes up, and the bare label program, started in turn five times each
// after one unmeasured start of both.  Under X (DISPLAY set) both show real
// windows, else they run offscreen.  The figure is the calculator's median;
// the counters give the bare program's median and the ratio of the two.
void BM_StartUpToFirstFrame(benchmark::State& state)
{
    QTemporaryDir config;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldPlatform = qgetenv("QT_QPA_PLATFORM");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QDir(config.path()).mkpath(QStringLiteral("tovrin"));
    ResetCalculator();
    PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;
    SavePreferences(config.path() + QStringLiteral("/tovrin/tovrin.conf"));
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    qputenv("TOVRIN_EXIT_AFTER_FIRST_FRAME", "1");

    // The calculator ends at its first frame without removing its lock
    // file; a user's start finds none, and so does the next run here.
    const QString lockFile = config.path() + QStringLiteral("/tovrin/tovrin.conf.lock");
    auto timeCalculator = [&lockFile](long* peak) {
        const double seconds = TimeToFirstFrame(TOVRIN_BINARY, peak);
        QFile::remove(lockFile);
        return seconds;
    };

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
    qunsetenv("TOVRIN_EXIT_AFTER_FIRST_FRAME");
    qputenv("QT_QPA_PLATFORM", oldPlatform);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    if (!calculator.empty() && !bare.empty()) {
        state.counters["bare label ms"] = Median(bare) * 1000;
        state.counters["ratio"] = Median(calculator) / Median(bare);
        state.counters["peak MiB"] = double(peakKb) / 1024.0;
    }
    state.SetLabel(qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "X display");
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();

} // namespace
