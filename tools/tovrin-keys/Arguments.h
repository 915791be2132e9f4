// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of tovrin-keys: options and the keys to press.
#pragma once

#include <string>
#include <vector>

// One step of the key sequence.
struct Action {
    enum Kind { Key, Undo, Redo, ClearTape, SelectFunction, Paste, TypeKey };
    Kind kind;
    int value;              // key code, function number, or for TypeKey the NamedKey
    std::string text = {};  // the pasted text
    char32_t character = 0; // TypeKey: the character typed, or 0 for a named key
};

// Option values; -1 (or empty) means "as after a first start".
struct Options {
    int input = -1;         // 0 simple, 1 precedence, 2 rpn
    int function = -1;      // 0..6
    int stackSize = -1;     // 4, 8, 12, 16, 20
    int word = -1;          // integerSize 0..5
    int format = -1;        // displayFormat code
    int digits = -1;        // stored digits: 0 all, n + 1 for n places
    int registers = -1;     // 10 or 100
    bool comma = false;
    bool sticky = false;
    bool tape = false;      // print the tape's lines after the stack
    int levels = 1;
    std::string stateFile;
    bool help = false;
    bool version = false;
};

// Reads every argument before anything is pressed.  False with a message
// naming the offending argument when one is not understood.
bool ParseArguments(int argc, char** argv, Options& options, std::vector<Action>& actions,
                    std::string& error);

// The keys that type a decimal number such as 12, 1.50, -3 or 2e-5; false
// when `token` is not such a number.
bool NumberKeys(const std::string& token, std::vector<int>& keys);

// The typed keys of the text of Type=TEXT: each character, and the
// escapes \r (Return), \b (Backspace), \e (Esc) and \\ (a backslash);
// false for any other escape or a text that ends in a lone backslash.
bool TextKeys(const std::string& text, std::vector<Action>& actions);

// The function number of a function name (any letter case), or -1.
int FunctionFromName(const std::string& name);

// A short description of the command line.
const char* UsageText();
