// SPDX-License-Identifier: GPL-3.0-or-later
// Key scripts: keys named as words ("7 Enter 4 Multiply Undo"), read into
// steps and pressed on the calculator as the window would press them.
// tovrin-keys takes its keys this way, and so does the window's picture
// (tovrin --screenshot --press), so both name keys alike.
#pragma once

#include <string>
#include <vector>

// One step of a key script.
struct KeyAction {
    enum Kind {
        Key, Undo, Redo, ClearTape, SelectFunction, Paste, TypeKey, Copy, TapeRecall,
        // The Statistics window's edits.
        EditPoint, DeletePoints, PastePoints, RebuildSums, ClearPointList
    };
    Kind kind;
    int value;              // key code, function number, point number, tape line (1 the newest), or the NamedKey
    std::string text = {};  // the pasted text; EditPoint: "X:Y"; DeletePoints: the point numbers
    char32_t character = 0; // TypeKey: the character typed, or 0 for a named key
};

// Appends the steps of one word of a script: a key name without its Key
// prefix (Digit7, Add, Sin), a decimal number (12, 1.50, -3, 2e-5), #N for
// key code N, Undo, Redo, ClearTape, Function=NAME, Paste=TEXT,
// Type=TEXT, Copy or TapeRecall=N; or an edit of the statistics points as
// the Statistics window makes it: EditPoint=N:X:Y (point N, from 1,
// becomes (X, Y)), DeletePoints=N[,N...], PastePoints=TEXT (a table as
// pasted, \t a tab, \n a new line, \\ a backslash), RebuildSums or
// ClearPointList.  False, with nothing appended, for any other word.
bool ReadKeyAction(const std::string& word, std::vector<KeyAction>& actions);

// The steps of a whole script, words separated by white space; false when
// a word is not understood, and `bad` is then that word.
bool ReadKeyScript(const std::string& script, std::vector<KeyAction>& actions, std::string& bad);

// The keys that type a decimal number such as 12, 1.50, -3 or 2e-5; false
// when `token` is not such a number.
bool NumberKeys(const std::string& token, std::vector<int>& keys);

// The typed keys of the text of Type=TEXT: each character, and the
// escapes \r (Return), \b (Backspace), \e (Esc) and \\ (a backslash);
// false for any other escape or a text that ends in a lone backslash.
bool TextKeys(const std::string& text, std::vector<KeyAction>& actions);

// The function number of a function name (any letter case), or -1.
int FunctionFromName(const std::string& name);

// Presses one step as the window does; returns what the window would tell
// the user instead (nothing to undo, a refused paste, no such tape line,
// nothing to copy), or "" when the step was done.  Copy gives the text it
// would put on the clipboard in *copied (CopyText.h), when asked.
std::string PerformKeyAction(const KeyAction& action, std::string* copied = nullptr);
