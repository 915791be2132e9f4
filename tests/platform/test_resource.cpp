// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Resource.h"

#include <gtest/gtest.h>

TEST(ResourceTest, FindsPicturesByName)
{
    EXPECT_EQ(Resource::findPixmap(QStringLiteral("test/red")), QStringLiteral(":/test/red.png"));
    EXPECT_TRUE(Resource::findPixmap(QStringLiteral("test/none")).isEmpty());
    EXPECT_TRUE(Resource::findPixmap(QStringLiteral("test/red.png")).isEmpty());
}

TEST(ResourceTest, LoadsPixmapsAndImages)
{
    const QPixmap pixmap = Resource::loadPixmap(QStringLiteral("test/red"));
    EXPECT_EQ(pixmap.size(), QSize(3, 2));
    const QImage image = Resource::loadImage(QStringLiteral("test/red"));
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixelColor(2, 1), QColor(255, 0, 0));
    EXPECT_TRUE(Resource::loadPixmap(QStringLiteral("test/none")).isNull());
    EXPECT_TRUE(Resource::loadImage(QStringLiteral("test/none")).isNull());
}

TEST(ResourceTest, FindsTheProgramsArtworkByItsNames)
{
    const char* names[] = {"tovrin/logo", "tovrin/userreg_0", "tovrin/function_standard", "copy", "paste"};
    for (const char* name : names) {
        EXPECT_FALSE(Resource::findPixmap(QLatin1String(name)).isEmpty()) << name;
        EXPECT_FALSE(Resource::loadImage(QLatin1String(name)).isNull()) << name;
    }
}
