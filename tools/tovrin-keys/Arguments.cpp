// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"

#include <charconv>

namespace {

// The index of `value` in `names` (exact spelling), or -1.
int IndexOf(const std::string& value, std::initializer_list<const char*> names)
{
    int i = 0;
    for (const char* name : names) {
        if (value == name)
            return i;
        ++i;
    }
    return -1;
}

// A whole decimal number within [low, high], or false.
bool ReadInt(const std::string& text, int low, int high, int& value)
{
    const char* end = text.data() + text.size();
    std::from_chars_result r = std::from_chars(text.data(), end, value);
    return !text.empty() && r.ec == std::errc() && r.ptr == end && value >= low && value <= high;
}

bool ReadFormat(const std::string& value, Options& options)
{
    std::string name = value, places;
    size_t colon = value.find(':');
    if (colon != std::string::npos) {
        name = value.substr(0, colon);
        places = value.substr(colon + 1);
    }
    // Display format codes in the order of the names.
    static const int codes[] = {0, 3, 1, 2};
    int index = IndexOf(name, {"general", "fixed", "scientific", "engineering"});
    if (index < 0)
        return false;
    options.format = codes[index];
    if (colon == std::string::npos)
        return true;
    if (places == "all") {
        options.digits = 0;
        return true;
    }
    int n;
    if (!ReadInt(places, 0, 12, n))
        return false;
    options.digits = n + 1;
    return true;
}

// Applies an option that takes a value; false when the value is not one of
// the option's.
bool ReadOptionValue(const std::string& option, const std::string& value, Options& options)
{
    int n;
    if (option == "--input") {
        options.input = IndexOf(value, {"simple", "precedence", "rpn"});
        return options.input >= 0;
    }
    if (option == "--function") {
        options.function = IndexOf(value, {"standard", "financial", "scientific", "statistical",
                                           "programmer", "conversion", "user"});
        return options.function >= 0;
    }
    if (option == "--stack") {
        if (!ReadInt(value, 4, 20, n) || n % 4 != 0)
            return false;
        options.stackSize = n;
        return true;
    }
    if (option == "--word") {
        options.word = IndexOf(value, {"u8", "s8", "u16", "s16", "u32", "s32"});
        return options.word >= 0;
    }
    if (option == "--format")
        return ReadFormat(value, options);
    if (option == "--registers") {
        if (!ReadInt(value, 10, 100, n) || (n != 10 && n != 100))
            return false;
        options.registers = n;
        return true;
    }
    if (option == "--levels")
        return ReadInt(value, 1, 20, options.levels);
    if (option == "--state") {
        options.stateFile = value;
        return !value.empty();
    }
    if (option == "--keys-from") {
        options.keysFile = value;
        return !value.empty();
    }
    return false;
}

bool TakesValue(const std::string& option)
{
    return IndexOf(option, {"--input", "--function", "--stack", "--word", "--format", "--registers",
                            "--levels", "--state", "--keys-from"}) >= 0;
}

} // namespace

bool ParseArguments(int argc, char** argv, Options& options, std::vector<KeyAction>& actions,
                    std::string& error)
{
    int i = 1;
    // Options come first; the first argument that is not one starts the keys.
    for (; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.compare(0, 2, "--") != 0)
            break;
        if (arg == "--help") {
            options.help = true;
            return true;
        }
        if (arg == "--version") {
            options.version = true;
            return true;
        }
        if (arg == "--comma") {
            options.comma = true;
            continue;
        }
        if (arg == "--sticky") {
            options.sticky = true;
            continue;
        }
        if (arg == "--tape") {
            options.tape = true;
            continue;
        }
        if (arg == "--points") {
            options.points = true;
            continue;
        }
        if (arg == "--schedule") {
            options.schedule = true;
            continue;
        }
        if (arg == "--cashflows") {
            options.cashflows = true;
            continue;
        }
        std::string option = arg, value;
        size_t equals = arg.find('=');
        if (equals != std::string::npos) {
            option = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        } else if (TakesValue(option)) {
            if (i + 1 >= argc) {
                error = "option " + option + " needs a value";
                return false;
            }
            value = argv[++i];
        }
        if (!TakesValue(option)) {
            error = "unknown option " + arg;
            return false;
        }
        if (!ReadOptionValue(option, value, options)) {
            error = "bad value '" + value + "' for option " + option;
            return false;
        }
    }
    for (; i < argc; ++i) {
        std::string token = argv[i];
        if (!ReadKeyAction(token, actions)) {
            error = "unknown key '" + token + "'";
            return false;
        }
    }
    return true;
}

