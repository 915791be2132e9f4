// SPDX-License-Identifier: GPL-3.0-or-later
// tovrin-keys: presses keys on the calculator engine, headless, and prints
// the stack as the display shows it.  For scripts and tests.

#include "Arguments.h"
#include "StackText.h"
#include "Views.h"

#include "core/State.h"
#include "engine/Points.h"
#include "engine/ProgrammerBase.h"
#include "engine/Reset.h"
#include "engine/Tape.h"
#include "engine/TapeText.h"
#include "engine/Undo.h"
#include "format/ValueText.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#ifdef TOVRIN_WITH_STORAGE
#include "platform/DurableFile.h"
#include "platform/InstanceLock.h"
#include "storage/Preferences.h"

#include <QString>

#include <memory>
#endif

#ifndef TOVRIN_VERSION
#define TOVRIN_VERSION "0"
#endif

namespace {

// The keys of a key file ("-" standard input), appended to `actions`.
// False with a message when the file cannot be read or a key is unknown.
bool ReadKeysFile(const std::string& file, std::vector<KeyAction>& actions, std::string& error)
{
    std::string script;
    if (file == "-") {
        script.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            error = "cannot read the key file " + file;
            return false;
        }
        script.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string bad;
    if (!ReadKeyScript(script, actions, bad)) {
        error = "unknown key '" + bad + "' in " + file;
        return false;
    }
    return true;
}

#ifdef TOVRIN_WITH_STORAGE
const char* KindName(FileKind kind)
{
    switch (kind) {
    case FileKind::Folder: return "a folder";
    case FileKind::Device: return "a device";
    case FileKind::Fifo: return "a FIFO";
    case FileKind::Socket: return "a socket";
    default: return "not a regular file";
    }
}

// Says that the state file is something other than a regular file.
void SayRefused(const std::string& file, FileKind kind)
{
    std::fprintf(stderr, "tovrin-keys: %s is %s, not a regular file; nothing was read or written\n", file.c_str(),
                 KindName(kind));
}

// Takes the lock of the state file; false, with a message, when another
// calculator holds it or it cannot be made.
bool LockStateFile(InstanceLock& lock, const char* file)
{
    switch (lock.lock()) {
    case InstanceLock::Locked:
        return true;
    case InstanceLock::HeldElsewhere:
        std::fprintf(stderr,
                     "tovrin-keys: %s is in use by Tovrin on the computer %s, or was when that stopped; if none "
                     "runs there, remove the lock file %s. Nothing was changed\n",
                     file, qPrintable(lock.holderHost()), qPrintable(lock.lockFileName()));
        return false;
    case InstanceLock::Unlockable:
        std::fprintf(stderr,
                     "tovrin-keys: the lock file %s cannot be made (a folder that cannot be written, or a full "
                     "disk); nothing was changed\n",
                     qPrintable(lock.lockFileName()));
        return false;
    default:
        std::fprintf(stderr, "tovrin-keys: %s is in use by a running Tovrin (lock file %s); nothing was changed\n",
                     file, qPrintable(lock.lockFileName()));
        return false;
    }
}

// Loads the state file; false, with a message, when it is refused.
bool LoadStateFile(const std::string& file)
{
    SettingsDamage damage;
    GetPreferences(QString::fromStdString(file), &damage);
    if (damage.refused()) {
        SayRefused(file, damage.kind);
        return false;
    }
    if (!damage.damaged)
        return true;
    const std::string groups =
        damage.groups.isEmpty() ? "" : " (damaged: " + damage.groups.join(QStringLiteral(", ")).toStdString() + ")";
    if (!damage.copy.isEmpty())
        std::fprintf(stderr, "tovrin-keys: %s could not be read cleanly%s; what could be read was loaded, "
                             "and the file as it was is kept as %s\n",
                     file.c_str(), groups.c_str(), qPrintable(damage.copy));
    else
        std::fprintf(stderr, "tovrin-keys: %s could not be read cleanly%s; what could be read was loaded, but "
                             "no copy of the file as it was could be kept, so it is left as it is\n",
                     file.c_str(), groups.c_str());
    return true;
}
#endif

// The state of a first start with an empty settings file, or the state
// saved in the state file, then the options.  False when the state file
// is refused.
bool StartCalculator(const Options& options)
{
    ResetCalculator();
#ifdef TOVRIN_WITH_STORAGE
    if (!options.stateFile.empty() && !LoadStateFile(options.stateFile))
        return false;
#endif
    if (options.input >= 0) {
        Prefs.setRpnInput(options.input == 2);
        Prefs.setPrecedenceInput(options.input == 1);
    }
    if (options.function >= 0)
        SelectFunction(unsigned(options.function));
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
    return true;
}

void Perform(const KeyAction& action)
{
    std::string copied;
    const std::string notice = PerformKeyAction(action, &copied);
    if (action.kind == KeyAction::Copy && notice.empty())
        std::printf("CLIPBOARD\t%s\n", copied.c_str());
    if (!notice.empty())
        std::fprintf(stderr, "tovrin-keys: %s\n", notice.c_str());
}

// The points as the display shows x and y, then whether they agree with
// the sums.
void PrintPoints()
{
    for (const DataPoint& p : StatisticsPoints()) {
        ValueTexts x, y;
        ValueText(p.x, 0, NoLabelIndex, x);
        ValueText(p.y, 0, NoLabelIndex, y);
        std::printf("POINT\t%s\t%s\n", x.number, y.number);
    }
    static const char* const agreement[] = {"match", "differ", "incomplete"};
    std::printf("POINTS\t%s\n", agreement[int(PointsAgree())]);
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
    if (!options.keysFile.empty()) {
        std::vector<KeyAction> fileActions;
        if (!ReadKeysFile(options.keysFile, fileActions, error)) {
            std::fprintf(stderr, "tovrin-keys: %s\n", error.c_str());
            return 2;
        }
        actions.insert(actions.begin(), fileActions.begin(), fileActions.end());
    }
#ifndef TOVRIN_WITH_STORAGE
    if (!options.stateFile.empty()) {
        std::fputs("tovrin-keys: --state needs a build with the settings storage\n", stderr);
        return 2;
    }
#else
    // A file that a running calculator holds would be overwritten by it at
    // its exit, and its own changes by ours: leave it alone.  Anything but
    // a regular file is refused before a lock is made beside it.
    std::unique_ptr<InstanceLock> lock;
    if (!options.stateFile.empty()) {
        const QString file = QString::fromStdString(options.stateFile);
        const FileKind kind = KindOfFile(file);
        if (kind != FileKind::Absent && kind != FileKind::Regular) {
            SayRefused(options.stateFile, kind);
            return 1;
        }
        lock = std::make_unique<InstanceLock>(file);
        if (!LockStateFile(*lock, options.stateFile.c_str()))
            return 1;
    }
#endif
    if (!StartCalculator(options))
        return 1;
    for (const KeyAction& action : actions)
        Perform(action);
    int status = 0;
#ifdef TOVRIN_WITH_STORAGE
    // Saved as a normal exit saves, before anything is printed, so that a
    // reader that stops reading loses nothing; a failed save must not pass
    // unnoticed.
    QString reason;
    if (!options.stateFile.empty() && !SavePreferences(QString::fromStdString(options.stateFile), &reason)) {
        std::fprintf(stderr, "tovrin-keys: could not save the state to %s: %s; the file is as it was\n",
                     options.stateFile.c_str(), qPrintable(reason));
        status = 1;
    }
    lock.reset();
#endif
    PrintStack(options.levels);
    if (options.tape)
        for (const std::string& line : TapeLines())
            std::printf("TAPE\t%s\n", line.c_str());
    if (options.points)
        PrintPoints();
    if (options.schedule)
        PrintSchedule();
    if (options.cashflows)
        PrintCashFlows();
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs("tovrin-keys: could not write the output\n", stderr);
        return 1;
    }
    return status;
}
