// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures built into the program, found by resource name: the name
// "tovrin/logo" is the PNG picture ":/tovrin/logo.png" of the Qt resource
// system.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

class Resource {
public:
    // The picture of the name; a null picture when there is none.
    static QPixmap loadPixmap(const QString& name);
    static QImage loadImage(const QString& name);
    // The resource path of the picture of the name, or an empty string when
    // there is none.
    static QString findPixmap(const QString& name);
};