const char* UsageText()
{
    return "Usage: tovrin-keys [OPTION]... [KEY]...\n"
           "Presses KEYs on the calculator engine and prints the stack as the display shows it,\n"
           "one line per level: NAME<TAB>LABEL<TAB>TEXT, the highest level first.\n"
           "\n"
           "Options (before the keys):\n"
           "  --input simple|precedence|rpn     input mode\n"
           "  --function NAME                   standard, financial, scientific, statistical,\n"
           "                                    programmer, conversion or user\n"
           "  --stack 4|8|12|16|20              RPN stack depth\n"
           "  --word u8|s8|u16|s16|u32|s32      default integer word\n"
           "  --format general|fixed|scientific|engineering[:all|0..12]\n"
           "                                    display format and decimal places\n"
           "  --registers 10|100                one- or two-digit register numbers\n"
           "  --comma                           comma as radix mark\n"
           "  --sticky                          sticky shift\n"
           "  --tape                            then print the tape, one line per entry:\n"
           "                                    TAPE<TAB>LINE, the oldest first\n"
           "  --points                          then print the statistics points, one line\n"
           "                                    each: POINT<TAB>X<TAB>Y, the oldest first, and\n"
           "                                    POINTS<TAB>match, differ or incomplete\n"
           "  --schedule                        then print the loan schedule of N, I/YR, PV,\n"
           "                                    PMT, FV and P/YR: SCHEDULE<TAB>PERIOD<TAB>PAYMENT\n"
           "                                    <TAB>INTEREST<TAB>PRINCIPAL<TAB>BALANCE, a YEAR\n"
           "                                    line after each year, a TOTAL line, and NOTE<TAB>TEXT\n"
           "                                    when there is no schedule or it misses FV\n"
           "  --cashflows                       then print the cash-flow list:\n"
           "                                    CASHFLOW<TAB>J<TAB>VALUE<TAB>COUNT, then NPV<TAB>VALUE\n"
           "                                    at I/YR and IRR<TAB>VALUE\n"
           "  --levels N                        stack levels to print, 1 to 20 (default 1)\n"
           "  --state FILE                      load the state from FILE, and save it there after the keys\n"
           "  --keys-from FILE                  first press the keys in FILE (- for standard input),\n"
           "                                    named as on the command line, one or more a line\n"
           "  --help, --version\n"
           "\n"
           "Keys: a key name without its Key prefix (Digit7, Add, Enter, Sin, WordU8, ...),\n"
           "a decimal number (12, 1.50, -3, 2e-5), #N for key code N, Undo, Redo,\n"
           "ClearTape (the Tape window's Clear), Function=NAME, Paste=TEXT (TEXT pasted as\n"
           "from the clipboard), Type=TEXT (the characters of TEXT typed on the keyboard;\n"
           "\\r Return, \\b Backspace, \\e Esc, \\\\ a backslash).\n"
           "The Statistics window's edits: EditPoint=N:X:Y (point N becomes X, Y),\n"
           "DeletePoints=N[,N...], PastePoints=TEXT (\\t a tab, \\n a new line),\n"
           "RebuildSums, ClearPointList.\n"
           "Copy prints CLIPBOARD<TAB>TEXT, what Edit > Copy would put on the clipboard;\n"
           "TapeRecall=N puts the result of the tape line N lines back (1 the newest) into X.\n";
}
