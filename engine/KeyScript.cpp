// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/KeyScript.h"

#include "core/KeyOp.h"
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/ProgrammerBase.h"
#include "engine/StatisticsData.h"
#include "engine/Tape.h"
#include "engine/TypedKeys.h"
#include "engine/Undo.h"
#include "format/CopyText.h"

#include <cctype>
#include <algorithm>
#include <charconv>
#include <strings.h>

namespace {

bool Equal(const std::string& a, const char* b)
{
    return strcasecmp(a.c_str(), b) == 0;
}

// Whether `word` starts with `prefix` (any letter case) and has more after it.
bool Prefixed(const std::string& word, const char* prefix, size_t& length)
{
    length = std::char_traits<char>::length(prefix);
    return word.size() > length && Equal(word.substr(0, length), prefix);
}

// Appends the digit keys of a run of decimal digits at `p`; returns how many.
size_t Digits(const std::string& text, size_t p, std::vector<int>& keys)
{
    size_t start = p;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p)
        keys.push_back(KeyDigit0 + (text[p] - '0'));
    return p - start;
}

// One key, then what the main window does after a key: show-all lasts one
// key (a shift key leaves it), and shift one key unless it is sticky.
void PressKey(int key)
{
    HandleButton(KeyOp(key));
    AfterKey(KeyOp(key));
}

// A point number from 1, as the Statistics window shows it.
bool ReadPointNumber(std::string_view text, int& number)
{
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && error == std::errc() && rest == end && number >= 1;
}

// The point numbers of DeletePoints=N,N...
bool ReadPointNumbers(const std::string& text, std::vector<std::size_t>& indices)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        int number = 0;
        if (!ReadPointNumber(std::string_view(text).substr(start, comma - start), number))
            return false;
        indices.push_back(std::size_t(number - 1));
        if (comma == text.size())
            return true;
        start = comma + 1;
    }
}

// The text of PastePoints=TEXT with its escapes replaced.
bool Unescape(const std::string& text, std::string& out)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size())
            return false;
        switch (text[i]) {
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case '\\': out += '\\'; break;
        default: return false;
        }
    }
    return true;
}

// Reads EditPoint=N:X:Y into its action.
bool ReadEditPoint(const std::string& text, KeyAction& action)
{
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos || second == first + 1 || second + 1 >= text.size())
        return false;
    action.kind = KeyAction::EditPoint;
    action.text = text.substr(first + 1);
    return ReadPointNumber(std::string_view(text).substr(0, first), action.value);
}

std::string EditPointAction(const KeyAction& action)
{
    const std::size_t colon = action.text.find(':');
    const std::string x = action.text.substr(0, colon), y = action.text.substr(colon + 1);
    const PastedNumber px = ReadPointValue(x), py = ReadPointValue(y);
    if (px.refusal != PasteAccepted)
        return std::string("edit refused, ") + PasteRefusalText(px.refusal) + ": " + x;
    if (py.refusal != PasteAccepted)
        return std::string("edit refused, ") + PasteRefusalText(py.refusal) + ": " + y;
    if (!EditPoint(std::size_t(action.value - 1), {px.value, py.value}))
        return "edit refused, no point " + std::to_string(action.value);
    return std::string();
}

} // namespace

int FunctionFromName(const std::string& name)
{
    static const char* names[] = {"standard", "financial", "scientific", "statistical",
                                  "programmer", "conversion", "user"};
    for (int i = 0; i < 7; ++i)
        if (Equal(name, names[i]))
            return i;
    return -1;
}

bool TextKeys(const std::string& text, std::vector<KeyAction>& actions)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c != '\\') {
            actions.push_back({KeyAction::TypeKey, int(NamedKey::None), {}, char32_t(c)});
            continue;
        }
        if (++i >= text.size())
            return false;
        switch (text[i]) {
        case 'r': actions.push_back({KeyAction::TypeKey, int(NamedKey::Return)}); break;
        case 'b': actions.push_back({KeyAction::TypeKey, int(NamedKey::Backspace)}); break;
        case 'e': actions.push_back({KeyAction::TypeKey, int(NamedKey::Escape)}); break;
        case '\\': actions.push_back({KeyAction::TypeKey, int(NamedKey::None), {}, U'\\'}); break;
        default: return false;
        }
    }
    return true;
}

bool NumberKeys(const std::string& token, std::vector<int>& keys)
{
    keys.clear();
    size_t p = 0;
    bool negative = p < token.size() && token[p] == '-';
    if (negative)
        ++p;
    size_t mantissaDigits = Digits(token, p, keys);
    p += mantissaDigits;
    if (p < token.size() && token[p] == '.') {
        keys.push_back(KeyPoint);
        size_t fraction = Digits(token, p + 1, keys);
        p += 1 + fraction;
        mantissaDigits += fraction;
    }
    if (mantissaDigits == 0)
        return false;
    if (negative)
        keys.push_back(KeyChangeSign);
    if (p < token.size() && (token[p] == 'e' || token[p] == 'E')) {
        ++p;
        keys.push_back(KeyExponent);
        bool negativeExponent = p < token.size() && token[p] == '-';
        if (negativeExponent || (p < token.size() && token[p] == '+'))
            ++p;
        size_t exponentDigits = Digits(token, p, keys);
        if (exponentDigits == 0)
            return false;
        p += exponentDigits;
        if (negativeExponent)
            keys.push_back(KeyChangeSign);
    }
    return p == token.size();
}

