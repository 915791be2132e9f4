// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the engine and the number text: keys through the dispatcher with
// undo, values through the formatter and the display text, undo and redo.
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "format/DisplayText.h"
#include "format/Format.h"

#include <benchmark/benchmark.h>

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

void BM_KeysWithUndo(benchmark::State& state)
{
    ResetCalculator();
    const std::vector<KeyOp> keys = MixedSession();
    const bool modes[3][2] = {{false, false}, {false, true}, {true, false}};
    int64_t count = 0;
    int round = 0;
    for (auto _ : state) {
        Prefs.setRpnInput(modes[round % 3][0]);
        Prefs.setPrecedenceInput(modes[round % 3][1]);
        for (KeyOp key : keys)
            benchmark::DoNotOptimize(HandleButton(key));
        count += int64_t(keys.size());
        ++round;
    }
    state.counters["keys/s"] = benchmark::Counter(double(count), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_KeysWithUndo);

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

} // namespace
