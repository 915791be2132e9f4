#include "Images.h"

#if __has_include("platform/Resource.h")
#include "platform/Resource.h"
#define TOVRIN_HAVE_RESOURCE 1
#endif

namespace {

#ifdef TOVRIN_HAVE_RESOURCE
QImage resourceImage(const QString& name) { return Resource::loadImage(name); }
QPixmap resourcePixmap(const QString& name) { return Resource::loadPixmap(name); }
QString resourcePath(const QString& name) { return Resource::findPixmap(name); }
#else
// Until the platform layer is built in, pictures come straight from the
// embedded resources, where the picture "N" lives at ":/N.png".
QString resourcePath(const QString& name) { return QStringLiteral(":/") + name + QStringLiteral(".png"); }
QImage resourceImage(const QString& name) { return QImage(resourcePath(name)); }
QPixmap resourcePixmap(const QString& name) { return QPixmap(resourcePath(name)); }
#endif

} // namespace

QImage LoadImage(const QString& name)
{
    return resourceImage(name);
}

QPixmap LoadPixmap(const QString& name)
{
    return resourcePixmap(name);
}

QBitmap LoadBitmap(const QString& name)
{
    QString path = resourcePath(name);
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
