// SPDX-License-Identifier: GPL-3.0-or-later
#include "BesideState.h"

#include "BesideGroups.h"

#include <cstdint>

BesideRecord Beside;

void ResetBesideState()
{
    ResetShiftedSums();
    ResetTape();
    ResetPoints();
    ResetProgrammerBase();
}

const BesideGroup BesideGroups[BesideGroupCount] = {
    {"statistics", SaveShiftedSums, LoadShiftedSums},
    {"tape", SaveTape, LoadTape},
    {"points", SavePoints, LoadPoints},
    {"programmer", SaveProgrammerBase, LoadProgrammerBase},
};

std::string HexText(const void* data, std::size_t size)
{
    static const char digits[] = "0123456789ABCDEF";
    const auto* bytes = static_cast<const uint8_t*>(data);
    std::string text;
    text.reserve(2 * size);
    for (std::size_t i = 0; i < size; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

bool HexBytes(const std::string& text, void* data, std::size_t size)
{
    if (text.size() != 2 * size)
        return false;
    for (char c : text)
        if (HexDigit(c) < 0)
            return false;
    auto* bytes = static_cast<uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = uint8_t(HexDigit(text[2 * i]) << 4 | HexDigit(text[2 * i + 1]));
    return true;
}
