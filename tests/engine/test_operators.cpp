// SPDX-License-Identifier: GPL-3.0-or-later
// Two-operand operations: precedence, parentheses, operator replacement,
// ENTER markers, repeated equals, RPN and the full operator stack.
#include "TestSupport.h"
#include "TypeNumber.h"

#include "engine/Operators.h"
#include "engine/Programmer.h"
#include "engine/Reset.h"
#include "engine/Stack.h"
#include "format/Strings.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using OperatorTest = EngineTest;

enum Mode { Simple, Precedence, Rpn };

void SetMode(Mode mode)
{
    Prefs.setRpnInput(mode == Rpn);
    Prefs.setPrecedenceInput(mode == Precedence);
}

// Runs a key sequence whose tokens are numbers or key codes.
struct Token {
    Token(const char* n) : number(n) {}
    Token(KeyOp k) : key(k) {}
    const char* number = nullptr;
    KeyOp key = KeyNone;
};

void Keys(std::initializer_list<Token> tokens)
{
    for (const Token& t : tokens) {
        if (t.number)
            Type(t.number);
        else
            Press({t.key});
    }
}

struct Case {
    const char* name;
    Mode mode;
    std::vector<Token> tokens;
    double x;
};

TEST_F(OperatorTest, EvaluationInTheThreeModes)
{
    const Case cases[] = {
        {"precedence 2+3*4=", Precedence, {"2", KeyAdd, "3", KeyMultiply, "4", KeyEquals}, 14},
        {"simple 2+3*4=", Simple, {"2", KeyAdd, "3", KeyMultiply, "4", KeyEquals}, 20},
        {"precedence 2*3-1=", Precedence, {"2", KeyMultiply, "3", KeySubtract, "1", KeyEquals}, 5},
        {"precedence 2+3^2=", Precedence, {"2", KeyAdd, "3", KeyPower, "2", KeyEquals}, 25},
        {"precedence 1+2*3*4=", Precedence,
         {"1", KeyAdd, "2", KeyMultiply, "3", KeyMultiply, "4", KeyEquals}, 25},
        {"precedence 1-6/3+4=", Precedence,
         {"1", KeySubtract, "6", KeyDivide, "3", KeyAdd, "4", KeyEquals}, 3},
        {"precedence 2*3+4*5=", Precedence,
         {"2", KeyMultiply, "3", KeyAdd, "4", KeyMultiply, "5", KeyEquals}, 26},
        {"precedence 2*(3+4)=", Precedence,
         {"2", KeyMultiply, KeyOpenParen, "3", KeyAdd, "4", KeyCloseParen, KeyEquals}, 14},
        {"simple 2*(3+4)=", Simple,
         {"2", KeyMultiply, KeyOpenParen, "3", KeyAdd, "4", KeyCloseParen, KeyEquals}, 14},
        {"simple ((1+2)*(3+4))=", Simple,
         {KeyOpenParen, KeyOpenParen, "1", KeyAdd, "2", KeyCloseParen, KeyMultiply, KeyOpenParen, "3",
          KeyAdd, "4", KeyCloseParen, KeyCloseParen, KeyEquals}, 21},
        {"precedence 2*(3+4*5)-1=", Precedence,
         {"2", KeyMultiply, KeyOpenParen, "3", KeyAdd, "4", KeyMultiply, "5", KeyCloseParen,
          KeySubtract, "1", KeyEquals}, 45},
        {"parenthesis left open, equals closes it", Simple,
         {"2", KeyMultiply, KeyOpenParen, "3", KeyAdd, "4", KeyEquals}, 14},
        {"simple 2+*3=", Simple, {"2", KeyAdd, KeyMultiply, "3", KeyEquals}, 6},
        {"precedence 2+*3=", Precedence, {"2", KeyAdd, KeyMultiply, "3", KeyEquals}, 6},
        {"precedence 1+2*+3=", Precedence,
         {"1", KeyAdd, "2", KeyMultiply, KeyAdd, "3", KeyEquals}, 6},
        {"precedence 1+*2=", Precedence, {"1", KeyAdd, KeyMultiply, "2", KeyEquals}, 2},
        {"simple 3 ENTER 4 +", Simple, {"3", KeyEnter, "4", KeyAdd}, 7},
        {"precedence 3 ENTER 4 *", Precedence, {"3", KeyEnter, "4", KeyMultiply}, 12},
        {"simple 2+3===", Simple, {"2", KeyAdd, "3", KeyEquals, KeyEquals, KeyEquals}, 11},
        {"simple 10-3==", Simple, {"10", KeySubtract, "3", KeyEquals, KeyEquals}, 4},
        {"repeat after a parenthesis", Simple,
         {KeyOpenParen, "3", KeyAdd, "4", KeyEquals, KeyEquals}, 11},
        {"open parenthesis after a result", Simple,
         {"2", KeyAdd, "3", KeyEquals, KeyOpenParen, KeyMultiply, "2", KeyEquals}, 10},
        {"subtraction drops rounding noise", Simple,
         {"0.3", KeySubtract, "0.1", KeySubtract, "0.2", KeyEquals}, 0},
        {"rpn 3 ENTER 4 -", Rpn, {"3", KeyEnter, "4", KeySubtract}, -1},
        {"rpn 50 ENTER 60 %chg", Rpn, {"50", KeyEnter, "60", KeyPercentChange}, 20},
        {"rpn 5 ENTER 2 nCr", Rpn, {"5", KeyEnter, "2", KeyCombinations}, 10},
        {"rpn 5 ENTER 2 nPr", Rpn, {"5", KeyEnter, "2", KeyPermutations}, 20},
        {"rpn 27 ENTER 3 root", Rpn, {"27", KeyEnter, "3", KeyRoot}, 3},
        {"rpn 10 ENTER 3 mod", Rpn, {"10", KeyEnter, "3", KeyModulo}, 1},
        {"rpn 2 ENTER 10 pow", Rpn, {"2", KeyEnter, "10", KeyPower}, 1024},
        {"simple 200 %tot 50 =", Simple, {"200", KeyPercentTotal, "50", KeyEquals}, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetCalculator();
        SetMode(c.mode);
        for (const Token& t : c.tokens)
            Keys({t});
        EXPECT_DOUBLE_EQ(X(), c.x);
        if (c.mode != Rpn && std::string(c.name).find("ENTER") == std::string::npos) {
            EXPECT_EQ(int(UnPrefs.opCount), 0);
        }
    }
}

TEST_F(OperatorTest, ReplacementKeepsLiftDisabled)
{
    SetMode(Precedence);
    Keys({"1", KeyAdd, "2", KeyMultiply, KeyAdd});
    EXPECT_EQ(int(UnPrefs.opCount), 2); // + and the replacing +
    EXPECT_EQ(PeekOp(), KeyAdd);
    EXPECT_TRUE(UnPrefs.operatorPending());
    EXPECT_FALSE(UnPrefs.liftEnabled());
    EXPECT_EQ(X(), 2);
    EXPECT_EQ(Y(), 2);
    Keys({"3"});
    EXPECT_EQ(Y(), 2); // the typed number replaced X
}

TEST_F(OperatorTest, EqualsStopsAtAnEnterMarker)
{
    Keys({"3", KeyEnter, "4", KeyEquals});
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(Y(), 3);
    EXPECT_EQ(PeekOp(), KeyEnter);
    EXPECT_EQ(int(UnPrefs.opCount), 1);
    // A close parenthesis leaves the marker alone too; an operator uses it.
    Press({KeyCloseParen});
    EXPECT_EQ(int(UnPrefs.opCount), 1);
    Press({KeySubtract});
    EXPECT_EQ(X(), -1);
    EXPECT_EQ(int(UnPrefs.opCount), 0);
}

TEST_F(OperatorTest, PercentInRpnKeepsY)
{
    SetMode(Rpn);
    Keys({"200", KeyEnter, "50", KeyPercentTotal});
    EXPECT_EQ(X(), 25);
    EXPECT_EQ(Y(), 200);
    ResetCalculator();
    SetMode(Rpn);
    Keys({"50", KeyEnter, "60", KeyPercentChange});
    EXPECT_EQ(Y(), 50);
}

TEST_F(OperatorTest, LastXHoldsTheRightOperand)
{
    for (KeyOp op : {KeyAdd, KeySubtract, KeyMultiply, KeyDivide, KeyPower, KeyModulo, KeyRoot,
                     KeyPercentTotal, KeyCombinations}) {
        SCOPED_TRACE(op);
        ResetCalculator();
        SetMode(Rpn);
        Keys({"9", KeyEnter, "2", op});
        EXPECT_EQ(double(UnPrefs.lastX), 2);
    }
    ResetCalculator();
    SetMode(Rpn);
    Keys({"7", KeyEnter, "3", KeySubtract, KeyLastX});
    EXPECT_EQ(X(), 3);
    EXPECT_EQ(Y(), 4);
}

TEST_F(OperatorTest, ErrorsTravelAsValues)
{
    SetMode(Rpn);
    Keys({"1", KeyEnter, "0", KeyDivide});
    EXPECT_TRUE(std::isinf(X()));
    Keys({"2.5", KeyEnter, "1", KeyCombinations});
    EXPECT_TRUE(std::isnan(X()));
    Keys({"1", KeyChangeSign, KeyEnter, "1", KeyPermutations});
    EXPECT_TRUE(std::isnan(X()));
}

TEST_F(OperatorTest, OnlyOperatorCodesArePerformed)
{
    SetStack({4, 3});
    EXPECT_FALSE(PerformBinaryOperation(KeyOpenParen));
    EXPECT_FALSE(PerformBinaryOperation(KeyEnter));
    EXPECT_FALSE(PerformBinaryOperation(KeyEquals));
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(double(UnPrefs.lastX), 0);
    UnPrefs.setOperatorPending(true);
    EXPECT_FALSE(HandleBinaryOperator(KeySquareRoot));
    EXPECT_FALSE(UnPrefs.operatorPending());
}

TEST_F(OperatorTest, EmptyOperatorStack)
{
    EXPECT_EQ(PeekOp(), KeyNone);
    EXPECT_EQ(PopOp(), KeyNone);
    EXPECT_EQ(int(UnPrefs.opCount), 0);
    PerformPendingOperation(false, false);
    PerformPendingOperation(false, true);
    PerformPendingOperation(true, false);
    EXPECT_EQ(int(UnPrefs.opCount), 0);
}

// Fills the operator stack with `key`, then types 1, an operator, 2 and
// equals: the stack never grows past its 40 entries and nothing is written
// beyond them.
void FullStackRun(Mode mode, KeyOp filler)
{
    ResetCalculator();
    SetMode(mode);
    UnPrefs.lastOperator = 0x5A5A5A5A; // the field after the operator stack
    // A parenthesis opens only while lift is disabled, as after clearing X.
    if (filler == KeyOpenParen)
        Press({KeyClearX});
    else
        Keys({"5"});
    for (int i = 0; i < 50; ++i) {
        bool accepted = HandleButton(filler);
        // A refused parenthesis leaves lift enabled, and the next one then
        // does nothing by rule; neither writes past the stack.
        if (i < OpStackSize || filler == KeyEnter) {
            EXPECT_EQ(accepted, i < OpStackSize) << i;
        }
        ASSERT_LE(int(UnPrefs.opCount), OpStackSize);
    }
    EXPECT_EQ(int(UnPrefs.lastOperator), 0x5A5A5A5A);
}

TEST_F(OperatorTest, FullStackOfParentheses)
{
    for (Mode mode : {Simple, Precedence}) {
        SCOPED_TRACE(mode);
        FullStackRun(mode, KeyOpenParen);
        // An operator would need a forty-first entry: refused, nothing changed.
        Keys({"1"});
        UnPrefsRecord before = UnPrefs;
        EXPECT_FALSE(HandleBinaryOperator(KeyAdd));
        EXPECT_EQ(HexImage(UnPrefs), HexImage(before));
        EXPECT_FALSE(HandleButton(KeyMultiply));
        EXPECT_EQ(int(UnPrefs.opCount), OpStackSize);
        EXPECT_EQ(X(), 1);
        // Closing a parenthesis makes room again.
        Press({KeyCloseParen, KeyAdd});
        EXPECT_EQ(int(UnPrefs.opCount), OpStackSize);
        EXPECT_EQ(PeekOp(), KeyAdd);
        Keys({"2"});
        if (mode == Simple) {
            // The pending addition is performed, so the product fits.
            EXPECT_TRUE(HandleButton(KeyMultiply));
            Keys({"3"});
        } else {
            // Deferring the product would need a forty-first entry.
            EXPECT_FALSE(HandleButton(KeyMultiply));
            EXPECT_EQ(X(), 2);
        }
        EXPECT_EQ(int(UnPrefs.opCount), OpStackSize);
        Press({KeyEquals});
        EXPECT_EQ(int(UnPrefs.opCount), 0);
        EXPECT_EQ(X(), mode == Simple ? 9 : 3);
    }
}

TEST_F(OperatorTest, FullStackOfEnterMarkers)
{
    for (Mode mode : {Simple, Precedence}) {
        SCOPED_TRACE(mode);
        FullStackRun(mode, KeyEnter);
        // An operator on an ENTER marker acts at once and removes the marker.
        Keys({"3", KeyAdd});
        EXPECT_EQ(X(), 8);
        EXPECT_EQ(int(UnPrefs.opCount), OpStackSize - 1);
        // Now the marker has room again and can be pushed once more.
        EXPECT_TRUE(HandleButton(KeyEnter));
        EXPECT_FALSE(HandleButton(KeyEnter));
        EXPECT_EQ(int(UnPrefs.opCount), OpStackSize);
    }
}

TEST_F(OperatorTest, OperatorOnTopOfAFullStackPerformsAndReplacesItself)
{
    for (Mode mode : {Simple, Precedence}) {
        SCOPED_TRACE(mode);
        ResetCalculator();
        SetMode(mode);
        for (int i = 0; i < OpStackSize - 1; ++i)
            Press({KeyOpenParen});
        Keys({"1", KeyAdd, "2"});
        ASSERT_EQ(int(UnPrefs.opCount), OpStackSize);
        // The addition is performed first, so its replacement fits.
        EXPECT_TRUE(HandleButton(KeySubtract));
        EXPECT_EQ(int(UnPrefs.opCount), OpStackSize);
        EXPECT_EQ(X(), 3);
        Keys({"1", KeyEquals});
        EXPECT_EQ(X(), 2);
        EXPECT_EQ(int(UnPrefs.opCount), 0);
    }
}

} // namespace

namespace {

// Integer arithmetic comes with the integer words; until then skip.
TEST_F(OperatorTest, IntegerFunctionsUseTheWord)
{
    UnPrefs.setFunction(FunctionProgrammer);
    Prefs.setIntegerSize(0); // u8
    Keys({"200", KeyAdd, "100", KeyEquals});
    EXPECT_EQ(X(), 44);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), LabelU8);
    Keys({"7", KeyDivide, "2", KeyEquals});
    EXPECT_EQ(X(), 3);
    // Units play no part in integer arithmetic.
    Keys({"2", KeyFeet, KeyMultiply, "3", KeyFeet, KeyEquals});
    EXPECT_EQ(X(), 6);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), LabelU8);
    // Shifts take the word of the left operand.
    SetMode(Rpn);
    SetStack({2, 1});
    UnPrefs.stackLabel[1] = LabelU16;
    Press({KeyShiftLeft});
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), LabelU16);
    SetStack({12, 10});
    Press({KeyAnd});
    EXPECT_EQ(X(), 8);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), LabelU8);
}

} // namespace
