// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: ten steps in a fixed pool shared by three lists.  Every
// scenario ends by checking that each record is on exactly one list.
#include "TestSupport.h"
#include "TypeNumber.h"

#include "engine/Undo.h"

#include <cstdlib>
#include <new>

// Counts the allocations of the whole test program, to show that keys,
// undo and redo allocate nothing.
namespace {
unsigned long Allocations = 0;
}

void* operator new(std::size_t size)
{
    ++Allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

class UndoTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Prefs.setRpnInput(true);
        InitializeUndo();
    }
    void TearDown() override { EXPECT_TRUE(UndoListsConsistent()); }

    static void ExpectLists(unsigned free, unsigned undo, unsigned redo)
    {
        UndoListCounts counts = CountUndoLists();
        EXPECT_EQ(counts.free, free);
        EXPECT_EQ(counts.undo, undo);
        EXPECT_EQ(counts.redo, redo);
        EXPECT_TRUE(UndoListsConsistent());
        EXPECT_EQ(UndoAvailable(), undo > 0);
        EXPECT_EQ(RedoAvailable(), redo > 0);
    }

    // Eleven state-changing keys: 1 ENTER 2 ENTER ... 5 ENTER 6.
    static void ElevenSteps()
    {
        Press({KeyDigit1, KeyEnter, KeyDigit2, KeyEnter, KeyDigit3, KeyEnter, KeyDigit4, KeyEnter,
               KeyDigit5, KeyEnter, KeyDigit6});
    }
};

TEST_F(UndoTest, StartsEmpty)
{
    ExpectLists(UndoPoolSize, 0, 0);
    PerformUndo();
    PerformRedo();
    ExpectLists(UndoPoolSize, 0, 0);
}

TEST_F(UndoTest, TenStepsAreKept)
{
    ElevenSteps();
    ExpectLists(0, 10, 0);
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(UndoAvailable()) << i;
        PerformUndo();
        EXPECT_TRUE(UndoListsConsistent());
    }
    ExpectLists(0, 0, 10);
    // Back to the typed 1, entry still open: the oldest step is given up.
    EXPECT_EQ(X(), 1);
    EXPECT_TRUE(UnPrefs.entering());
    UnPrefsRecord before = UnPrefs;
    PerformUndo(); // the eleventh does nothing
    EXPECT_EQ(HexImage(UnPrefs), HexImage(before));
    ExpectLists(0, 0, 10);
}

TEST_F(UndoTest, UndoThenRedoRestoresExactly)
{
    Type("5");
    Press({KeyEnter});
    Type("3");
    Press({KeyAdd});
    Regs.memory = 9.5; // registers are part of a step too
    RegsRecord regsAfter = Regs;
    Press({KeyChangeSign});
    UnPrefsRecord unPrefsAfter = UnPrefs;
    regsAfter = Regs;
    PerformUndo();
    EXPECT_EQ(X(), 8);
    PerformRedo();
    EXPECT_EQ(HexImage(UnPrefs), HexImage(unPrefsAfter));
    EXPECT_EQ(HexImage(Regs), HexImage(regsAfter));
    ExpectLists(UndoPoolSize - 5, 5, 0);
}

TEST_F(UndoTest, UndoRestoresRegisters)
{
    // A key that stores into a register, as the register keys do.
    RegsRecord before = Regs;
    SaveSnapshot();
    Regs.registers[7] = 4.0;
    Regs.registerLabel[7] = 1901;
    SaveUndo();
    ExpectLists(UndoPoolSize - 1, 1, 0);
    PerformUndo();
    EXPECT_EQ(HexImage(Regs), HexImage(before));
    PerformRedo();
    EXPECT_EQ(double(Regs.registers[7]), 4.0);
}

TEST_F(UndoTest, ANewKeyAfterUndoDiscardsTheRedoHistory)
{
    Type("1");
    Press({KeyEnter});
    Type("2");
    Press({KeyAdd});
    ExpectLists(UndoPoolSize - 4, 4, 0);
    PerformUndo();
    PerformUndo();
    ExpectLists(UndoPoolSize - 4, 2, 2);
    Type("9");
    ExpectLists(UndoPoolSize - 3, 3, 0);
    PerformRedo(); // nothing to redo
    EXPECT_EQ(X(), 9);
}