bool ReadKeyAction(const std::string& word, std::vector<KeyAction>& actions)
{
    size_t length = 0;
    if (Equal(word, "Undo")) {
        actions.push_back({KeyAction::Undo, 0});
        return true;
    }
    if (Equal(word, "Redo")) {
        actions.push_back({KeyAction::Redo, 0});
        return true;
    }
    if (Equal(word, "ClearTape")) {
        actions.push_back({KeyAction::ClearTape, 0});
        return true;
    }
    if (Equal(word, "RebuildSums") || Equal(word, "ClearPointList")) {
        actions.push_back({Equal(word, "RebuildSums") ? KeyAction::RebuildSums : KeyAction::ClearPointList, 0});
        return true;
    }
    if (Prefixed(word, "EditPoint=", length)) {
        KeyAction action{KeyAction::EditPoint, 0};
        if (!ReadEditPoint(word.substr(length), action))
            return false;
        actions.push_back(action);
        return true;
    }
    if (Prefixed(word, "DeletePoints=", length)) {
        std::vector<std::size_t> indices;
        if (!ReadPointNumbers(word.substr(length), indices))
            return false;
        actions.push_back({KeyAction::DeletePoints, 0, word.substr(length)});
        return true;
    }
    if (Prefixed(word, "PastePoints=", length)) {
        std::string text;
        if (!Unescape(word.substr(length), text))
            return false;
        actions.push_back({KeyAction::PastePoints, 0, text});
        return true;
    }
    if (Equal(word, "Copy")) {
        actions.push_back({KeyAction::Copy, 0});
        return true;
    }
    if (Prefixed(word, "TapeRecall=", length)) {
        int back = 0;
        const char* end = word.data() + word.size();
        auto [rest, error] = std::from_chars(word.data() + length, end, back);
        if (error != std::errc() || rest != end || back < 1 || back > TapeCapacity)
            return false;
        actions.push_back({KeyAction::TapeRecall, back});
        return true;
    }
    if (Prefixed(word, "Function=", length)) {
        int function = FunctionFromName(word.substr(length));
        if (function < 0)
            return false;
        actions.push_back({KeyAction::SelectFunction, function});
        return true;
    }
    if (word.size() >= 6 && Equal(word.substr(0, 6), "Paste=")) {
        actions.push_back({KeyAction::Paste, 0, word.substr(6)});
        return true;
    }
    if (Prefixed(word, "Type=", length)) {
        std::vector<KeyAction> typed;
        if (!TextKeys(word.substr(length), typed))
            return false;
        actions.insert(actions.end(), typed.begin(), typed.end());
        return true;
    }
    if (word.size() > 1 && word[0] == '#') {
        int code = 0;
        const char* end = word.data() + word.size();
        auto [rest, error] = std::from_chars(word.data() + 1, end, code);
        if (error != std::errc() || rest != end || code < 0 || code > 255)
            return false;
        actions.push_back({KeyAction::Key, code});
        return true;
    }
    int code = KeyOpFromName(word.c_str());
    if (code >= 0) {
        actions.push_back({KeyAction::Key, code});
        return true;
    }
    std::vector<int> keys;
    if (!NumberKeys(word, keys))
        return false;
    for (int key : keys)
        actions.push_back({KeyAction::Key, key});
    return true;
}

bool ReadKeyScript(const std::string& script, std::vector<KeyAction>& actions, std::string& bad)
{
    size_t p = 0;
    while (p < script.size()) {
        if (std::isspace(static_cast<unsigned char>(script[p]))) {
            ++p;
            continue;
        }
        size_t end = p;
        while (end < script.size() && !std::isspace(static_cast<unsigned char>(script[end])))
            ++end;
        const std::string word = script.substr(p, end - p);
        if (!ReadKeyAction(word, actions)) {
            bad = word;
            return false;
        }
        p = end;
    }
    return true;
}

std::string PerformKeyAction(const KeyAction& action, std::string* copied)
{
    switch (action.kind) {
    case KeyAction::Key:
        PressKey(action.value);
        break;
    case KeyAction::Undo:
        if (!UndoAvailable())
            return "Nothing to Undo";
        PerformUndo();
        break;
    case KeyAction::Redo:
        if (!RedoAvailable())
            return "Nothing to Redo";
        PerformRedo();
        break;
    case KeyAction::ClearTape:
        ClearTape();
        break;
    case KeyAction::SelectFunction:
        SelectFunction(unsigned(action.value));
        break;
    case KeyAction::Paste: {
        const PastedNumber number = PasteNumber(action.text);
        if (number.refusal != PasteAccepted)
            return std::string("paste refused, ") + PasteRefusalText(number.refusal) + ": " + action.text;
        break;
    }
    case KeyAction::EditPoint:
        return EditPointAction(action);
    case KeyAction::DeletePoints: {
        std::vector<std::size_t> indices;
        ReadPointNumbers(action.text, indices);
        if (!DeletePoints(indices))
            return "delete refused, no such point: " + action.text;
        break;
    }
    case KeyAction::PastePoints:
        return PastedPointsNotice(PastePoints(action.text));
    case KeyAction::RebuildSums:
        if (!RebuildSumsFromPoints())
            return "rebuild refused, the sums hold points that the list does not";
        break;
    case KeyAction::ClearPointList:
        ClearPointList();
        break;
    case KeyAction::Copy: {
        const std::string text = CopyText();
        if (copied)
            *copied = text;
        if (text.empty())
            return "nothing copied: X is an error";
        break;
    }
    case KeyAction::TapeRecall:
        if (!RecallTapeLine(action.value))
            return "no tape line " + std::to_string(action.value) + " back";
        break;
    case KeyAction::TypeKey: {
        // Through the window's keyboard map; a character it ignores does
        // nothing here either.
        const KeyOp key = TypedKey(action.character, NamedKey(action.value));
        if (key != KeyNone)
            PressKey(key);
        break;
    }
    }
    return std::string();
}
