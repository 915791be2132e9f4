// Two-variable statistics: sums, means, deviations and the regression line.
#include "TestSupport.h"
#include "TypeNumber.h"

#include "engine/BesideState.h"
#include "engine/Clearing.h"
#include "engine/Stack.h"
#include "engine/Undo.h"
#include "format/Strings.h"

#include <cmath>
#include <string>
#include <vector>

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
// formulas on the sums cancel: the results come from the companions.

struct Point {
    std::string x, y;
    bool remove = false;
};
using Data = std::vector<Point>;

Data Xs(std::initializer_list<const char*> xs)
{
    Data data;
    for (const char* x : xs)
        data.push_back({x, "0"});
    return data;
}

// NIST's NumAcc sets: the first value, then 500 pairs of values.
Data NumAcc(const char* first, const char* a, const char* b)
{
    Data data = Xs({first});
    for (int i = 0; i < 500; ++i) {
        data.push_back({a, "0"});
        data.push_back({b, "0"});
    }
    return data;
}

// y = 3 + 2·(x - 1.7e9) at twenty Unix timestamps.
Data Timestamps()
{
    Data data;
    for (int i = 0; i < 20; ++i)
        data.push_back({std::to_string(1700000000 + i), std::to_string(3 + 2 * i)});
    return data;
}

// A constant data set left after removing its first point.
Data ConstantAfterRemoval(const char* value, int count)
{
    Data data = Xs({"1"});
    for (int i = 0; i < count; ++i)
        data.push_back({value, "0"});
    data.push_back({"1", "0", true});
    return data;
}

void Enter(const Data& data)
{
    for (const Point& p : data) {
        Type(p.y.c_str());
        Press({KeyEnter});
        Type(p.x.c_str());
        Press({p.remove ? KeySigmaMinus : KeySigmaPlus});
    }
}

// Significant decimal digits of `got` that agree with `want`.
double CorrectDigits(double got, double want)
{
    if (got == want)
        return 99;
    if (want == 0 || !std::isfinite(got))
        return 0;
    return -std::log10(std::fabs(got - want) / std::fabs(want));
}

TEST_F(StatisticsTest, CancellingDataGiveTheCertifiedResults)
{
    struct Case {
        const char* name;
        Data data;
        const char* given; // typed before the key, or none
        int key;
        int level;
        double want;
        double digits;
    };
    const Case cases[] = {
        {"s of 100000001..3", Xs({"100000001", "100000002", "100000003"}), nullptr, KeyStdDev, 0, 1, 11},
        {"NumAcc1 s", Xs({"10000001", "10000003", "10000002"}), nullptr, KeyStdDev, 0, 1, 11},
        {"NumAcc1 mean", Xs({"10000001", "10000003", "10000002"}), nullptr, KeyMeanX, 0, 10000002, 11},
        {"NumAcc3 s", NumAcc("1000000.2", "1000000.1", "1000000.3"), nullptr, KeyStdDev, 0, 0.1, 9},
        {"NumAcc4 s", NumAcc("10000000.2", "10000000.1", "10000000.3"), nullptr, KeyStdDev, 0, 0.1, 8},
        {"NumAcc4 pop s", NumAcc("10000000.2", "10000000.1", "10000000.3"), nullptr, KeyPopStdDev, 0,
         0.1 * std::sqrt(1000.0 / 1001), 8},
        {"timestamps m", Timestamps(), "1700000010", KeyEstimateY, 1, 2, 11},
        {"timestamps est y", Timestamps(), "1700000010", KeyEstimateY, 0, 23, 11},
        {"timestamps r", Timestamps(), "23", KeyEstimateX, 1, 1, 11},
        {"timestamps est x", Timestamps(), "23", KeyEstimateX, 0, 1700000010, 11},
        {"timestamps mean x", Timestamps(), nullptr, KeyMeanX, 0, 1700000009.5, 11},
        {"timestamps s y", Timestamps(), nullptr, KeyStdDev, 1, std::sqrt(2660.0 / 19), 11},
        // Sums that do not cancel stay right to the last digit shown.
        {"pop s of 2 4 4 4 5 5 7 9", Xs({"2", "4", "4", "4", "5", "5", "7", "9"}), nullptr, KeyPopStdDev, 0, 2, 12},
        // No deviation where the data do not vary, not a rounding remainder
        // (or an error for a negative one).
        {"constant 0.1 after removal", ConstantAfterRemoval("0.1", 5), nullptr, KeyStdDev, 0, 0, 99},
        {"constant 0.7 after removal", ConstantAfterRemoval("0.7", 7), nullptr, KeyStdDev, 0, 0, 99},
    };
    for (const Case& c : cases) {
        ResetCalculator();
        Prefs.setRpnInput(true);
        Enter(c.data);
        if (c.given)
            Type(c.given);
        Press({c.key});
        const double got = Level(c.level);
        EXPECT_GE(CorrectDigits(got, c.want), c.digits) << c.name << ": " << got;
    }
}

