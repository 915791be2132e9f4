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

QBitmap LoadBitmap(const QString& name)
{
    QString path = Resource::findPixmap(name);
    if (path.isEmpty())
        return QBitmap();
    QImage image(path);
    if (image.isNull())
        return QBitmap();
    // Black ink becomes the set colour of the mask, white stays clear.
    return QBitmap::fromImage(image.convertToFormat(QImage::Format_Mono), Qt::ThresholdDither);
}

QImage LoadImage(const char* name)
{
    return LoadImage(QString::fromLatin1(name));
}

QPixmap LoadPixmap(const char* name)
{
    return LoadPixmap(QString::fromLatin1(name));
}

QBitmap LoadBitmap(const char* name)
{
    return LoadBitmap(QString::fromLatin1(name));
}
