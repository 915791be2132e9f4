// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of tovrin-keys: options and the keys to press.
#pragma once

#include "engine/KeyScript.h"

#include <string>
#include <vector>

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
    bool points = false;    // print the statistics points after the stack and tape
    bool schedule = false;  // print the loan schedule after the stack
    bool cashflows = false; // print the cash-flow list after the stack
    int levels = 1;
    std::string stateFile;
    std::string keysFile;   // --keys-from: more keys, before those of the command line; "-" standard input
    bool help = false;
    bool version = false;
};

// Reads every argument before anything is pressed.  False with a message
// naming the offending argument when one is not understood.
bool ParseArguments(int argc, char** argv, Options& options, std::vector<KeyAction>& actions,
                    std::string& error);

// A short description of the command line.
const char* UsageText();