TEST_F(StatisticsTest, RegistersThatDifferFromTheCompanionsFallBackToTheSums)
{
    // A state file without the companions: the sums alone, as before them.
    Enter(NumAcc("1000000.2", "1000000.1", "1000000.3"));
    ResetShiftedSums();
    Press({KeyStdDev});
    EXPECT_NEAR(X(), 0.107238052948, 1e-12) << "the one-pass formula on the sums";
    const ShiftedSumsRecord cleared = Beside.statistics;
    Enter(Xs({"1000000.2"}));
    Press({KeyDigit1, KeyEnter, KeyDigit1, KeySigmaMinus});
    EXPECT_EQ(HexImage(Beside.statistics), HexImage(cleared)) << "Σ+ and Σ− leave them unused";

    // One register changed by hand is enough.
    ResetCalculator();
    Prefs.setRpnInput(true);
    Enter(Xs({"100000001", "100000002", "100000003"}));
    Regs.registers[RegSumX2] = std::nextafter(double(Regs.registers[RegSumX2]), 0.0);
    Press({KeyStdDev});
    EXPECT_NE(X(), 1);

    // Cleared sums start them again.
    Press({KeyClearStatistics});
    Enter(Xs({"100000001", "100000002", "100000003"}));
    Press({KeyStdDev});
    EXPECT_EQ(X(), 1);
}

TEST_F(StatisticsTest, UndoAndRedoCarryTheCompanions)
{
    InitializeUndo();
    Enter(Xs({"100000001", "100000002", "100000003"}));
    const ShiftedSumsRecord three = Beside.statistics;
    Enter(Xs({"100000009"}));
    const ShiftedSumsRecord four = Beside.statistics;
    PerformUndo();
    EXPECT_EQ(HexImage(Beside.statistics), HexImage(three));
    PerformRedo();
    EXPECT_EQ(HexImage(Beside.statistics), HexImage(four));
    PerformUndo();
    Press({KeyStdDev});
    EXPECT_EQ(X(), 1);
}

TEST_F(StatisticsTest, EverythingThatClearsTheSumsClearsTheCompanions)
{
    struct Case {
        const char* name;
        void (*clear)();
        bool clears;
    };
    const Case cases[] = {
        {"ClearStatRegs", ClearStatRegs, true},
        {"ClearUserRegs", ClearUserRegs, true},
        {"ClearAll", ClearAll, true},
        {"ResetCalculator", ResetCalculator, true},
        {"Clear statistics", [] { Press({KeyClearStatistics}); }, true},
        {"Clear registers", [] { Press({KeyClearRegisters}); }, true},
        {"Clear all", [] { Press({KeyClearAll}); }, true},
        {"ClearFinancialRegs", ClearFinancialRegs, false},
    };
    const std::string zero = HexImage(ShiftedSumsRecord{});
    for (const Case& c : cases) {
        ResetCalculator();
        Prefs.setRpnInput(true);
        Enter(Xs({"5", "7"}));
        c.clear();
        EXPECT_EQ(HexImage(Beside.statistics) == zero, c.clears) << c.name;
    }
}

TEST_F(StatisticsTest, SumsKeptInIntegerWordsLeaveTheCompanionsUnused)
{
    UnPrefs.setFunction(FunctionProgrammer);
    UnPrefs.registerOperator = int(KeyAdd);
    Press({KeyDigit5, KeySigmaPlus});
    EXPECT_EQ(double(Regs.registers[RegSumX]), 5);
    EXPECT_FALSE(ShiftedSumsMatch());
}

} // namespace
