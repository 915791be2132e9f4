// SPDX-License-Identifier: GPL-3.0-or-later
#include "Resource.h"

#include <QFile>

namespace {

QString resourcePath(const QString& name)
{
    return QLatin1String(":/") + name + QLatin1String(".png");
}

} // namespace

QPixmap Resource::loadPixmap(const QString& name)
{
    return QPixmap(resourcePath(name));
}

QImage Resource::loadImage(const QString& name)
{
    return QImage(resourcePath(name));
}

QString Resource::findPixmap(const QString& name)
{
    const QString path = resourcePath(name);
    return QFile::exists(path) ? path : QString();
}
