// SPDX-License-Identifier: GPL-3.0-or-later
// The tape: the lines that key sequences leave, in every input mode, with
// units, undo and redo; the bound of its entries; recalling a line's
// result; the CSV's numbers.
#include "TestSupport.h"
#include "TypeNumber.h"

#include "core/Labels.h"
#include "core/Words.h"
#include "engine/KeyScript.h"
#include "engine/Tape.h"
#include "engine/TapeText.h"
#include "engine/Undo.h"

#include <sstream>
#include <string>

namespace {

using TapeTest = EngineTest;

// Presses key names, types numbers ("8-" is -8), and performs Undo, Redo
// and ClearTape as the window does.
void RunKeys(const char* keys)
{
    std::istringstream tokens(keys);
    for (std::string token; tokens >> token;) {
        if (token == "Undo")
            PerformUndo();
        else if (token == "Redo")
            PerformRedo();
        else if (token == "ClearTape")
            ClearTape();
        else if (int key = KeyOpFromName(token.c_str()); key >= 0)
            Press({key});
        else
            Type(token.c_str());
    }
}

std::string Lines()
{
    std::string text;
    for (const std::string& line : TapeLines())
        text += (text.empty() ? "" : " | ") + line;
    return text;
}

enum Mode { Simple, Precedence, Rpn };

struct Case {
    Mode mode;
    const char* keys;
    const char* lines; // " | " between lines
};

TEST_F(TapeTest, LinesOfKeySequences)
{
    const Case cases[] = {
        // Each input mode; precedence with pending operators and parentheses.
        {Simple, "12 Add 3 Equals", "12. + 3. = 15."},
        {Simple, "2 Add 3 Multiply 4 Equals", "2. + 3. = 5. | 5. × 4. = 20."},
        {Precedence, "2 Add 3 Multiply 4 Equals", "3. × 4. = 12. | 2. + 12. = 14."},
        {Precedence, "1 Add 2 Multiply 3 Subtract 4 Equals",
         "2. × 3. = 6. | 1. + 6. = 7. | 7. − 4. = 3."},
        {Precedence, "2 Multiply OpenParen 3 Add 4 CloseParen Equals", "3. + 4. = 7. | 2. × 7. = 14."},
        {Simple, "2 Add Multiply 3 Equals", "2. × 3. = 6."},
        {Rpn, "3 Enter 4 Multiply", "3. × 4. = 12."},
        {Simple, "3 Enter 4 Add", "3. + 4. = 7."},
        // Repeated equals repeats the operation with LastX.
        {Simple, "2 Multiply 3 Equals Equals", "2. × 3. = 6. | 6. × 3. = 18."},
        {Precedence, "2 Add 3 Multiply 4 Equals Equals",
         "3. × 4. = 12. | 2. + 12. = 14. | 14. + 12. = 26."},
        // Percent of a base, and alone.
        {Simple, "200 Add 10 Percent Equals", "200. × 10. % = 20. | 200. + 20. = 220."},
        {Simple, "10 Percent", "10. % = 0.1"},
        // Functions; hyperbolic; the coordinate pairs.
        {Simple, "16 SquareRoot 3 Square", "√ 16. = 4. | 3.² = 9."},
        {Simple, "Hyperbolic 0 Sin", "sinh 0. = 0."},
        {Rpn, "3 Enter 4 ToPolar", "→P 4., 3. = 5., 36.8698976458"},
        // Units: the operands as typed, the conversion, a temperature;
        // attaching a unit records nothing.
        {Simple, "2 Feet Add 6 Inches Equals", "2. feet + 6. inches = 2.5 feet"},
        {Simple, "12 Inches Feet Feet", "12. inches = 1. feet"},
        {Simple, "100 Celsius Fahrenheit", "100. deg C = 212. deg F"},
        // Register arithmetic; plain store and recall record nothing.
        {Simple, "7 Store 0 7 5 Store Add 0 7 Recall 0 7 2 Recall Multiply 0 7",
         "STO R07: 7. + 5. = 12. | RCL R07: 2. × 12. = 24."},
        {Simple, "5 MemoryAdd 1 MemorySubtract MemoryRecall", "M: 0. + 5. = 5. | M: 5. − 1. = 4."},
        // Financial solves, store paths recording nothing; NPV; amortization.
        {Rpn, "360 N 6 Interest 100000 PresentValue 0 FutureValue Payment", "PMT = -599.550525153"},
        {Rpn, "100 Store 0 0 10 Interest Npv", "NPV = 100."},
        {Rpn, "12 N 12 Interest 1000 PresentValue 0 FutureValue Payment 1 Enter 1 Amortize",
         "PMT = -88.8487886783 | Amort 1-1: Int = -10.  Prin = -78.8487886783  Bal = 921.151211322"},
        // Statistics results, and the points entered.
        {Rpn, "2 Enter 1 SigmaPlus 4 Enter 3 SigmaPlus MeanX StdDev 4 EstimateY",
         "Σ+ 1., 2.  n = 1. | Σ+ 3., 4.  n = 2. | mean x = 2. | s x = 1.41421356237  s y = 1.41421356237 | "
         "est y 4. = 5.  m = 1."},
        {Rpn, "2 Enter 1 SigmaPlus 1 SigmaMinus", "Σ+ 1., 2.  n = 1. | Σ− 1., 2.  n = 0."},
        {Rpn, "5 Enter 2 Combinations", "5. nCr 2. = 10."},
        // Stack moves, clearing and modes record nothing; Clear All leaves the
        // tape.
        {Rpn, "1 Enter 2 Add SwapXY RollDown Drop Clear 3 ClearAll", "1. + 2. = 3."},
        // Lines follow the current format and base.
        {Simple, "1 Divide 3 Equals FormatFixed 2", "1.00 ÷ 3.00 = 0.33"},
        // Undo hides the entries of the undone key, redo shows them again.
        {Precedence, "2 Add 3 Multiply 4 Equals Undo", ""},
        {Precedence, "2 Add 3 Multiply 4 Equals Undo Redo", "3. × 4. = 12. | 2. + 12. = 14."},
        {Simple, "1 Add 2 Equals 3 Add 4 Equals Undo Undo Undo Undo 5 Add 6 Equals", "1. + 2. = 3. | 5. + 6. = 11."},
        {Simple, "1 Add 2 Equals ClearTape", ""},
        {Simple, "1 Add 2 Equals ClearTape 3 Add 4 Equals Undo Undo Undo Undo Undo", "1. + 2. = 3."},
        {Simple, "1 Add 2 Equals ClearTape Undo Redo", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        ResetCalculator();
        Prefs.setRpnInput(c.mode == Rpn);
        Prefs.setPrecedenceInput(c.mode == Precedence);
        RunKeys(c.keys);
        EXPECT_EQ(Lines(), c.lines);
    }
}

TEST_F(TapeTest, EveryLineEndsWithItsResult)
{
    RunKeys("2 Feet Add 6 Inches Equals 2 Enter 1 SigmaPlus");
    const std::vector<const TapeEntry*> entries = TapeEntries();
    ASSERT_EQ(entries.size(), 2u);
    TapeLine sum = ComposeTapeLine(*entries[0]);
    EXPECT_EQ(sum.calculation, "2. feet + 6. inches =");
    EXPECT_EQ(sum.result, "2.5 feet");
    EXPECT_EQ(ComposeTapeLine(*entries[1]).result, "1.");
}

TEST_F(TapeTest, KeepsTheLastThousandEntries)
{
    Press({KeyDigit1});
    for (int i = 0; i < TapeCapacity + 5; ++i)
        Press({KeyAdd, KeyDigit1, KeyEquals});
    std::vector<std::string> lines = TapeLines();
    ASSERT_EQ(lines.size(), size_t(TapeCapacity));
    EXPECT_EQ(lines.front(), "6. + 1. = 7.");
    EXPECT_EQ(lines.back(), "1,005. + 1. = 1,006.");
    // Undoing a key of a full tape shows the line that had fallen off.
    PerformUndo();
    lines = TapeLines();
    ASSERT_EQ(lines.size(), size_t(TapeCapacity));
    EXPECT_EQ(lines.front(), "5. + 1. = 6.");
    EXPECT_EQ(lines.back(), "1,004. + 1. = 1,005.");
}

TEST_F(TapeTest, CsvKeepsFullPrecisionAndUnits)
{
    RunKeys("1 Divide 3 Equals 2 Feet Add 6 Inches Equals");
    EXPECT_EQ(TapeCsv(), "operation,operand 1,unit 1,operand 2,unit 2,result,unit,result 2,unit 2,result 3,unit 3\n"
                         "÷,1,,3,,0.3333333333333333,,,,,\n"
                         "+,2,feet,6,inches,2.5,feet,,,,\n");
}

} // namespace

namespace {

// Reads and performs a key script; the notice of the last step not done.
std::string RunScript(const char* script)
{
    std::vector<KeyAction> actions;
    std::string bad, notice;
    EXPECT_TRUE(ReadKeyScript(script, actions, bad)) << bad;
    for (const KeyAction& action : actions) {
        const std::string said = PerformKeyAction(action);
        notice = said.empty() ? notice : said;
    }
    return notice;
}

} // namespace

// A line's result goes into X with its label as a typed number: RPN lifts,
// algebraic input replaces the entry, an integer base takes it into its
// word; one undo step takes it back.
TEST_F(TapeTest, RecallPutsALineResultIntoX)
{
    struct Case {
        int input; // 0 simple, 1 precedence, 2 RPN
        const char* script;
        double x, y;
        uint16_t label;
        double undone;
    };
    const Case cases[] = {
        {2, "2 Enter 3 Add 10 Enter 4 Multiply TapeRecall=2", 5, 40, 0, 40},
        {2, "2 Enter 3 Add 10 Enter 4 Multiply 7 TapeRecall=1", 40, 7, 0, 7},
        {0, "2 Add 3 Equals 7 TapeRecall=1", 5, 5, 0, 7},
        {0, "2 Add 3 Equals 10 Multiply TapeRecall=1 Equals", 50, 5, 0, 5},
        {1, "4 Multiply 5 Equals 1 Add TapeRecall=1 Equals", 21, 20, 0, 20},
        {0, "2 Feet Add 6 Inches Equals 5 TapeRecall=1", 2.5, 2.5, LabelFeet, 5},
        // The hexadecimal key made X 0 in the word.
        {0, "1 Divide 4 Equals Function=programmer Hexadecimal TapeRecall=1", 0, 0, LabelS32, 0},
    };
    for (const Case& c : cases) {
        ResetCalculator();
        Prefs.setRpnInput(c.input == 2);
        Prefs.setPrecedenceInput(c.input == 1);
        EXPECT_EQ(RunScript(c.script), "") << c.script;
        EXPECT_EQ(X(), c.x) << c.script;
        EXPECT_EQ(Y(), c.y) << c.script;
        EXPECT_EQ(UnPrefs.stackLabel[0], c.label) << c.script;
        PerformUndo();
        EXPECT_EQ(X(), c.undone) << c.script;
    }
    ResetCalculator();
    EXPECT_EQ(RunScript("7 Add 1 Equals TapeRecall=2"), "no tape line 2 back");
    EXPECT_EQ(X(), 8);
}

// Every number of the CSV as its shortest round-trip digits, written out
// without an exponent, large and small alike.
TEST_F(TapeTest, CsvNumbersHaveOneForm)
{
    RunScript("1e-20 Add 1e21 Equals");
    EXPECT_EQ(TapeCsv().substr(TapeCsv().find('\n') + 1),
              "+,0.00000000000000000001,,1000000000000000000000,,1000000000000000000000,,,,,\n");
}
