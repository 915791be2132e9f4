// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures fetched by resource name, such as "tovrin/logo".
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// The image or pixmap installed under the name; null when there is none.
QImage LoadImage(const char* name);
QPixmap LoadPixmap(const char* name);

// The same for names built at run time ("tovrin/userreg_%1").
QImage LoadImage(const QString& name);
QPixmap LoadPixmap(const QString& name);
