// SPDX-License-Identifier: GPL-3.0-or-later
// The platform tests run inside one application object, as the program does.
#include "platform/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
