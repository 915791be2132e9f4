// Speed of the window: a full repaint at the usual size with the keypad's
// pictures cached and rebuilt, and the start-up of the calculator to its
// first painted frame with its peak memory.
#include "core/State.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "ui/AdvancedKeyboard.h"
#include "ui/CalculatorForm.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// One repaint of the whole window, painted at once.
void Repaint(benchmark::State& state, bool rebuild)
{
    ResetCalculator();
    CalculatorForm form;
    form.resize(360, 560);
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
    Repaint(state, false);
}
BENCHMARK(BM_RepaintCached)->Unit(benchmark::kMicrosecond);

void BM_RepaintRebuilt(benchmark::State& state)
{
    Repaint(state, true);
}
BENCHMARK(BM_RepaintRebuilt)->Unit(benchmark::kMicrosecond);

// The calculator as a process: start, lay out, paint the first frame into a
// picture, and end.  Reports the peak resident memory of the process.
void BM_StartUpToFirstFrame(benchmark::State& state)
{
    const std::string picture = "/tmp/tovrin-bench-" + std::to_string(getpid()) + ".png";
    long peakKb = 0;
    for (auto _ : state) {
        pid_t child = fork();
        if (child == 0) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            execl(TOVRIN_BINARY, "tovrin", "--screenshot", picture.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        struct rusage usage = {};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the calculator did not start");
            break;
        }
        if (usage.ru_maxrss > peakKb)
            peakKb = usage.ru_maxrss;
    }
    std::remove(picture.c_str());
    state.counters["peak MiB"] = double(peakKb) / 1024.0;
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

} // namespace
