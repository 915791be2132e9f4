// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartupWarmUp.h"

#include <QFontDatabase>
#include <QImage>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

TEST(StartupWarmUpTest, ATaskHasEndedWhenItGoesOutOfScope)
{
    std::atomic<bool> done{false};
    {
        BackgroundTask task([&done] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            done = true;
        });
    }
    EXPECT_TRUE(done);
}

TEST(StartupWarmUpTest, TheMainThreadReadsFontsAndPicturesWhileTheyAreLoaded)
{
    // The program's own order: both run while the main thread goes on
    // with pictures and fonts of its own.
    BackgroundTask fonts(ReadFontConfiguration);
    BackgroundTask pictures(LoadImagePlugins);
    const QImage picture(QStringLiteral(":/test/red.png"));
    EXPECT_FALSE(picture.isNull());
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
}
