// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics points kept beside the sums: Σ+, Σ−, the window's edits,
// undo and redo, clearing, the limit and the settings group, against the
// expected list, the sums and whether they agree.
#include "TestSupport.h"

#include "engine/BesideState.h"
#include "engine/KeyScript.h"
#include "engine/Points.h"
#include "engine/StatisticsData.h"
#include "engine/Undo.h"

#include <cmath>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using List = std::vector<DataPoint>;
constexpr auto Match = PointsAgreement::Match;
constexpr auto Differ = PointsAgreement::Differ;
constexpr auto Incomplete = PointsAgreement::Incomplete;

struct Case {
    const char* keys;
    List points;
    PointsAgreement agreement;
};

// y ENTER x Σ+ in RPN input.
#define THREE "2 Enter 1 SigmaPlus 4 Enter 2 SigmaPlus 6 Enter 3 SigmaPlus "

const Case Cases[] = {
    {"2 Enter 1 SigmaPlus 4 Enter 2 SigmaPlus", {{1, 2}, {2, 4}}, Match},
    // Σ− takes the last equal point, the first entered too.
    {"2 Enter 1 SigmaPlus 4 Enter 2 SigmaPlus 2 Enter 1 SigmaMinus", {{2, 4}}, Match},
    {"2 Enter 1 SigmaPlus 5 Enter 5 SigmaPlus 2 Enter 1 SigmaPlus 2 Enter 1 SigmaMinus", {{1, 2}, {5, 5}}, Match},
    // A point that was never entered: the sums no longer are the list's.
    {"2 Enter 1 SigmaPlus 9 Enter 9 SigmaMinus", {{1, 2}}, Differ},
    {"2 Enter 1 SigmaPlus 9 Enter 9 SigmaMinus RebuildSums", {{1, 2}}, Match},
    {"2 Enter 1 SigmaPlus 9 Enter 9 SigmaMinus RebuildSums Undo", {{1, 2}}, Differ},
    // Rounding of the sums is no difference, even after a large point went.
    {"0.1 Enter 0.1 SigmaPlus 0.2 Enter 0.2 SigmaPlus 0.7 Enter 0.7 SigmaPlus 0.1 Enter 0.1 SigmaMinus",
     {{0.2, 0.2}, {0.7, 0.7}}, Match},
    {"0.001 SigmaPlus 1e6 SigmaPlus 1e6 SigmaMinus", {{0.001, 0}}, Match},
    {"0.1 SigmaPlus 0.2 SigmaPlus 0.1 SigmaMinus 0.2 SigmaMinus", {}, Match},
    // Undo and redo, also of several steps and of a step that removed.
    {"2 Enter 1 SigmaPlus 4 Enter 2 SigmaPlus Undo", {{1, 2}}, Match},
    {"2 Enter 1 SigmaPlus 4 Enter 2 SigmaPlus Undo Redo", {{1, 2}, {2, 4}}, Match},
    {"2 Enter 1 SigmaPlus 4 Enter 2 SigmaPlus 2 Enter 1 SigmaMinus Undo Undo Undo Undo Redo Redo Redo Redo",
     {{2, 4}}, Match},
    {"2 Enter 1 SigmaPlus Undo Undo 4 Enter 2 SigmaPlus", {{2, 4}}, Match},
    // The window's edits, each one step.
    {"2 Enter 1 SigmaPlus 4 Enter 2 SigmaPlus EditPoint=1:7:8", {{7, 8}, {2, 4}}, Match},
    {"2 Enter 1 SigmaPlus 4 Enter 2 SigmaPlus EditPoint=1:7:8 Undo", {{1, 2}, {2, 4}}, Match},
    {"2 Enter 1 SigmaPlus EditPoint=2:7:8", {{1, 2}}, Match},
    {"2 Enter 1 SigmaPlus EditPoint=1:7:x", {{1, 2}}, Match},
    {THREE "DeletePoints=3,1", {{2, 4}}, Match},
    {THREE "DeletePoints=3,1 Undo", {{1, 2}, {2, 4}, {3, 6}}, Match},
    {THREE "DeletePoints=2 Undo Redo", {{1, 2}, {3, 6}}, Match},
    {"PastePoints=x\\ty\\n1\\t2\\n3\\t4\\n", {{1, 2}, {3, 4}}, Match},
    {"PastePoints=1;2\\n3;4 Undo", {}, Match},
    {"PastePoints=5\\n6", {{5, 0}, {6, 0}}, Match},
    {"PastePoints=1\\t2\\n3\\tx", {}, Match},
    {"PastePoints=1\\t2\\t3", {}, Match},
    // Clearing with the sums, and the list cleared apart from them.
    {THREE "ClearStatistics", {}, Match},
    {THREE "ClearStatistics Undo", {{1, 2}, {2, 4}, {3, 6}}, Match},
    {THREE "ClearRegisters", {}, Match},
    {THREE "ClearAll", {}, Match},
    {THREE "ClearPointList", {}, Incomplete},
    {THREE "ClearPointList 5 Enter 5 SigmaPlus", {{5, 5}}, Incomplete},
    {THREE "ClearPointList RebuildSums", {}, Incomplete},
    {THREE "ClearPointList ClearStatistics", {}, Match},
};

