// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the engine and the number text: keys through the dispatcher with
// undo, values through the formatter and the display text, undo and redo,
// and Σ+ with and without its list of points.
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/Financial.h"
#include "engine/Points.h"
#include "engine/Reset.h"
#include "engine/Schedule.h"
#include "engine/Undo.h"
#include "format/DisplayText.h"
#include "format/Format.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

// A session a person might type: numbers, operators in each input mode,
// functions, registers and statistics.
std::vector<KeyOp> MixedSession()
{
    return {
        KeyDigit1, KeyDigit2, KeyPoint, KeyDigit5, KeyAdd, KeyDigit3, KeyMultiply, KeyDigit4, KeyEquals,
        KeyOpenParen, KeyDigit7, KeySubtract, KeyDigit2, KeyCloseParen, KeyDivide, KeyDigit5, KeyEquals,
        KeySquareRoot, KeySquare, KeyReciprocal, KeyPercent, KeyChangeSign, KeyAbs,
        KeyStore, KeyDigit0, KeyDigit7, KeyRecall, KeyDigit0, KeyDigit7, KeyMemoryAdd, KeyMemoryRecall,
        KeyDigit2, KeyEnter, KeyDigit1, KeySigmaPlus, KeyDigit4, KeyEnter, KeyDigit2, KeySigmaPlus,
        KeyMeanX, KeyStdDev, KeySin, KeyCos, KeyLn, KeyExp, KeyFeet, KeyMeters,
        KeyDigit9, KeyBackspace, KeyClearEntry, KeyClear,
    };
}

// The schedule of a monthly loan of N periods in Fixed 2, read whole:
// every period amortized once, as when the loan changes.
void BM_ReadSchedule(benchmark::State& state)
{
    ResetCalculator();
    Prefs.setDisplayFormat(FormatFixed);
    Prefs.setDigits(3);
    Regs.registers[RegN] = double(state.range(0));
    Regs.registers[RegInterest] = 6.5;
    Regs.registers[RegPresentValue] = 200000;
    Regs.registers[RegPayment] = tvm(RegPayment);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSchedule());
}
BENCHMARK(BM_ReadSchedule)->Arg(360)->Arg(65535)->Unit(benchmark::kMicrosecond);

// Presses `keys` round after round, in simple, precedence and, when `rpn`
// is set, RPN input in turn; counts keys per second.
void PressRounds(benchmark::State& state, const std::vector<KeyOp>& keys, bool rpn)
{
    ResetCalculator();
    const bool modes[3][2] = {{false, false}, {false, true}, {true, false}};
    const int modeCount = rpn ? 3 : 2;
    int64_t count = 0;
    int round = 0;
    for (auto _ : state) {
        Prefs.setRpnInput(modes[round % modeCount][0]);
        Prefs.setPrecedenceInput(modes[round % modeCount][1]);
        for (KeyOp key : keys)
            benchmark::DoNotOptimize(HandleButton(key));
        count += int64_t(keys.size());
        ++round;
    }
    state.counters["keys/s"] = benchmark::Counter(double(count), benchmark::Counter::kIsRate);
}

void BM_KeysWithUndo(benchmark::State& state)
{
    PressRounds(state, MixedSession(), true);
}
BENCHMARK(BM_KeysWithUndo);

// Typed decimals added and subtracted, each result freed of the binary
// noise its operands carry.
std::vector<KeyOp> DecimalSums()
{
    return {
        KeyPoint, KeyDigit1, KeyAdd, KeyPoint, KeyDigit2, KeySubtract, KeyPoint, KeyDigit3, KeyEquals,
        KeyDigit1, KeyDigit2, KeyDigit3, KeyPoint, KeyDigit4, KeyDigit5, KeyAdd, KeyDigit6, KeyPoint, KeyDigit7,
        KeyDigit8, KeySubtract, KeyPoint, KeyDigit0, KeyDigit9, KeyEquals, KeyMemoryAdd,
        KeyDigit1, KeyDigit0, KeyDigit0, KeyDigit0, KeyPoint, KeyDigit3, KeySubtract, KeyDigit9, KeyDigit9,
        KeyDigit9, KeyPoint, KeyDigit1, KeyEquals, KeyMemorySubtract, KeyClear,
    };
}

