// SPDX-License-Identifier: GPL-3.0-or-later
// A test fixture with a configuration folder of its own, so that the tests
// never read or write the user's settings, and helpers for raw entries.
#pragma once

#include "platform/Config.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

class StorageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        oldConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        file = dir.filePath(QStringLiteral("tovrin.conf"));
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", oldConfigHome); }

    // Stores raw text under a key of the test's settings file.
    void writeRaw(const char* group, const char* key, const QString& text)
    {
        Config config(file, Config::File);
        config.setGroup(QLatin1String(group));
        config.writeEntry(QLatin1String(key), text);
        ASSERT_TRUE(config.sync());
    }
    // The raw text under a key, a null string when absent.
    QString readRaw(const char* group, const char* key) const
    {
        Config config(file, Config::File);
        config.setGroup(QLatin1String(group));
        return config.readEntry(QLatin1String(key));
    }

    QTemporaryDir dir;
    QByteArray oldConfigHome;
    QString file;
};

// The upper-case hexadecimal text of bytes.
inline QString Hex(const void* data, unsigned size)
{
    return QString::fromLatin1(QByteArray(static_cast<const char*>(data), int(size)).toHex().toUpper());
}

// Fills bytes with a fixed pseudo-random pattern that covers every byte value.
inline void FillPattern(void* data, unsigned size, unsigned seed)
{
    auto* p = static_cast<uint8_t*>(data);
    uint32_t x = seed * 2654435761u + 1;
    for (unsigned i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        p[i] = uint8_t(i < 256 ? (i + seed) & 0xFF : x >> 24);
    }
}
