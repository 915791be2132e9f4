// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "KeyReference.h"
#include "Screenshot.h"
#include "Version.h"

#include "engine/Reset.h"

#include <QByteArray>

#include <cstdio>
#include <cstring>

namespace {

const char HelpText[] =
    "Tovrin, a pocket calculator for the desktop.  Without options it opens the\n"
    "calculator window.\n"
    "\n"
    "  --help          print this help and exit\n"
    "  --version       print the version and exit\n"
    "  --list-keys     print every key of every function, one per line: function,\n"
    "                  map, row, column, key, legend, name and keyboard shortcut,\n"
    "                  separated by tabs; then exit\n"
    "  --screenshot FILE [--function NAME] [--input MODE] [--keys TEXT]\n"
    "               [--press KEYS] [--window NAME] [--size WxH] [--scale F]\n"
    "                  render the window of a first start into the PNG file FILE\n"
    "                  without a screen, then exit; see tovrin(1)\n";

} // namespace

const char* UsageLine()
{
    static const QByteArray line =
        QByteArray("usage: tovrin [--help | --version | --list-keys | ") + ScreenshotUsage + "]";
    return line.constData();
}

int RunPrintingOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("%s\n\n%s", UsageLine(), HelpText);
            return 0;
        }
    }
    if (argc != 2)
        return -1;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("tovrin %s\n", ProgramVersion);
        return 0;
    }
    if (std::strcmp(argv[1], "--list-keys") == 0) {
        // The keys of a first start: the User function's keys unassigned.
        ResetCalculator();
        std::fputs(ListKeysText().toUtf8().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    return -1;
}