TEST_F(UndoTest, TenUndosThenANewKeyRecordsNothing)
{
    ElevenSteps();
    for (int i = 0; i < 10; ++i)
        PerformUndo();
    ExpectLists(0, 0, 10);
    Press({KeyEnter});
    ExpectLists(UndoPoolSize, 0, 0);
}

TEST_F(UndoTest, NineUndosThenANewKeyRecyclesTheLastStep)
{
    ElevenSteps();
    for (int i = 0; i < 9; ++i)
        PerformUndo();
    ExpectLists(0, 1, 9);
    Press({KeyClearX});
    ExpectLists(9, 1, 0);
    // The one step left is the new key's.
    EXPECT_EQ(X(), 0);
    PerformUndo();
    EXPECT_EQ(X(), 1);
    ExpectLists(9, 0, 1);
}

TEST_F(UndoTest, TheOldestStepsAreRecycledAgainAndAgain)
{
    for (int i = 0; i < 35; ++i) {
        Press({i % 2 ? KeyEnter : KeyDigit1 + i % 9});
        EXPECT_TRUE(UndoListsConsistent());
    }
    ExpectLists(0, 10, 0);
    for (int i = 0; i < 4; ++i)
        PerformUndo();
    for (int i = 0; i < 2; ++i)
        PerformRedo();
    ExpectLists(0, 8, 2);
    // The free list is empty, so the oldest step makes room; the two redo
    // steps become free.
    Press({KeyClearX});
    ExpectLists(2, 8, 0);
}

TEST_F(UndoTest, ShiftAloneIsNoStep)
{
    // The shift flag alone is no change, whichever way it differs.
    UnPrefs.setShift(true);
    EXPECT_FALSE(UndoChanged());
    UnPrefs.setShift(false);
    SaveSnapshot();
    UnPrefs.setShift(true);
    EXPECT_FALSE(UndoChanged());
    EXPECT_TRUE(UnPrefs.shift()); // the live flag is left as it was
    UnPrefs.setShift(false);

    Type("4");
    Press({KeyEnter});
    UndoListCounts before = CountUndoLists();
    Press({KeyShift});
    EXPECT_TRUE(UnPrefs.shift());
    Press({KeyShift});
    EXPECT_EQ(CountUndoLists().undo, before.undo);
}

TEST_F(UndoTest, ChangesAreJudgedAgainstTheNewestStep)
{
    // With no step recorded, a key that changes nothing makes none.
    Press({KeyNoOp});
    ExpectLists(UndoPoolSize, 0, 0);
    Type("4");
    Press({KeyEnter, KeyChangeSign});
    ExpectLists(UndoPoolSize - 3, 3, 0);
    // The live state differs from the newest step (taken before the sign
    // change), so even a key that changes nothing is recorded.
    Press({KeyNoOp});
    ExpectLists(UndoPoolSize - 4, 4, 0);
    PerformUndo();
    EXPECT_EQ(X(), -4);
    ExpectLists(UndoPoolSize - 4, 3, 1);
}

TEST_F(UndoTest, PreferencesAreNotUndone)
{
    Prefs.setRpnInput(false);
    Press({KeyDigit2, KeyDivide, KeyDigit3, KeyEquals});
    double result = X();
    Press({KeyFormatFixed, KeyDigit2});
    EXPECT_EQ(Prefs.displayFormat(), unsigned(FormatFixed));
    PerformUndo();
    EXPECT_EQ(Prefs.displayFormat(), unsigned(FormatFixed));
    EXPECT_EQ(Prefs.digits(), 3u);
    EXPECT_EQ(X(), result);
}

TEST_F(UndoTest, APrefixAndItsDigitAreOneStep)
{
    Type("2");
    Press({KeyEnter});
    UndoListCounts before = CountUndoLists();
    Press({KeyFormatFixed});
    EXPECT_EQ(CountUndoLists().undo, before.undo);
}

TEST_F(UndoTest, KeysUndoAndRedoAllocateNothing)
{
    unsigned long before = Allocations;
    ElevenSteps();
    for (int i = 0; i < 5; ++i)
        PerformUndo();
    for (int i = 0; i < 3; ++i)
        PerformRedo();
    Press({KeyEnter, KeyAdd, KeyDigit7, KeyMultiply});
    InitializeUndo(); // the pool exists already
    unsigned long after = Allocations;
    EXPECT_EQ(after, before);
}

} // namespace
