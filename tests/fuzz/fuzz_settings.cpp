// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the settings file: loading, a few keys, saving and
// loading again must give byte-identical records and state beside them and
// the same tape lines, whatever the loaded statistics companions hold they
// cannot spoil statistics started afresh, and nothing may crash.  Whatever
// the file held, the save must succeed, unless the file system itself
// refuses, and leave a file that reads back cleanly.
#include "core/State.h"
#include "engine/BesideState.h"
#include "engine/Calculator.h"
#include "engine/Clearing.h"
#include "engine/Reset.h"
#include "engine/Statistics.h"
#include "engine/TapeText.h"
#include "engine/Undo.h"
#include "storage/Preferences.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Records {
    PrefsRecord prefs;
    RegsRecord regs;
    UnPrefsRecord unPrefs;
    KeyboardTableRecord keyboard;
    ColorTable colors;
    BesideRecord beside;
};

Records Take()
{
    Records r;
    std::memcpy(&r.prefs, &Prefs, sizeof Prefs);
    std::memcpy(&r.regs, &Regs, sizeof Regs);
    std::memcpy(&r.unPrefs, &UnPrefs, sizeof UnPrefs);
    std::memcpy(&r.keyboard, &KeyboardTable, sizeof KeyboardTable);
    std::memcpy(&r.colors, &Colors, sizeof Colors);
    std::memcpy(&r.beside, &Beside, sizeof Beside);
    return r;
}

// Cleared sums and three points far from zero: s must come out exactly 1,
// as on a first start, whatever state the file left.
bool FreshStatisticsAreExact()
{
    UnPrefs.setFunction(FunctionStatistical);
    UnPrefs.registerPrefix = KeyNone;
    UnPrefs.registerOperator = KeyNone;
    ClearStatRegs();
    for (double x : {100000001.0, 100000002.0, 100000003.0}) {
        UnPrefs.stack[0] = x;
        StatisticsOperation(KeySigmaPlus);
    }
    StatisticsOperation(KeyStdDev);
    return double(UnPrefs.stack[0]) == 1.0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A new file name each time, so that no cached copy of an earlier file
    // can stand in for this one.
    static unsigned counter = 0;
    // In memory where the system offers it: each save syncs to the disk,
    // which on a disk would take most of the time.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/tovrin-fuzz-XXXXXX")
                                                                          : QDir::tempPath() + "/tovrin-fuzz-XXXXXX");
    QString path = folder.filePath(QString("tovrin-fuzz-%1.conf").arg(counter++));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ResetCalculator();
    SettingsDamage damage;
    GetPreferences(path, &damage);
    if (!damage.copy.isEmpty())
        QFile::remove(damage.copy);
    InitializeUndo();
    for (KeyOp key : {KeyDigit4, KeyDigit2, KeyAdd, KeyDigit1, KeyEquals, KeyStore, KeyDigit0, KeyDigit3,
                      KeySigmaPlus, KeyMemoryAdd})
        HandleButton(key);
    bool saved = SavePreferences(path);
    Records first = Take();
    // The lines and the CSV rows of whatever the tape loaded.
    const std::vector<std::string> firstLines = TapeLines();
    TapeCsv();
    ResetCalculator();
    SettingsDamage reread;
    GetPreferences(path, &reread);
    Records second = Take();
    QFile::remove(path);
    if (!saved) {
        // Only a file system that refuses a new file excuses a failed save.
        QFile probe(path);
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            std::fprintf(stderr, "the save failed although the folder takes new files\n");
            std::abort();
        }
        return 0;
    }
    if (reread.damaged) {
        std::fprintf(stderr, "the saved file does not read back cleanly\n");
        std::abort();
    }
    if (std::memcmp(&first, &second, sizeof first) != 0) {
        std::fprintf(stderr, "records changed across a save and a load\n");
        std::abort();
    }
    if (TapeLines() != firstLines) {
        std::fprintf(stderr, "tape changed across a save and a load\n");
        std::abort();
    }
    if (!FreshStatisticsAreExact()) {
        std::fprintf(stderr, "loaded state spoiled fresh statistics\n");
        std::abort();
    }
    return 0;
}
