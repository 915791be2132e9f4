// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the benchmarks inside an offscreen application, so that the window
// benchmarks can create widgets.
#include <benchmark/benchmark.h>

#ifdef TOVRIN_BENCH_WINDOW
#include <QApplication>
#include <cstdlib>
#endif

int main(int argc, char** argv)
{
#ifdef TOVRIN_BENCH_WINDOW
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
