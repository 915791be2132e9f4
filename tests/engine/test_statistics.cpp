// Two-variable statistics: sums, means, deviations and the regression line.
#include "TestSupport.h"

#include "engine/Stack.h"
#include "format/Strings.h"

#include <cmath>

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

} // namespace
