// Arbitrary bytes as the settings file: loading, a few keys, saving and
// loading again must give byte-identical records, and nothing may crash.
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/Reset.h"
#include "engine/Undo.h"
#include "storage/Preferences.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

struct Records {
    PrefsRecord prefs;
    RegsRecord regs;
    UnPrefsRecord unPrefs;
    KeyboardTableRecord keyboard;
    ColorTable colors;
};

Records Take()
{
    Records r;
    std::memcpy(&r.prefs, &Prefs, sizeof Prefs);
    std::memcpy(&r.regs, &Regs, sizeof Regs);
    std::memcpy(&r.unPrefs, &UnPrefs, sizeof UnPrefs);
    std::memcpy(&r.keyboard, &KeyboardTable, sizeof KeyboardTable);
    std::memcpy(&r.colors, &Colors, sizeof Colors);
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A new file name each time, so that no cached copy of an earlier file
    // can stand in for this one.
    static unsigned counter = 0;
    QString path = QDir::tempPath() + QString("/tovrin-fuzz-%1-%2.conf").arg(getpid()).arg(counter++);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ResetCalculator();
    GetPreferences(path);
    InitializeUndo();
    for (KeyOp key : {KeyDigit4, KeyDigit2, KeyAdd, KeyDigit1, KeyEquals, KeyStore, KeyDigit0, KeyDigit3,
                      KeySigmaPlus, KeyMemoryAdd})
        HandleButton(key);
    bool saved = SavePreferences(path);
    Records first = Take();
    ResetCalculator();
    GetPreferences(path);
    Records second = Take();
    QFile::remove(path);
    if (saved && std::memcmp(&first, &second, sizeof first) != 0) {
        std::fprintf(stderr, "records changed across a save and a load\n");
        std::abort();
    }
    return 0;
}
