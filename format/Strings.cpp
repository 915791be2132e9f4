// SPDX-License-Identifier: GPL-3.0-or-later
#include "Strings.h"

#include "core/State.h"

#include <cstdio>

namespace {

struct StringEntry {
    uint16_t id;
    const char* text;
};

const StringEntry Strings[] = {
    {1200, "error"},
    {1300, "n"}, {1301, "sum x"}, {1302, "sum x2"}, {1303, "sum y"}, {1304, "sum y2"},
    {1305, "sum xy"}, {1306, "mean x"}, {1307, "mean xw"}, {1308, "mean y"}, {1309, "s x"},
    {1310, "s y"}, {1311, "pop s x"}, {1312, "pop s y"}, {1313, "est x"}, {1314, "est y"},
    {1315, "r"}, {1316, "m"},
    {1400, "cost"}, {1401, "price"}, {1402, "margin"}, {1403, "markup"}, {1404, "P/YR"},
    {1405, "NOM%"}, {1406, "EFF%"}, {1407, "N"}, {1408, "I/YR"}, {1409, "PMT"}, {1410, "PV"},
    {1411, "FV"}, {1412, "Int"}, {1413, "Prin"}, {1414, "Bal"}, {1415, "IRR/YR"},
    {1416, "Start"}, {1417, "End"}, {1418, "NPV"}, {1419, "CFj"}, {1420, "Nj"},
    {1500, "Calculating..."},
    {1600, "M"},
    {1800, "hms"},
    {1900, "inches"}, {1901, "feet"}, {1902, "miles"}, {1903, "meters"}, {1904, "pounds"},
    {1905, "ounces"}, {1906, "kg"}, {1907, "grams"}, {1908, "in/s"}, {1909, "ft/s"},
    {1910, "m/s"}, {1911, "mi/h"}, {1912, "km/h"}, {1913, "cm/s"}, {1914, "sq inches"},
    {1915, "sq feet"}, {1916, "sq miles"}, {1917, "sq meters"}, {1918, "gallons"},
    {1919, "ml"}, {1920, "liters"}, {1921, "fl. oz"}, {1922, "deg C"}, {1923, "deg F"},
    {1924, "u8"}, {1925, "s8"}, {1926, "u16"}, {1927, "s16"}, {1928, "u32"}, {1929, "s32"},
};

static_assert(sizeof(Strings) / sizeof(Strings[0]) == 72, "72 label texts");

} // namespace

bool LabelText(unsigned id, unsigned index, char* out)
{
    out[0] = '\0';
    const char* text = GetString(id);
    if (!text)
        return false;
    bool indexed = (id == LabelCFj || id == LabelNj) && Regs.lastRegister >= 0 && index != NoLabelIndex;
    if (indexed)
        std::snprintf(out, LabelTextSize, "%s %u", text, index);
    else
        std::snprintf(out, LabelTextSize, "%s", text);
    return true;
}

const char* GetString(unsigned id)
{
    for (const StringEntry& e : Strings)
        if (e.id == id)
            return e.text;
    return nullptr;
}
