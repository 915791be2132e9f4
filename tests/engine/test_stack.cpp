// SPDX-License-Identifier: GPL-3.0-or-later
// Stack operations at the RPN depths and in the algebraic modes.
#include "TestSupport.h"

#include "engine/Stack.h"

namespace {

class StackTest : public EngineTest {
protected:
    // Levels 0..n-1 hold 1, 2, 3, ...
    void Number(int n)
    {
        for (int i = 0; i < n; ++i)
            UnPrefs.stack[i] = i + 1;
    }
    std::vector<double> Levels(int n)
    {
        std::vector<double> v;
        for (int i = 0; i < n; ++i)
            v.push_back(UnPrefs.stack[i]);
        return v;
    }
};

TEST_F(StackTest, DepthFourInRpn)
{
    Prefs.setRpnInput(true);
    Number(6);
    LiftStack();
    EXPECT_EQ(Levels(6), (std::vector<double>{1, 1, 2, 3, 5, 6}));
    Number(6);
    DropStack();
    EXPECT_EQ(Levels(6), (std::vector<double>{2, 3, 4, 4, 5, 6}));
    Number(4);
    RotateStackDown();
    EXPECT_EQ(Levels(4), (std::vector<double>{2, 3, 4, 1}));
    Number(4);
    RotateStackUp();
    EXPECT_EQ(Levels(4), (std::vector<double>{4, 1, 2, 3}));
}

TEST_F(StackTest, DepthTwentyInRpnAndAlgebraic)
{
    for (bool rpn : {true, false}) {
        Prefs.setRpnInput(rpn);
        Prefs.stackSize = 20;
        Number(20);
        LiftStack();
        EXPECT_EQ(Level(19), 19);
        EXPECT_EQ(Level(1), 1);
        Number(20);
        DropStack();
        EXPECT_EQ(Level(18), 20);
        EXPECT_EQ(Level(19), 20);
    }
}

TEST_F(StackTest, AlgebraicModesUseTwentyLevelsButRotationsTheRpnSize)
{
    Prefs.stackSize = 8;
    Number(20);
    LiftStack();
    EXPECT_EQ(Level(19), 19);
    Number(20);
    RotateStackUp();
    EXPECT_EQ(Levels(9), (std::vector<double>{8, 1, 2, 3, 4, 5, 6, 7, 9}));
}

TEST_F(StackTest, FillAndSwapCarryLabels)
{
    Prefs.setRpnInput(true);
    Number(4);
    UnPrefs.stackLabel[0] = 1901;
    UnPrefs.stackLabelIndex[0] = 3;
    FillStack();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Level(i), 1);
        EXPECT_EQ(int(UnPrefs.stackLabel[i]), 1901);
        EXPECT_EQ(int(UnPrefs.stackLabelIndex[i]), 3);
    }
    StoreY(7);
    SwapXY();
    EXPECT_EQ(X(), 7);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), 0);
    EXPECT_EQ(int(UnPrefs.stackLabel[1]), 1901);
    EXPECT_EQ(int(UnPrefs.stackLabelIndex[1]), 3);
}

TEST_F(StackTest, StoreXClearsLabelAndIndexLabelXKeepsIndex)
{
    UnPrefs.stackLabel[0] = 1419;
    UnPrefs.stackLabelIndex[0] = 4;
    StoreX(2);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), 0);
    EXPECT_EQ(int(UnPrefs.stackLabelIndex[0]), 0xFFFF);
    UnPrefs.stackLabelIndex[0] = 4;
    LabelX(1420);
    EXPECT_EQ(int(UnPrefs.stackLabelIndex[0]), 4);
}

TEST_F(StackTest, LastXKeepsValueAndLabel)
{
    StoreX(3);
    LabelX(1903);
    StoreLastX();
    StoreX(9);
    RestoreLastX();
    EXPECT_EQ(X(), 3);
    EXPECT_EQ(int(UnPrefs.stackLabel[0]), 1903);
}

TEST_F(StackTest, ClearStackEmptiesEverything)
{
    Number(20);
    UnPrefs.stackLabel[5] = 1901;
    UnPrefs.opCount = 3;
    UnPrefs.registerPrefix = KeyStore;
    UnPrefs.formatPrefix = KeyFormatFixed;
    UnPrefs.lastOperator = KeyAdd;
    UnPrefs.setHyperbolic(true);
    UnPrefs.setEntering(true);
    UnPrefs.setLiftEnabled(true);
    ClearStack();
    for (int i = 0; i < StackLevels; ++i) {
        EXPECT_EQ(Level(i), 0);
        EXPECT_EQ(int(UnPrefs.stackLabel[i]), 0);
    }
    EXPECT_EQ(int(UnPrefs.opCount), 0);
    EXPECT_EQ(int(UnPrefs.registerPrefix), 255);
    EXPECT_EQ(int(UnPrefs.formatPrefix), 255);
    EXPECT_EQ(int(UnPrefs.lastOperator), 255);
    EXPECT_FALSE(UnPrefs.hyperbolic());
    // Entry and lift state are left alone.
    EXPECT_TRUE(UnPrefs.entering());
    EXPECT_TRUE(UnPrefs.liftEnabled());
}

TEST_F(StackTest, CorruptStackSizeStaysWithinTheLevels)
{
    Prefs.setRpnInput(true);
    Prefs.stackSize = 500;
    Number(20);
    RotateStackUp();
    EXPECT_EQ(X(), 20);
    Prefs.stackSize = 0;
    RotateStackDown();
    EXPECT_EQ(X(), 20);
}

} // namespace
