// SPDX-License-Identifier: GPL-3.0-or-later
// Tables of numbers as text: read from a spreadsheet's paste or a CSV
// file, or refused with the cell that made them fail; and numbers, fields
// and rows written for CSV files (RFC 4180), independent of the process
// locale.
//
// Rows are lines (ended by LF, CR LF or CR); empty lines are left out.
// Cells are separated by tabs when the text holds a tab, else by
// semicolons when it holds a semicolon, else by commas when the radix mark
// is the point: a comma is never a separator with the comma radix.  A cell
// in double quotes loses them, and "" inside stands for one quote.  A
// first row in which no cell is a number is a header and is left out.
// Every other cell is read by the paste reader (PastedNumber.h), so that
// nothing is guessed: the first cell it refuses refuses the whole table.
#pragma once

#include "PastedNumber.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct PastedTable {
    PasteRefusal refusal = PasteAccepted;
    // The numbers, row by row, each row with its cells, and the line of
    // the text each row comes from, from 1.
    std::vector<std::vector<double>> rows;
    std::vector<std::size_t> lines;
    // The refused cell: its line and column in the text, from 1, and its
    // text.  A text without a row refuses as PasteNoNumber at line 0.
    std::size_t line = 0;
    std::size_t column = 0;
    std::string cell;
};

// Reads UTF-8 `text` as a table of numbers of `base`, with the radix mark
// "," when `commaRadix` and integers in the word of `wordLabel`, as
// ReadPastedNumber reads one number.
PastedTable ReadPastedTable(std::string_view text, unsigned base, bool commaRadix, uint16_t wordLabel);

// A number as a CSV file keeps it: the shortest digits that read back as
// the same double, with the radix mark "," when `commaRadix`.  Written out
// (`writtenOut`), the digits never take an exponent, so that every number
// of a file has one form: 0.30000000000000004 and
// 0.000000000000000055511151231258 alike (the largest double takes 309
// digits, the smallest 324 decimals; the paste reader takes no more than
// 200 characters, so a file meant to be read back is not written out).
std::string CsvNumber(double value, bool commaRadix, bool writtenOut = false);

// The field as it stands in a row: quoted, with its quotes doubled, when it
// holds a comma, a semicolon, a quote or a line break.
std::string CsvField(const std::string& text);

// The fields joined into a row by `separator`, each quoted where it needs
// it, ended by a line break.
std::string CsvRow(const std::vector<std::string>& fields, char separator = ',');

// The cell separator of CSV files written with the radix mark given: a
// comma, or a semicolon with the comma radix.
char CsvSeparator(bool commaRadix);
