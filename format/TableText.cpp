// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableText.h"

#include <charconv>

namespace {

// The lines of the text, without their ends.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\n' && text[i] != '\r')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

bool Blank(std::string_view line)
{
    for (char c : line)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

// The cells of a line; a cell that starts with a double quote runs to the
// quote that closes it.
std::vector<std::string> Cells(std::string_view line, char separator)
{
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        std::string& cell = cells.back();
        if (quoted) {
            if (c != '"')
                cell += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                cell += line[++i];
            else
                quoted = false;
        } else if (c == '"' && cell.find_first_not_of(" \t") == std::string::npos) {
            cell.clear();
            quoted = true;
        } else if (c == separator) {
            cells.emplace_back();
        } else {
            cell += c;
        }
    }
    return cells;
}

char Separator(std::string_view text, bool commaRadix)
{
    if (text.find('\t') != std::string_view::npos)
        return '\t';
    if (text.find(';') != std::string_view::npos)
        return ';';
    return commaRadix ? '\0' : ',';
}

} // namespace

PastedTable ReadPastedTable(std::string_view text, unsigned base, bool commaRadix, uint16_t wordLabel)
{
    PastedTable table;
    const char separator = Separator(text, commaRadix);
    const std::vector<std::string_view> lines = Lines(text);
    bool first = true;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (Blank(lines[n]))
            continue;
        const std::vector<std::string> cells = Cells(lines[n], separator);
        std::vector<double> row;
        PastedTable refused;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const PastedNumber number = ReadPastedNumber(cells[c], base, commaRadix, wordLabel);
            if (number.refusal == PasteAccepted) {
                row.push_back(number.value);
            } else if (refused.line == 0) {
                refused.refusal = number.refusal;
                refused.line = n + 1;
                refused.column = c + 1;
                refused.cell = cells[c];
            }
        }
        const bool header = first && row.empty();
        first = false;
        if (header)
            continue;
        if (refused.line != 0)
            return refused;
        table.rows.push_back(std::move(row));
        table.lines.push_back(n + 1);
    }
    if (table.rows.empty())
        table.refusal = PasteNoNumber;
    return table;
}

std::string CsvNumber(double value, bool commaRadix, bool writtenOut)
{
    char text[400];
    const std::to_chars_result r = writtenOut ? std::to_chars(text, text + sizeof text, value, std::chars_format::fixed)
                                              : std::to_chars(text, text + sizeof text, value);
    std::string number(text, r.ptr);
    if (commaRadix)
        for (char& c : number)
            if (c == '.')
                c = ',';
    return number;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",;\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields, char separator)
{
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            row += separator;
        row += CsvField(fields[i]);
    }
    return row + "\n";
}

char CsvSeparator(bool commaRadix)
{
    return commaRadix ? ';' : ',';
}
