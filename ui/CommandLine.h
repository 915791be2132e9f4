// SPDX-License-Identifier: GPL-3.0-or-later
// The options of the calculator that only print: --help, --version and
// --list-keys.  They run before the application object exists, so they
// need no window system, and they print English whatever the language.
#pragma once

// The usage line, naming every option.
const char* UsageLine();

// Prints what the command line asks for when it is --help (anywhere),
// --version or --list-keys, and returns the exit code; -1 when it asks for
// none of them.
int RunPrintingOption(int argc, char** argv);
