// SPDX-License-Identifier: GPL-3.0-or-later
// The state records' memory images are their stored blocks: every field
// written by name must appear at its offset and bits.
#include "TestSupport.h"

#include "core/KeyOp.h"
#include "engine/Reset.h"
#include "engine/Undo.h"

#include <cctype>
#include <cstring>
#include <set>
#include <string>

namespace {

TEST(Records, DoublesAreStoredHighWordFirst)
{
    std::memset(&Regs, 0, sizeof Regs);
    Regs.registers[0] = 1.0;
    EXPECT_EQ(HexImage(Regs, 16, 8), "0000F03F00000000");
    Regs.memory = -2.5;
    EXPECT_EQ(HexImage(Regs, 4, 8), "000004C000000000");
    EXPECT_EQ(double(Regs.memory), -2.5);
    // A value whose low word is not zero keeps both words in order.
    Regs.registers[1] = 0.1; // 3FB999999999999A
    EXPECT_EQ(HexImage(Regs, 24, 8), "9999B93F9A999999");
    EXPECT_EQ(double(Regs.registers[1]), 0.1);
}

TEST(Records, IntegersAreLittleEndian)
{
    ResetPrefs();
    EXPECT_EQ(HexImage(Prefs, 0, 2), "0400");
    EXPECT_EQ(HexImage(Prefs, 4, 2), "0400");
    ResetKeyboardTable();
    EXPECT_EQ(HexImage(KeyboardTable, 0, 4), "FF000000");
    std::memset(&Regs, 0, sizeof Regs);
    Regs.lastRegister = -1;
    EXPECT_EQ(HexImage(Regs, 12, 2), "FFFF");
    Regs.cashFlowCount[99] = 0x01020304;
    EXPECT_EQ(HexImage(Regs, 1144 + 4 * 99, 4), "04030201");
}

struct BitCase {
    const char* name;
    void (*set)(unsigned);
    size_t byte;
    unsigned value;
    const char* image; // two bytes from `byte`
};

const BitCase PrefsBits[] = {
    {"rpnInput", [](unsigned v) { Prefs.setRpnInput(v); }, 2, 1, "0100"},
    {"commaRadix", [](unsigned v) { Prefs.setCommaRadix(v); }, 2, 1, "0200"},
    {"stickyShift", [](unsigned v) { Prefs.setStickyShift(v); }, 2, 1, "0400"},
    {"displayFormat", [](unsigned v) { Prefs.setDisplayFormat(v); }, 2, 3, "1800"},
    {"digits", [](unsigned v) { Prefs.setDigits(v); }, 2, 13, "A001"},
    {"angleMode", [](unsigned v) { Prefs.setAngleMode(v); }, 3, 2, "0400"},
    {"beginMode", [](unsigned v) { Prefs.setBeginMode(v); }, 3, 1, "0800"},
    {"precedenceInput", [](unsigned v) { Prefs.setPrecedenceInput(v); }, 3, 1, "2000"},
    {"quickSwitch", [](unsigned v) { Prefs.setQuickSwitch(v); }, 3, 1, "4000"},
    {"twoLineDisplay", [](unsigned v) { Prefs.setTwoLineDisplay(v); }, 3, 1, "8000"},
    {"hundredRegisters", [](unsigned v) { Prefs.setHundredRegisters(v); }, 12, 1, "0100"},
    {"leftTapAction", [](unsigned v) { Prefs.setLeftTapAction(v); }, 12, 7, "0E00"},
    {"integerSize", [](unsigned v) { Prefs.setIntegerSize(v); }, 12, 7, "7000"},
    {"centerTapAction", [](unsigned v) { Prefs.setCenterTapAction(v); }, 12, 7, "8003"},
    {"rightTapAction", [](unsigned v) { Prefs.setRightTapAction(v); }, 13, 7, "1C00"},
    {"userKeysInteger", [](unsigned v) { Prefs.setUserKeysInteger(v); }, 13, 1, "2000"},
    {"useSystemColors", [](unsigned v) { Prefs.setUseSystemColors(v); }, 13, 1, "4000"},
};

TEST(Records, PrefsBitFieldsSitAtTheirBits)
{
    for (const BitCase& c : PrefsBits) {
        SCOPED_TRACE(c.name);
        std::memset(&Prefs, 0, sizeof Prefs);
        c.set(c.value);
        EXPECT_EQ(HexImage(Prefs, c.byte, 2), c.image);
        // No other byte of the record changed.
        PrefsRecord zero;
        std::memset(&zero, 0, sizeof zero);
        EXPECT_EQ(HexImage(Prefs, 0, c.byte) + HexImage(Prefs, c.byte + 2, sizeof Prefs - c.byte - 2),
                  HexImage(zero, 0, c.byte) + HexImage(zero, c.byte + 2, sizeof zero - c.byte - 2));
    }
}

TEST(Records, SettingAFieldKeepsItsNeighbours)
{
    std::memset(&Prefs, 0xFF, sizeof Prefs);
    Prefs.setDigits(0);
    EXPECT_EQ(HexImage(Prefs, 2, 2), "1FFE");
    Prefs.setCenterTapAction(0);
    EXPECT_EQ(HexImage(Prefs, 12, 2), "7FFC");
    EXPECT_EQ(Prefs.leftTapAction(), 7u);
    EXPECT_EQ(Prefs.rightTapAction(), 7u);
}

TEST(Records, UnPrefsFieldsSitAtTheirBits)
{
    std::memset(&UnPrefs, 0, sizeof UnPrefs);
    UnPrefs.setFunction(6);
    UnPrefs.setBase(3);
    UnPrefs.setShift(true);
    EXPECT_EQ(HexImage(UnPrefs, 2, 1), "76");
    UnPrefs.setEntering(true);
    UnPrefs.setMarkupMode(true);
    EXPECT_EQ(HexImage(UnPrefs, 3, 1), "81");
    UnPrefs.setOperatorPending(true);
    UnPrefs.setRegisterGroup(9);
    EXPECT_EQ(HexImage(UnPrefs, 4, 1), "13");
    UnPrefs.stack[19] = 1.0;
    EXPECT_EQ(HexImage(UnPrefs, 56 + 8 * 19, 8), "0000F03F00000000");
    UnPrefs.registerPrefix = KeyStore;
    EXPECT_EQ(HexImage(UnPrefs, 300, 4), "2D000000");
    UnPrefs.randomSeed = -2;
    EXPECT_EQ(HexImage(UnPrefs, 524, 4), "FEFFFFFF");
}

TEST(Records, ResetsGiveTheFirstStartState)
{
    ResetPrefs();
    EXPECT_EQ(int(Prefs.version), 4);
    EXPECT_EQ(int(Prefs.stackSize), 4);
    EXPECT_EQ(Prefs.flags12, 0x5D);
    EXPECT_EQ(Prefs.flags13, 0x5B);
    EXPECT_TRUE(Prefs.hundredRegisters());
    EXPECT_EQ(Prefs.leftTapAction(), unsigned(TapNothing));
    EXPECT_EQ(Prefs.centerTapAction(), unsigned(TapNothing));
    EXPECT_EQ(Prefs.rightTapAction(), unsigned(TapNothing));
    EXPECT_EQ(Prefs.integerSize(), 5u);

    ResetRegs();
    EXPECT_EQ(double(Regs.registers[RegPaymentsPerYear]), 12.0);
    EXPECT_EQ(int(Regs.lastRegister), -1);
    for (int r = 0; r < RegisterCount; ++r)
        if (r != RegPaymentsPerYear) {
            EXPECT_EQ(double(Regs.registers[r]), 0.0) << r;
        }

    ResetUnPrefs();
    EXPECT_EQ(int(UnPrefs.version), 4);
    for (int i = 0; i < StackLevels; ++i)
        EXPECT_EQ(int(UnPrefs.stackLabelIndex[i]), 0xFFFF);
    EXPECT_EQ(int(UnPrefs.registerPrefix), 255);
    EXPECT_EQ(int(UnPrefs.formatPrefix), 255);
    EXPECT_EQ(int(UnPrefs.lastOperator), 255);
}

TEST(Records, ColorTableDefaultsAndComparison)
{
    ColorTable a, b;
    a.init();
    b.init();
    EXPECT_EQ(HexImage(a, 0, 8), "0000000066000000");
    b.entries[3].spare[0] = 7; // spare bytes do not take part
    EXPECT_TRUE(a == b);
    b.setColor(StandardBackground, 1, 2, 3);
    EXPECT_TRUE(a != b);
    EXPECT_EQ(ColorTable::getButtonText(StyleClear), ClearText);
    EXPECT_EQ(ColorTable::getButtonBackground(StyleNumber), NumberBackground);
}

TEST(KeyOps, EveryCodeHasOneNameThatRoundTrips)
{
    std::set<std::string> seen;
    int named = 0;
    for (int code = 0; code < 256; ++code) {
        const char* name = KeyOpName(code);
        const bool defined = code <= KeyFormatFixed || code == KeyNoOp || code == KeyNone;
        ASSERT_EQ(name != nullptr, defined) << code;
        if (!name)
            continue;
        ++named;
        EXPECT_EQ(KeyOpFromName(name), code) << name;
        std::string folded(name);
        for (char& c : folded)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert(folded).second) << "two codes are named " << name;
    }
    EXPECT_EQ(named, KeyOpCount);
    EXPECT_EQ(KeyOpCount, 187);
    EXPECT_EQ(KeyOpFromName("swapxy"), KeySwapXY);
    EXPECT_EQ(KeyOpFromName("Nothing"), -1);
}