struct Sums {
    double s[6];
};

Sums RegisterSums()
{
    Sums sums;
    for (int k = 0; k < 6; ++k)
        sums.s[k] = Regs.registers[RegSumX + k];
    return sums;
}

void Script(const std::string& script)
{
    std::vector<KeyAction> actions;
    std::string bad;
    ASSERT_TRUE(ReadKeyScript(script, actions, bad)) << bad;
    for (const KeyAction& action : actions)
        PerformKeyAction(action);
}

class PointsTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Prefs.setRpnInput(true);
        UnPrefs.setFunction(FunctionStatistical);
        InitializeUndo();
    }
};

TEST_F(PointsTest, KeysEditsAndUndoAgainstTheListAndTheSums)
{
    for (const Case& c : Cases) {
        SetUp();
        Script(c.keys);
        const List& list = StatisticsPoints();
        ASSERT_EQ(list.size(), c.points.size()) << c.keys;
        for (std::size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(list[i].x, c.points[i].x) << c.keys << " point " << i;
            EXPECT_EQ(list[i].y, c.points[i].y) << c.keys << " point " << i;
        }
        EXPECT_EQ(PointsAgree(), c.agreement) << c.keys;
        EXPECT_TRUE(UndoListsConsistent()) << c.keys;
    }
}

// An edit is Σ− of the old point and Σ+ of the new, to the last bit.
TEST_F(PointsTest, WindowEditsChangeTheSumsAsTheKeysDo)
{
    Script("0.3 Enter 0.1 SigmaPlus 2.5 Enter 1e9 SigmaPlus 0.3 Enter 0.1 SigmaMinus 7.7 Enter 0.7 SigmaPlus");
    const Sums keys = RegisterSums();
    SetUp();
    Script("0.3 Enter 0.1 SigmaPlus 2.5 Enter 1e9 SigmaPlus EditPoint=1:0.7:7.7");
    const Sums edit = RegisterSums();
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(edit.s[k], keys.s[k]) << k;
    EXPECT_EQ(X(), 2) << "the stack is left alone";
}

TEST_F(PointsTest, TheListHoldsTenThousandPointsAndThenOnlyTheSumsGrow)
{
    List many(PointsCapacity);
    for (std::size_t i = 0; i < many.size(); ++i)
        many[i] = {double(i), double(i % 97)};
    ASSERT_TRUE(AddPoints(many));
    EXPECT_EQ(PointsAgree(), Match);
    EXPECT_FALSE(AddPoints({{1, 1}})) << "no room for a pasted point";
    Script("3 Enter 4 SigmaPlus");
    EXPECT_EQ(Regs.registers[RegCount], double(PointsCapacity + 1));
    EXPECT_EQ(StatisticsPoints().size(), PointsCapacity);
    EXPECT_EQ(PointsAgree(), Incomplete);
    EXPECT_EQ(StatisticsPointsGap(), PointsPastLimit);
    EXPECT_FALSE(RebuildSumsFromPoints());
    Script("Undo");
    EXPECT_EQ(PointsAgree(), Match);
    Script("Undo Undo Undo Undo"); // 4, ENTER, 3, then the points
    EXPECT_TRUE(StatisticsPoints().empty());
    Script("Redo");
    EXPECT_EQ(StatisticsPoints().size(), PointsCapacity);
}