void BM_DecimalSums(benchmark::State& state)
{
    PressRounds(state, DecimalSums(), false);
}
BENCHMARK(BM_DecimalSums);

std::vector<double> Spread()
{
    std::vector<double> values;
    for (int e = -20; e <= 20; ++e)
        for (double m : {1.0, 1.5, 2.0 / 3.0, 9.999999999999, 123456.789, -0.0625})
            values.push_back(m * std::pow(10.0, e));
    values.push_back(0.0);
    values.push_back(-1.0);
    values.push_back(4294967295.0);
    return values;
}

void BM_FormatNumber(benchmark::State& state)
{
    ResetCalculator();
    const std::vector<double> values = Spread();
    char text[FormatBufferSize];
    int64_t count = 0;
    int round = 0;
    for (auto _ : state) {
        Prefs.setDisplayFormat(round % 4);
        Prefs.setDigits(round % 14);
        UnPrefs.setBase(round / 4 % 4);
        for (double v : values)
            benchmark::DoNotOptimize(FormatNumber(v, 0, text, false));
        count += int64_t(values.size());
        ++round;
    }
    state.counters["values/s"] = benchmark::Counter(double(count), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FormatNumber);

void BM_DisplayText(benchmark::State& state)
{
    ResetCalculator();
    const std::vector<double> values = Spread();
    std::vector<std::vector<char>> texts;
    for (double v : values) {
        std::vector<char> text(FormatBufferSize);
        FormatNumber(v, 0, text.data(), false);
        texts.push_back(text);
    }
    char shown[DisplayTextSize];
    int64_t count = 0;
    for (auto _ : state) {
        for (const std::vector<char>& text : texts)
            DisplayNumberText(text.data(), count & 1, shown);
        benchmark::DoNotOptimize(shown);
        count += int64_t(texts.size());
    }
    state.counters["values/s"] = benchmark::Counter(double(count), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DisplayText);

void BM_UndoRedo(benchmark::State& state)
{
    ResetCalculator();
    for (int i = 0; i < 12; ++i) {
        HandleButton(KeyDigit1);
        HandleButton(KeyAdd);
    }
    int64_t count = 0;
    for (auto _ : state) {
        for (int i = 0; i < 5; ++i)
            PerformUndo();
        for (int i = 0; i < 5; ++i)
            PerformRedo();
        count += 10;
    }
    state.counters["steps/s"] = benchmark::Counter(double(count), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_UndoRedo);

// Σ+ through the dispatcher with undo, with the list of points kept and
// without it, in turns of 4,000 keys each from cleared sums, so that both
// meet the same load of a shared machine.  The figure is the rate with the
// list; the counters give the rate without it and their ratio, each the
// median of its turns.
void BM_SigmaPlusWithAndWithoutList(benchmark::State& state)
{
    constexpr int Keys = 4000;
    std::vector<double> kept, bare;
    for (auto _ : state) {
        for (bool keep : {true, false}) {
            ResetCalculator();
            Prefs.setRpnInput(true);
            SetPointsKept(keep);
            HandleButton(KeyDigit3);
            HandleButton(KeyEnter);
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < Keys; ++i)
                benchmark::DoNotOptimize(HandleButton(KeySigmaPlus));
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            (keep ? kept : bare).push_back(Keys / took.count());
        }
    }
    SetPointsKept(true);
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["keys/s with the list"] = median(kept);
    state.counters["keys/s without"] = median(bare);
    state.counters["ratio"] = median(kept) / median(bare);
}
BENCHMARK(BM_SigmaPlusWithAndWithoutList)->Iterations(25)->Unit(benchmark::kMillisecond);

} // namespace
