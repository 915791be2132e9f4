// SPDX-License-Identifier: GPL-3.0-or-later
// tovrin-keys: presses keys on the calculator engine, headless, and prints
// the stack as the display shows it.  For scripts and tests.

#include "Arguments.h"
#include "StackText.h"

#include "core/State.h"
#include "engine/Reset.h"
#include "engine/Tape.h"
#include "engine/TapeText.h"
#include "engine/Undo.h"

#include <cstdio>

#ifdef TOVRIN_WITH_STORAGE
#include "platform/InstanceLock.h"
#include "storage/Preferences.h"

#include <QString>

#include <memory>
#endif

#ifndef TOVRIN_VERSION
#define TOVRIN_VERSION "0"
#endif

namespace {

// The state of a first start with an empty settings file, or the state
// saved in the state file, then the options.
void StartCalculator(const Options& options)
{
    ResetCalculator();
#ifdef TOVRIN_WITH_STORAGE
    if (!options.stateFile.empty()) {
        SettingsDamage damage;
        GetPreferences(QString::fromStdString(options.stateFile), &damage);
        if (damage.damaged && !damage.copy.isEmpty())
            std::fprintf(stderr, "tovrin-keys: %s could not be read cleanly; what could be read was loaded, "
                                 "and the file as it was is kept as %s\n",
                         options.stateFile.c_str(), qPrintable(damage.copy));
        else if (damage.damaged)
            std::fprintf(stderr, "tovrin-keys: %s could not be read cleanly; what could be read was loaded\n",
                         options.stateFile.c_str());
    }
#endif
    if (options.input >= 0) {
        Prefs.setRpnInput(options.input == 2);
        Prefs.setPrecedenceInput(options.input == 1);
    }
    if (options.function >= 0)
        UnPrefs.setFunction(unsigned(options.function));
    if (options.stackSize > 0)
        Prefs.stackSize = uint16_t(options.stackSize);
    if (options.word >= 0)
        Prefs.setIntegerSize(unsigned(options.word));
    if (options.format >= 0)
        Prefs.setDisplayFormat(unsigned(options.format));
    if (options.digits >= 0)
        Prefs.setDigits(unsigned(options.digits));
    if (options.registers > 0)
        Prefs.setHundredRegisters(options.registers == 100);
    if (options.comma)
        Prefs.setCommaRadix(true);
    if (options.sticky)
        Prefs.setStickyShift(true);
    // Undo starts from the state as loaded and set.
    InitializeUndo();
}

void Perform(const KeyAction& action)
{
    const std::string notice = PerformKeyAction(action);
    if (!notice.empty())
        std::fprintf(stderr, "tovrin-keys: %s\n", notice.c_str());
}

void PrintStack(int levels)
{
    for (int level = levels - 1; level >= 0; --level) {
        std::string label, text;
        LevelText(level, label, text);
        std::printf("%s\t%s\t%s\n", LevelName(level).c_str(), label.c_str(), text.c_str());
    }
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    std::vector<KeyAction> actions;
    std::string error;
    if (!ParseArguments(argc, argv, options, actions, error)) {
        std::fprintf(stderr, "tovrin-keys: %s\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText(), stdout);
        return 0;
    }
    if (options.version) {
        std::puts("tovrin-keys " TOVRIN_VERSION);
        return 0;
    }
#ifndef TOVRIN_WITH_STORAGE
    if (!options.stateFile.empty()) {
        std::fputs("tovrin-keys: --state needs a build with the settings storage\n", stderr);
        return 2;
    }
#else
    // A file that a running calculator holds would be overwritten by it at
    // its exit, and its own changes by ours: leave it alone.
    std::unique_ptr<InstanceLock> lock;
    if (!options.stateFile.empty())
        lock = std::make_unique<InstanceLock>(QString::fromStdString(options.stateFile));
    if (lock && !lock->tryLock()) {
        std::fprintf(stderr, "tovrin-keys: %s is in use by a running Tovrin; nothing was changed\n",
                     options.stateFile.c_str());
        return 1;
    }
#endif
    StartCalculator(options);
    for (const KeyAction& action : actions)
        Perform(action);
    PrintStack(options.levels);
    if (options.tape)
        for (const std::string& line : TapeLines())
            std::printf("TAPE\t%s\n", line.c_str());
#ifdef TOVRIN_WITH_STORAGE
    // Saved as a normal exit saves; a failed save must not pass unnoticed.
    if (!options.stateFile.empty() && !SavePreferences(QString::fromStdString(options.stateFile))) {
        std::fprintf(stderr, "tovrin-keys: could not save the state to %s\n", options.stateFile.c_str());
        return 1;
    }
#endif
    return 0;
}