TEST(Records, ResetCalculatorReturnsEverythingToAFirstStart)
{
    ResetCalculator();
    const std::string first = HexImage(Prefs) + HexImage(Regs) + HexImage(UnPrefs) +
                              HexImage(KeyboardTable) + HexImage(Colors);
    Press({KeyDigit4, KeyStore, KeyDigit0, KeyDigit1, KeyDigit2, KeyAdd});
    PerformUndo(); // one undo step and one redo step
    ASSERT_TRUE(UndoAvailable() && RedoAvailable());
    Prefs.setRpnInput(true);
    Colors.setColor(DisplayText, 1, 2, 3);
    KeyboardTable.keys[0] = KeySin;
    PrefsChanged = RegsChanged = ColorsChanged = KeyboardChanged = 1;

    ResetCalculator();
    EXPECT_EQ(HexImage(Prefs) + HexImage(Regs) + HexImage(UnPrefs) + HexImage(KeyboardTable) +
                  HexImage(Colors),
              first);
    EXPECT_EQ(PrefsChanged + RegsChanged + ColorsChanged + KeyboardChanged, 0);
    EXPECT_FALSE(UndoAvailable());
    EXPECT_FALSE(RedoAvailable());
    EXPECT_EQ(CountUndoLists().free, UndoPoolSize);
}

} // namespace
