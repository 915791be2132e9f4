// SPDX-License-Identifier: GPL-3.0-or-later
#include "TapeText.h"

#include "core/State.h"
#include "format/TableText.h"
#include "format/ValueText.h"

#include <cstdio>

namespace {

// Texts that read the same in every format.
constexpr const char* Minus = "\u2212";
constexpr const char* Times = "\u00d7";

const char* BinarySymbol(int op)
{
    switch (op) {
    case KeyAdd: return "+";
    case KeySubtract: return Minus;
    case KeyMultiply: return Times;
    case KeyDivide: return "\u00f7";
    case KeyPercentTotal: return "%T";
    case KeyPercentChange: return "\u0394%";
    case KeyPower: return "^";
    case KeyRoot: return "root";
    case KeyModulo: return "mod";
    case KeyCombinations: return "nCr";
    case KeyPermutations: return "nPr";
    case KeyAnd: return "AND";
    case KeyOr: return "OR";
    case KeyXor: return "XOR";
    case KeyShiftLeft: return "SHL";
    case KeyShiftRight: return "SHR";
    case KeyArithShiftRight: return "ASR";
    case KeyRotate: return "ROR";
    default: return "?";
    }
}

// How a one-operand function reads; "#" stands for its operand.
const char* FunctionTemplate(int op, bool hyperbolic)
{
    switch (op) {
    case KeyPercent: return "# %";
    case KeyRound: return "round #";
    case KeyIntegerPart: return "int #";
    case KeyAbs: return "abs #";
    case KeySquareRoot: return "\u221a #";
    case KeySquare: return "#\u00b2";
    case KeyCubeRoot: return "\u221b #";
    case KeyCube: return "#\u00b3";
    case KeyReciprocal: return "1/#";
    case KeyFractionPart: return "frac #";
    case KeySin: return hyperbolic ? "sinh #" : "sin #";
    case KeyCos: return hyperbolic ? "cosh #" : "cos #";
    case KeyTan: return hyperbolic ? "tanh #" : "tan #";
    case KeyArcSin: return hyperbolic ? "asinh #" : "asin #";
    case KeyArcCos: return hyperbolic ? "acosh #" : "acos #";
    case KeyArcTan: return hyperbolic ? "atanh #" : "atan #";
    case KeyLn: return "ln #";
    case KeyLog: return "log #";
    case KeyExp: return "e^#";
    case KeyTenPower: return "10^#";
    case KeyToDegrees: return "\u2192deg #";
    case KeyToRadians: return "\u2192rad #";
    case KeyToRectangular: return "\u2192R #";
    case KeyToPolar: return "\u2192P #";
    case KeyToHms: return "\u2192H.MS #";
    case KeyToHours: return "\u2192H #";
    case KeyFactorial: return "#!";
    case KeyGamma: return "\u0393 #";
    case KeyNot: return "NOT #";
    case KeyFloor: return "floor #";
    case KeyCeiling: return "ceil #";
    case KeyTimesPaymentsPerYear: return "# \u00d7 P/YR";
    case KeyDividePaymentsPerYear: return "# \u00f7 P/YR";
    default: return nullptr;
    }
}

std::string Substitute(const char* pattern, const std::string& operand)
{
    std::string text;
    for (const char* p = pattern; *p; ++p) {
        if (*p == '#')
            text += operand;
        else
            text += *p;
    }
    return text;
}

// Between the two values of a pair: a comma unless it is the radix mark.
const char* PairSeparator()
{
    return Prefs.commaRadix() ? "; " : ", ";
}

// The number as the display shows it.
std::string Number(const TapeValue& v)
{
    ValueTexts texts;
    ValueText(v.value, v.label, v.index, texts);
    return texts.number;
}

// The number with its label after it: "2.5 feet".
std::string Value(const TapeValue& v)
{
    ValueTexts texts;
    ValueText(v.value, v.label, v.index, texts);
    std::string text = texts.number;
    if (texts.label[0]) {
        text += ' ';
        text += texts.label;
    }
    return text;
}

// The label's text alone: a result's name, or a unit.
std::string LabelOf(const TapeValue& v)
{
    char text[LabelTextSize];
    LabelText(v.label, v.index, text);
    return text;
}

std::string RegisterName(unsigned r)
{
    static const uint16_t financial[] = {LabelPeriods, LabelIYR, LabelPV, LabelPMT, LabelFV,
                                         LabelEffPercent, LabelPYR, LabelCost, LabelPrice, LabelMargin};
    if (r >= RegN && r <= RegMargin)
        return GetString(financial[r - RegN]);
    char name[12];
    std::snprintf(name, sizeof name, "R%02u", r);
    return name;
}

std::string RegisterTag(const TapeEntry& e)
{
    switch (e.tag2) {
    case TapeStore: return "STO " + RegisterName(e.tag);
    case TapeRecall: return "RCL " + RegisterName(e.tag);
    default: return GetString(LabelMemory);
    }
}

std::string SigmaName(int op)
{
    return op == KeySigmaMinus ? "\u03a3\u2212" : "\u03a3+";
}

std::string Range(const TapeEntry& e)
{
    return std::to_string(unsigned(e.tag)) + "-" + std::to_string(unsigned(e.tag2));
}

// A value named by its label, as the results are: "s x = 1.".
std::string Named(const TapeValue& v)
{
    return LabelOf(v) + " = " + Number(v);
}

// Splits the text of a line at its last " = ".
TapeLine SplitAtLastEquals(const std::string& text)
{
    const std::size_t at = text.rfind(" = ");
    if (at == std::string::npos)
        return {text, ""};
    return {text.substr(0, at + 2), text.substr(at + 3)};
}

std::string LineOf(const TapeEntry& e)
{
    const TapeValue* v = e.values;
    switch (e.kind) {
    case TapeKind::Binary:
        return Value(v[0]) + " " + BinarySymbol(e.operation) + " " + Value(v[1]) + " = " + Value(v[2]);
    case TapeKind::PercentOf:
        return Value(v[0]) + " " + Times + " " + Value(v[1]) + " % = " + Value(v[2]);
    case TapeKind::Function: {
        const char* pattern = FunctionTemplate(e.operation, e.tag != 0);
        if (!pattern)
            pattern = "? #";
        if (e.operands == 2)
            return Substitute(pattern, Value(v[0]) + PairSeparator() + Value(v[1])) + " = " + Value(v[2]) +
                   PairSeparator() + Value(v[3]);
        return Substitute(pattern, Value(v[0])) + " = " + Value(v[1]);
    }
    case TapeKind::Conversion:
        return Value(v[0]) + " = " + Value(v[1]);
    case TapeKind::Register:
        return RegisterTag(e) + ": " + Value(v[0]) + " " + BinarySymbol(e.operation) + " " + Value(v[1]) +
               " = " + Value(v[2]);
    case TapeKind::Result: {
        if (e.operands == 1)
            return LabelOf(v[1]) + " " + Value(v[0]) + " = " + Number(v[1]) + "  " + Named(v[2]);
        if (e.results == 2)
            return Named(v[0]) + "  " + Named(v[1]);
        return Named(v[0]);
    }
    case TapeKind::Sigma:
        return SigmaName(e.operation) + " " + Value(v[0]) + PairSeparator() + Value(v[1]) + "  " + Named(v[2]);
    case TapeKind::Amortization:
        return "Amort " + Range(e) + ": " + Named(v[0]) + "  " + Named(v[1]) + "  " + Named(v[2]);
    }
    return "?";
}

// ---- CSV

std::string OperationName(const TapeEntry& e)
{
    switch (e.kind) {
    case TapeKind::Binary: return BinarySymbol(e.operation);
    case TapeKind::PercentOf: return std::string("y ") + Times + " x %";
    case TapeKind::Function: {
        const char* pattern = FunctionTemplate(e.operation, e.tag != 0);
        return pattern ? Substitute(pattern, e.operands == 2 ? "x, y" : "x") : "?";
    }
    case TapeKind::Conversion: return "\u2192 " + LabelOf(e.values[1]);
    case TapeKind::Register: return RegisterTag(e) + " " + BinarySymbol(e.operation);
    case TapeKind::Result: return LabelOf(e.values[e.operands]);
    case TapeKind::Sigma: return SigmaName(e.operation);
    case TapeKind::Amortization: return "amortize " + Range(e);
    }
    return "?";
}

std::string TapeCsvRow(const TapeEntry& e)
{
    std::string row = CsvField(OperationName(e));
    auto add = [&](const TapeValue* v) {
        row += ',';
        if (v)
            row += CsvField(CsvNumber(v->value, false, true)) + "," + CsvField(LabelOf(*v));
        else
            row += ',';
    };
    for (int i = 0; i < 2; ++i)
        add(i < e.operands ? &e.values[i] : nullptr);
    for (int i = 0; i < 3; ++i)
        add(i < e.results ? &e.values[e.operands + i] : nullptr);
    return row;
}

} // namespace

TapeLine ComposeTapeLine(const TapeEntry& entry)
{
    return SplitAtLastEquals(LineOf(entry));
}

std::string TapeLineText(const TapeLine& line)
{
    return line.result.empty() ? line.calculation : line.calculation + " " + line.result;
}

std::vector<std::string> TapeLines()
{
    std::vector<std::string> lines;
    for (const TapeEntry* entry : TapeEntries())
        lines.push_back(LineOf(*entry));
    return lines;
}

std::string TapePlainText()
{
    std::string text;
    for (const std::string& line : TapeLines())
        text += line + "\n";
    return text;
}

std::string TapeCsv()
{
    std::string text = "operation,operand 1,unit 1,operand 2,unit 2,result,unit,result 2,unit 2,result 3,unit 3\n";
    for (const TapeEntry* entry : TapeEntries())
        text += TapeCsvRow(*entry) + "\n";
    return text;
}

bool IsTapeFunction(KeyOp key)
{
    return FunctionTemplate(key, false) != nullptr;
}
