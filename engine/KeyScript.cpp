// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/KeyScript.h"

#include "core/KeyOp.h"
#include "core/State.h"
#include "engine/Calculator.h"
#include "engine/Tape.h"
#include "engine/TypedKeys.h"
#include "engine/Undo.h"

#include <cctype>
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

std::string PerformKeyAction(const KeyAction& action)
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
        UnPrefs.setFunction(unsigned(action.value));
        break;
    case KeyAction::Paste: {
        const PastedNumber number = PasteNumber(action.text);
        if (number.refusal != PasteAccepted)
            return std::string("paste refused, ") + PasteRefusalText(number.refusal) + ": " + action.text;
        break;
    }
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
