// SPDX-License-Identifier: GPL-3.0-or-later
// Two-variable statistics: sums, means, deviations and the regression line.
#include "TestSupport.h"
#include "TypeNumber.h"

#include "engine/BesideState.h"
#include "engine/Clearing.h"
#include "engine/Stack.h"
#include "engine/Undo.h"
#include "format/Strings.h"

#include <cmath>
#include <iterator>
#include <string>

namespace {

class StatisticsTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Prefs.setRpnInput(true);
    }
    // y ENTER x SigmaPlus, as typed in RPN.
    void Add(int y, int x, KeyOp key = KeySigmaPlus)
    {
        Press({KeyDigit0 + y, KeyEnter, KeyDigit0 + x, key});
    }
    void Line()
    {
        Add(2, 1);
        Add(4, 2);
        Add(6, 3);
    }
    uint16_t LabelOf(int level) { return UnPrefs.stackLabel[level]; }
};

double Reg(int r) { return Regs.registers[r]; }

TEST_F(StatisticsTest, SumsOfAPerfectLine)
{
    Line();
    EXPECT_EQ(X(), 3);
    EXPECT_EQ(LabelOf(0), LabelN);
    const double sums[] = {6, 14, 12, 56, 28, 3};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(Reg(RegSumX + k), sums[k]) << k;
        Press({KeyRecallSumX + k});
        EXPECT_EQ(X(), sums[k]);
        EXPECT_EQ(LabelOf(0), k == 5 ? LabelN : LabelSumX + k);
    }
    EXPECT_FALSE(UnPrefs.entering());
}

TEST_F(StatisticsTest, MeansEstimatesAndDeviations)
{
    Line();
    Press({KeyMeanX});
    EXPECT_EQ(X(), 2);
    EXPECT_EQ(LabelOf(0), LabelMeanX);
    Press({KeyMeanY});
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(LabelOf(0), LabelMeanY);
    Press({KeyWeightedMean});
    EXPECT_NEAR(X(), 28.0 / 12, 1e-15);
    EXPECT_EQ(LabelOf(0), LabelMeanXW);

    Press({KeyDigit4, KeyEstimateY});
    EXPECT_EQ(X(), 8);
    EXPECT_EQ(LabelOf(0), LabelEstY);
    EXPECT_EQ(Y(), 2);
    EXPECT_EQ(LabelOf(1), LabelM);
    EXPECT_EQ(UnPrefs.lastX, 4);

    Press({KeyDigit8, KeyEstimateX});
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(LabelOf(0), LabelEstX);
    EXPECT_EQ(Y(), 1);
    EXPECT_EQ(LabelOf(1), LabelR);

    Press({KeyStdDev});
    EXPECT_EQ(X(), 1);
    EXPECT_EQ(Y(), 2);
    EXPECT_EQ(LabelOf(0), LabelSX);
    EXPECT_EQ(LabelOf(1), LabelSY);
    Press({KeyPopStdDev});
    EXPECT_NEAR(X(), std::sqrt(2.0 / 3), 1e-15);
    EXPECT_NEAR(Y(), std::sqrt(8.0 / 3), 1e-15);
    EXPECT_EQ(LabelOf(0), LabelPopSX);
}

TEST_F(StatisticsTest, DeviationsPushTwoLevels)
{
    Line();
    SetStack({7, 8, 0, 0});
    UnPrefs.setLiftEnabled(true);
    Press({KeyStdDev});
    EXPECT_EQ(Level(2), 7);
    EXPECT_EQ(Level(3), 8);
}

TEST_F(StatisticsTest, OnePointHasNoSampleDeviation)
{
    Add(2, 1);
    Press({KeyStdDev});
    EXPECT_TRUE(std::isnan(X()));
    EXPECT_TRUE(std::isnan(Y()));
    Press({KeyPopStdDev});
    EXPECT_EQ(X(), 0);
    EXPECT_EQ(Y(), 0);
}

TEST_F(StatisticsTest, EmptySumsGiveErrors)
{
    Press({KeyMeanX});
    EXPECT_TRUE(std::isnan(X()));
    Press({KeyWeightedMean});
    EXPECT_TRUE(std::isnan(X()));
    Add(3, 3);
    Add(3, 3);
    Press({KeyDigit1, KeyEstimateY});
    EXPECT_FALSE(std::isfinite(X())) << "all x equal: no line";
}

TEST_F(StatisticsTest, RemovingAPointRestoresTheSums)
{
    Add(2, 1);
    Add(4, 3);
    double before[6];
    for (int k = 0; k < 6; ++k)
        before[k] = Reg(RegSumX + k);
    Add(7, 5);
    Add(7, 5, KeySigmaMinus);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(Reg(RegSumX + k), before[k]) << k;
    EXPECT_EQ(X(), 2);
    EXPECT_EQ(Y(), 7) << "Y is unchanged";
}

TEST_F(StatisticsTest, SigmaPlusDisablesLiftAndSavesLastX)
{
    Add(2, 1);
    EXPECT_EQ(UnPrefs.lastX, 1);
    EXPECT_FALSE(UnPrefs.liftEnabled());
    Press({KeyDigit9});
    EXPECT_EQ(X(), 9);
    EXPECT_EQ(Y(), 2);
}

