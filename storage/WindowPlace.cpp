// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlace.h"

#include "platform/Config.h"

namespace {

const QString Group = QStringLiteral("window");

// Positions and sizes beyond any desktop come only from a damaged file.
constexpr int Far = 100000;

bool ReadNumber(const Config& config, const char* key, int low, int high, int* value)
{
    bool ok = false;
    const int n = config.readEntry(QLatin1String(key)).toInt(&ok);
    if (!ok || n < low || n > high)
        return false;
    *value = n;
    return true;
}

bool ReadFlag(const Config& config, const char* key, bool* value)
{
    int n = 0;
    if (!ReadNumber(config, key, 0, 1, &n))
        return false;
    *value = n == 1;
    return true;
}

} // namespace

bool ReadWindowPlace(const QString& settingsFile, WindowPlace* place)
{
    Config config(settingsFile, Config::File);
    config.setGroup(Group);
    WindowPlace read;
    if (!ReadNumber(config, "x", -Far, Far, &read.x) || !ReadNumber(config, "y", -Far, Far, &read.y) ||
        !ReadNumber(config, "width", 1, Far, &read.width) || !ReadNumber(config, "height", 1, Far, &read.height) ||
        !ReadFlag(config, "maximized", &read.maximized) || !ReadFlag(config, "rpnStack", &read.rpnStackOpen) ||
        !ReadFlag(config, "registers", &read.registersOpen))
        return false;
    // Files from before the tape have no key for it: the tape was closed.
    if (config.hasKey(QStringLiteral("tape")) && !ReadFlag(config, "tape", &read.tapeOpen))
        return false;
    *place = read;
    return true;
}

bool SaveWindowPlace(const QString& settingsFile, const WindowPlace& place)
{
    Config config(settingsFile, Config::File);
    config.setGroup(Group);
    config.writeEntry(QStringLiteral("x"), QString::number(place.x));
    config.writeEntry(QStringLiteral("y"), QString::number(place.y));
    config.writeEntry(QStringLiteral("width"), QString::number(place.width));
    config.writeEntry(QStringLiteral("height"), QString::number(place.height));
    config.writeEntry(QStringLiteral("maximized"), QString::number(int(place.maximized)));
    config.writeEntry(QStringLiteral("rpnStack"), QString::number(int(place.rpnStackOpen)));
    config.writeEntry(QStringLiteral("registers"), QString::number(int(place.registersOpen)));
    config.writeEntry(QStringLiteral("tape"), QString::number(int(place.tapeOpen)));
    return config.sync();
}
