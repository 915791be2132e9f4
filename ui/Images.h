// Pictures fetched by resource name, such as "tovrin/glyphs".
#pragma once

#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <QString>

// The image or pixmap installed under the name; null when there is none.
QImage LoadImage(const char* name);
QPixmap LoadPixmap(const char* name);

// A one-bit mask read from the file installed under the name: ink (black)
// pixels are set.  Null when there is no such picture.
QBitmap LoadBitmap(const char* name);

// The same for names built at run time ("tovrin/status_%1_hires").
QImage LoadImage(const QString& name);
QPixmap LoadPixmap(const QString& name);
QBitmap LoadBitmap(const QString& name);