TEST_F(StatisticsTest, SigmaPlusRemovesTheEnterMarkerInAlgebraicModes)
{
    Prefs.setRpnInput(false);
    Add(2, 1);
    EXPECT_EQ(int(UnPrefs.opCount), 0);
    EXPECT_EQ(Reg(RegSumY), 2);
}

TEST_F(StatisticsTest, RecallSigmaPlusShowsBothSums)
{
    Add(2, 1);
    Add(4, 3);
    UnPrefs.setLiftEnabled(true);
    Press({KeyRecall, KeySigmaPlus});
    EXPECT_EQ(X(), 4);
    EXPECT_EQ(Y(), 6);
    EXPECT_EQ(LabelOf(0), LabelSumX);
    EXPECT_EQ(LabelOf(1), LabelSumY);
    EXPECT_EQ(Level(2), 2) << "the count moved up two levels";
}

TEST_F(StatisticsTest, ClearStatisticsClearsSumsAndStack)
{
    Add(2, 1);
    Press({KeyClearStatistics, KeyRecallSumX});
    EXPECT_EQ(X(), 0);
    EXPECT_EQ(Reg(RegCount), 0);
}

// Data far from zero compared with their spread, where the one-pass
// formulas on the sums cancel, give their results from the companions (the
// certified cases run through the driver: tools/test_statistics_accuracy).

// x Σ+ (or Σ−) for each value, Y as it stands.
void Points(std::initializer_list<const char*> xs, int key = KeySigmaPlus)
{
    for (const char* x : xs) {
        Type(x);
        Press({key});
    }
}

TEST_F(StatisticsTest, DataThatDoNotVaryHaveNoDeviation)
{
    // Constant data left by removing the first point: a rounding remainder
    // of either sign must not show as a deviation or an error.
    for (const char* value : {"0.1", "0.7"}) {
        ResetCalculator();
        Prefs.setRpnInput(true);
        Points({"1", value, value, value, value, value, value, value});
        Points({"1"}, KeySigmaMinus);
        Press({KeyStdDev});
        EXPECT_EQ(X(), 0) << value;
    }
}

TEST_F(StatisticsTest, RegistersThatDifferFromTheCompanionsFallBackToTheSums)
{
    // NumAcc3 from a state file without the companions: the sums alone.
    Points({"1000000.2"});
    for (int i = 0; i < 500; ++i)
        Points({"1000000.1", "1000000.3"});
    ResetShiftedSums();
    Press({KeyStdDev});
    EXPECT_NEAR(X(), 0.107238052948, 1e-12) << "the one-pass formula on the sums";
    const ShiftedSumsRecord cleared = Beside.statistics;
    Points({"7"});
    Points({"7"}, KeySigmaMinus);
    EXPECT_EQ(HexImage(Beside.statistics), HexImage(cleared)) << "Σ+ and Σ− leave them unused";

    // Cleared sums start them again; then one register changed by hand is
    // enough to fall back.
    Press({KeyClearStatistics});
    Points({"100000001", "100000002", "100000003"});
    Press({KeyStdDev});
    EXPECT_EQ(X(), 1);
    Regs.registers[RegSumX2] = std::nextafter(double(Regs.registers[RegSumX2]), 0.0);
    Press({KeyStdDev});
    EXPECT_NE(X(), 1);
}

TEST_F(StatisticsTest, UndoAndRedoCarryTheCompanions)
{
    InitializeUndo();
    Points({"100000001", "100000002", "100000003"});
    const ShiftedSumsRecord three = Beside.statistics;
    Points({"100000009"});
    const ShiftedSumsRecord four = Beside.statistics;
    PerformUndo();
    EXPECT_EQ(HexImage(Beside.statistics), HexImage(three));
    PerformRedo();
    EXPECT_EQ(HexImage(Beside.statistics), HexImage(four));
}

TEST_F(StatisticsTest, EverythingThatClearsTheSumsClearsTheCompanions)
{
    void (*const clearing[])() = {
        ClearStatRegs, ClearUserRegs, ClearAll, ResetCalculator,
        [] { Press({KeyClearStatistics}); }, [] { Press({KeyClearRegisters}); }, [] { Press({KeyClearAll}); },
    };
    const std::string zero = HexImage(ShiftedSumsRecord{});
    for (unsigned i = 0; i < std::size(clearing); ++i) {
        Points({"5", "7"});
        clearing[i]();
        EXPECT_EQ(HexImage(Beside.statistics), zero) << i;
    }
    Points({"5", "7"});
    ClearFinancialRegs();
    EXPECT_NE(HexImage(Beside.statistics), zero);
}

TEST_F(StatisticsTest, SumsKeptInIntegerWordsLeaveTheCompanionsUnused)
{
    UnPrefs.setFunction(FunctionProgrammer);
    UnPrefs.registerOperator = int(KeyAdd);
    Points({"5"});
    EXPECT_EQ(double(Regs.registers[RegSumX]), 5);
    EXPECT_FALSE(ShiftedSumsMatch());
}

} // namespace
