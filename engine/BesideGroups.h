// SPDX-License-Identifier: GPL-3.0-or-later
// The state beside the records in the settings file.
//
// Each part of that state (BesideState.h) keeps a group of its own in the
// settings file, of text entries under keys it chooses.  The engine gives
// the entries and takes them back as plain text; the storage layer only
// writes them into their groups and reads them out again.  Numbers are
// stored bit-exactly: as the hexadecimal text of their bytes, as the
// blocks of the records are, or where there are many as the shortest text
// that reads back as the same double.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct BesideEntry {
    std::string key;
    std::string value;
};
using BesideEntries = std::vector<BesideEntry>;

// Gives the text of a key of the part's group; false when the group has no
// such key (or no group at all).
using BesideReader = std::function<bool(const std::string& key, std::string& value)>;

// One part as the settings file keeps it.  `save` gives every key of the
// group (the group is written afresh each time, so a key not given is
// gone).  `load` takes the part back from its group and returns whether
// the group was whole: on false the part keeps what could be read, or its
// reset state, and the settings file counts as damaged (reported, and
// kept aside as it was).  A group that is not in the file at all is no
// damage: `load` then gets a reader that finds nothing, and its result is
// not asked.  A part of the engine registers in BesideGroups below; a part
// of another layer keeps a BesideGroup of its own and hands it to the
// storage layer beside these.
struct BesideGroup {
    const char* name;
    BesideEntries (*save)();
    bool (*load)(const BesideReader& read);
};

// Every part's group, in the order they are written.
constexpr int BesideGroupCount = 4;
extern const BesideGroup BesideGroups[BesideGroupCount];

// Bytes as upper-case hexadecimal text, two digits a byte.
std::string HexText(const void* data, std::size_t size);
// The bytes of such text, upper- or lower-case; false, writing nothing,
// unless the text is exactly 2 * size hexadecimal digits.
bool HexBytes(const std::string& text, void* data, std::size_t size);
