// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Application.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(ApplicationTest, ShowsTheMainWidgetMaximizedUnlessAsked)
{
    auto* app = qobject_cast<Application*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("tovrin"));

    QWidget maximized;
    app->showMainWidget(&maximized, false);
    EXPECT_EQ(app->mainWidget(), &maximized);
    EXPECT_TRUE(maximized.isVisible());
    EXPECT_TRUE(maximized.windowState() & Qt::WindowMaximized);

    {
        QWidget plain;
        app->showMainWidget(&plain, true);
        EXPECT_TRUE(plain.isVisible());
        EXPECT_FALSE(plain.windowState() & Qt::WindowMaximized);
    }
    EXPECT_EQ(app->mainWidget(), nullptr);
}

TEST(ApplicationTest, MenuBarsStayInTheirWindows)
{
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeMenuBar));
}