// The settings group: saved and read back bit for bit; damage keeps the
// points that can be read, and the list then says how it stands.
TEST_F(PointsTest, TheGroupReadsBackAndDamageKeepsWhatCanBeRead)
{
    Script(THREE "0.1 Enter -0.3 SigmaPlus 9 Enter 9 SigmaMinus");
    std::map<std::string, std::string> group;
    for (const BesideEntry& e : SavePoints())
        group[e.key] = e.value;
    const List saved = StatisticsPoints();
    auto load = [&group] {
        return LoadPoints([&group](const std::string& key, std::string& value) {
            if (!group.count(key))
                return false;
            value = group[key];
            return true;
        });
    };
    EXPECT_TRUE(load());
    ASSERT_EQ(StatisticsPoints().size(), saved.size());
    EXPECT_EQ(StatisticsPoints()[3].y, 0.1);
    EXPECT_EQ(PointsAgree(), Differ);

    std::string& points = group["points"]; // the third point's x damaged
    ASSERT_EQ(points, "1:2/2:4/3:6/-0.3:0.1");
    points.replace(points.find("/3:"), 3, "/G:");
    group["state"] = "00";
    EXPECT_FALSE(load());
    EXPECT_EQ(StatisticsPoints().size(), 2u) << "the points before the damage";
    EXPECT_EQ(PointsAgree(), Differ);

    group.clear();
    EXPECT_TRUE(load()) << "no group is no damage";
    EXPECT_TRUE(StatisticsPoints().empty());
    EXPECT_EQ(PointsAgree(), Incomplete) << "sums from before the list was kept";
}

// Every double comes back bit for bit: short decimals, which are read on a
// fast path, and any other bit pattern.
TEST_F(PointsTest, TheGroupKeepsEveryDoubleBitForBit)
{
    std::mt19937_64 random(31);
    List points;
    for (int i = 0; i < 4000; ++i) {
        const double decimal = double(int64_t(random() % 2000000000000000) - 1000000000000000) /
                               std::pow(10.0, double(random() % 18));
        uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isnan(any))
            any = 0.5;
        points.push_back({decimal, any});
    }
    points.push_back({-0.0, 5e-324});
    points.push_back({123456789012345.0, 0.000000000000001});
    ASSERT_TRUE(AddPoints(points));
    std::map<std::string, std::string> group;
    for (const BesideEntry& e : SavePoints())
        group[e.key] = e.value;
    ResetPoints();
    EXPECT_TRUE(LoadPoints([&group](const std::string& key, std::string& value) {
        value = group[key];
        return true;
    }));
    ASSERT_EQ(StatisticsPoints().size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(std::memcmp(&StatisticsPoints()[i], &points[i], sizeof(DataPoint)), 0)
            << i << ": " << points[i].x << " " << points[i].y;
    }
}

TEST_F(PointsTest, PastedCellsAreReadAsOnePasteAndRefusedByName)
{
    const struct {
        bool comma;
        const char* text;
        PointsRefusal refusal;
        std::size_t line, column;
    } cases[] = {
        {false, "1.5,2\n\"3\",4\r\n", PointsRefusal::None, 0, 0},
        {true, "1,5;2\n3;4", PointsRefusal::None, 0, 0},
        {true, "1,5\n3", PointsRefusal::None, 0, 0},
        {false, "x\ty\n1\t2\n3\tfour", PointsRefusal::Cell, 3, 2},
        {false, "1,5;2", PointsRefusal::Cell, 1, 1},
        {false, "", PointsRefusal::Cell, 0, 0},
        {false, "1\t2\t3", PointsRefusal::Columns, 1, 3},
    };
    for (const auto& c : cases) {
        Prefs.setCommaRadix(c.comma);
        const PastedPoints pasted = ReadPastedPoints(c.text);
        EXPECT_EQ(pasted.refusal, c.refusal) << c.text;
        EXPECT_EQ(pasted.table.line, c.line) << c.text;
        EXPECT_EQ(pasted.table.column, c.column) << c.text;
    }
    // A CSV file written is read back exactly, in either radix.
    for (bool comma : {false, true}) {
        SetUp();
        Prefs.setCommaRadix(comma);
        Script(THREE "0.1 Enter 3.000000000000001 SigmaPlus 1e-300 Enter -1e22 SigmaPlus");
        const List before = StatisticsPoints();
        const PastedPoints pasted = ReadPastedPoints(PointsCsv());
        ASSERT_EQ(pasted.points.size(), before.size()) << comma;
        for (std::size_t i = 0; i < before.size(); ++i)
            EXPECT_TRUE(pasted.points[i].x == before[i].x && pasted.points[i].y == before[i].y) << i;
    }
}

} // namespace
