// SPDX-License-Identifier: GPL-3.0-or-later
#include "Images.h"

#include "platform/Resource.h"

QImage LoadImage(const QString& name)
{
    return Resource::loadImage(name);
}

QPixmap LoadPixmap(const QString& name)
{
    return Resource::loadPixmap(name);
}

QImage LoadImage(const char* name)
{
    return LoadImage(QString::fromLatin1(name));
}

QPixmap LoadPixmap(const char* name)
{
    return LoadPixmap(QString::fromLatin1(name));
}
