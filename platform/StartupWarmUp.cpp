// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupWarmUp.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <fontconfig/fontconfig.h>

#include <utility>

BackgroundTask::BackgroundTask(std::function<void()> work)
    : m_thread(std::move(work))
{
}

BackgroundTask::~BackgroundTask()
{
    m_thread.join();
}

void ReadFontConfiguration()
{
    // The configuration is read once per process; Qt's font database asks
    // for the same one later and finds it ready.
    FcInit();
}

void LoadImagePlugins()
{
    // Asking for the format of a picture makes the reader load every
    // plugin to ask it; the plugins then stay loaded for the main thread.
    // The start of a PNG file is picture enough.
    QByteArray start("\x89PNG\r\n\x1a\n", 8);
    QBuffer picture(&start);
    picture.open(QIODevice::ReadOnly);
    QImageReader(&picture).format();
}
