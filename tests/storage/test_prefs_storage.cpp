// SPDX-License-Identifier: GPL-3.0-or-later
#include "StorageTest.h"

#include "core/State.h"
#include "storage/PrefsStorage.h"

#include <cstring>
#include <vector>

namespace {

using PrefsStorageTest = StorageTest;

struct Decoding {
    const char* text;
    unsigned capacity;
    std::vector<uint8_t> bytes;
};

} // namespace

TEST_F(PrefsStorageTest, WritesUpperCaseHexOfEveryByte)
{
    uint8_t bytes[PrefsSize];
    FillPattern(bytes, PrefsSize, 7);
    {
        PrefsStorage storage(file, Config::File);
        EXPECT_TRUE(storage.writeBlock(0, bytes, PrefsSize, true));
    }
    const QString text = readRaw("saved", "0");
    ASSERT_EQ(text.size(), 2 * int(PrefsSize));
    for (QChar c : text)
        EXPECT_TRUE((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')));
    EXPECT_TRUE(text.startsWith(QStringLiteral("0708090A0B0C0D0E0F10")));

    uint8_t back[PrefsSize] = {};
    unsigned size = PrefsSize;
    PrefsStorage storage(file, Config::File);
    EXPECT_TRUE(storage.readBlock(0, back, &size, true));
    EXPECT_EQ(size, PrefsSize);
    EXPECT_EQ(std::memcmp(bytes, back, PrefsSize), 0);
}

TEST_F(PrefsStorageTest, RoundTripsEveryRecordSize)
{
    const unsigned sizes[] = {PrefsSize, RegsSize, ColorTableSize, KeyboardTableSize};
    std::vector<std::vector<uint8_t>> written;
    {
        PrefsStorage storage(file, Config::File);
        for (int block = 0; block < 4; ++block) {
            written.emplace_back(sizes[block]);
            FillPattern(written.back().data(), sizes[block], unsigned(block) + 100);
            storage.writeBlock(block, written.back().data(), sizes[block], true);
        }
        written.emplace_back(UnPrefsSize);
        FillPattern(written.back().data(), UnPrefsSize, 200);
        storage.writeBlock(0, written.back().data(), UnPrefsSize, false);
    }
    PrefsStorage storage(file, Config::File);
    for (int block = 0; block < 5; ++block) {
        const bool saved = block < 4;
        std::vector<uint8_t> back(written[block].size());
        unsigned size = unsigned(back.size());
        ASSERT_TRUE(storage.readBlock(saved ? block : 0, back.data(), &size, saved));
        EXPECT_EQ(size, back.size());
        EXPECT_EQ(back, written[block]) << "block " << block;
    }
}

TEST_F(PrefsStorageTest, MissingKeyChangesNothing)
{
    writeRaw("unsaved", "0", QStringLiteral("0400"));
    uint8_t bytes[4] = {1, 2, 3, 4};
    unsigned size = 99;
    PrefsStorage storage(file, Config::File);
    EXPECT_FALSE(storage.readBlock(0, bytes, &size, true));
    EXPECT_FALSE(storage.readBlock(1, bytes, &size, false));
    EXPECT_EQ(size, 99u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[3], 4);
}

TEST_F(PrefsStorageTest, SameNumberInTheTwoGroupsIsTwoEntries)
{
    const uint8_t a[2] = {0xAA, 0x01}, b[2] = {0xBB, 0x02};
    {
        PrefsStorage storage(file, Config::File);
        storage.writeBlock(0, a, 2, true);
        storage.writeBlock(0, b, 2, false);
    }
    EXPECT_EQ(readRaw("saved", "0"), QStringLiteral("AA01"));
    EXPECT_EQ(readRaw("unsaved", "0"), QStringLiteral("BB02"));
}

TEST_F(PrefsStorageTest, DecodesTextAsTheFormatSays)
{
    const Decoding cases[] = {
        {"", 4, {}},
        {"0a0A", 4, {0x0A, 0x0A}},
        {"ff", 4, {0xFF}},
        {"0G", 4, {0x00}},
        {"G1zZ", 4, {0x01, 0x00}},
        {"F", 4, {0xF0}},
        {"123", 4, {0x12, 0x30}},
        {"0102030405", 2, {0x01, 0x02}},
        {"01 2", 4, {0x01, 0x02}},
        {"-1,5", 4, {0x01, 0x05}},
    };
    int n = 0;
    for (const Decoding& c : cases) {
        const QByteArray key = QByteArray::number(n++);
        writeRaw("saved", key.constData(), QLatin1String(c.text));
        uint8_t bytes[8];
        std::memset(bytes, 0xEE, sizeof bytes);
        unsigned size = c.capacity;
        PrefsStorage storage(file, Config::File);
        ASSERT_TRUE(storage.readBlock(key.toInt(), bytes, &size, true)) << c.text;
        ASSERT_EQ(size, c.bytes.size()) << c.text;
        EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + size), c.bytes) << c.text;
        EXPECT_EQ(bytes[size], 0xEE) << "byte after the decoded ones touched: " << c.text;
    }
}

TEST_F(PrefsStorageTest, NonLatinCharactersDecodeAsZero)
{
    writeRaw("saved", "0", QStringLiteral("\u00e91\u20ac2"));
    uint8_t bytes[2] = {0xEE, 0xEE};
    unsigned size = 2;
    PrefsStorage storage(file, Config::File);
    ASSERT_TRUE(storage.readBlock(0, bytes, &size, true));
    EXPECT_EQ(size, 2u);
    EXPECT_EQ(bytes[0], 0x01);
    EXPECT_EQ(bytes[1], 0x02);
}
