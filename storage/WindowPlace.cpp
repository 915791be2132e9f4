// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlace.h"

#include <charconv>

namespace {

WindowPlace Stored;

// Positions and sizes beyond any desktop come only from a damaged file.
constexpr int Far = 100000;

// A key's number: absent (true, *found false), within [low, high] (true),
// or damaged (false).
bool ReadNumber(const BesideReader& read, const char* key, int low, int high, int* value, bool* found)
{
    std::string text;
    *found = read(key, text);
    if (!*found)
        return true;
    int n = 0;
    const char* end = text.data() + text.size();
    const std::from_chars_result r = std::from_chars(text.data(), end, n);
    if (text.empty() || r.ec != std::errc() || r.ptr != end || n < low || n > high)
        return false;
    *value = n;
    return true;
}

bool ReadFlag(const BesideReader& read, const char* key, bool* flag)
{
    int n = 0;
    bool found = false;
    if (!ReadNumber(read, key, 0, 1, &n, &found))
        return false;
    *flag = n == 1;
    return true;
}

// "x,y,width,height" within the bounds of the main window's; absent (true,
// width 0) or damaged (false).
bool ReadFrame(const BesideReader& read, const std::string& key, SideWindowPlace* side)
{
    std::string text;
    if (!read(key, text))
        return true;
    int n[4] = {};
    const char* p = text.data();
    const char* end = p + text.size();
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && (p == end || *p++ != ','))
            return false;
        const std::from_chars_result r = std::from_chars(p, end, n[i]);
        if (r.ec != std::errc() || n[i] < (i < 2 ? -Far : 1) || n[i] > Far)
            return false;
        p = r.ptr;
    }
    if (p != end)
        return false;
    side->x = n[0];
    side->y = n[1];
    side->width = n[2];
    side->height = n[3];
    return true;
}

std::string FrameText(const SideWindowPlace& side)
{
    return std::to_string(side.x) + "," + std::to_string(side.y) + "," + std::to_string(side.width) + "," +
           std::to_string(side.height);
}

bool LoadWindowPlace(const BesideReader& read)
{
    WindowPlace place;
    int geometry[4] = {};
    const struct {
        const char* key;
        int low;
    } sides[4] = {{"x", -Far}, {"y", -Far}, {"width", 1}, {"height", 1}};
    int found = 0;
    bool whole = true;
    for (int i = 0; i < 4; ++i) {
        bool there = false;
        whole = ReadNumber(read, sides[i].key, sides[i].low, Far, &geometry[i], &there) && whole;
        found += there;
    }
    // All four or none; a file from before the tape has no key for it.
    whole = whole && (found == 0 || found == 4);
    if (whole && found == 4) {
        place.x = geometry[0];
        place.y = geometry[1];
        place.width = geometry[2];
        place.height = geometry[3];
    }
    whole = ReadFlag(read, "maximized", &place.maximized) && whole;
    whole = ReadFlag(read, "rpnStack", &place.rpnStackOpen) && whole;
    whole = ReadFlag(read, "registers", &place.registersOpen) && whole;
    whole = ReadFlag(read, "tape", &place.tapeOpen) && whole;
    // Each side window's flag and place on their own; files from before
    // them have no keys for them.
    for (const std::string& name : SideWindowNames()) {
        SideWindowPlace side;
        whole = ReadFlag(read, name.c_str(), &side.open) && whole;
        whole = ReadFrame(read, name + "Place", &side) && whole;
        place.sideWindows[name] = side;
    }
    whole = ReadFlag(read, "stayOnTop", &place.stayOnTop) && whole;
    Stored = place;
    return whole;
}

BesideEntries SaveWindowPlace()
{
    BesideEntries entries;
    if (Stored.width > 0)
        entries = {{"x", std::to_string(Stored.x)},
                   {"y", std::to_string(Stored.y)},
                   {"width", std::to_string(Stored.width)},
                   {"height", std::to_string(Stored.height)}};
    if (Stored.width > 0 || Stored.maximized || Stored.rpnStackOpen || Stored.registersOpen || Stored.tapeOpen ||
        Stored.stayOnTop)
        for (const auto& [key, flag] :
             {std::pair{"maximized", Stored.maximized}, {"rpnStack", Stored.rpnStackOpen},
              {"registers", Stored.registersOpen}, {"tape", Stored.tapeOpen}, {"stayOnTop", Stored.stayOnTop}})
            entries.push_back({key, flag ? "1" : "0"});
    for (const auto& [name, side] : Stored.sideWindows) {
        entries.push_back({name, side.open ? "1" : "0"});
        if (side.width > 0)
            entries.push_back({name + "Place", FrameText(side)});
    }
    return entries;
}

} // namespace

const BesideGroup WindowPlaceGroup = {"window", SaveWindowPlace, LoadWindowPlace};

const std::vector<std::string>& SideWindowNames()
{
    static const std::vector<std::string> names = {"statistics", "schedule", "cashflows"};
    return names;
}

WindowPlace StoredWindowPlace()
{
    return Stored;
}

void KeepWindowPlace(const WindowPlace& place)
{
    Stored = place;
}
