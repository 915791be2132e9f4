// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrefsStorage.h"

#include <QByteArray>

#include <algorithm>

namespace {

unsigned nibble(char c)
{
    if (c >= '0' && c <= '9')
        return unsigned(c - '0');
    if (c >= 'A' && c <= 'F')
        return unsigned(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return unsigned(c - 'a' + 10);
    return 0;
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

} // namespace

PrefsStorage::PrefsStorage(const QString& name, Domain domain)
    : Config(name, domain)
{
}

void PrefsStorage::selectGroup(bool saved)
{
    setGroup(saved ? QStringLiteral("saved") : QStringLiteral("unsaved"));
}

bool PrefsStorage::writeBlock(int block, const void* data, unsigned size, bool saved)
{
    selectGroup(saved);
    const QByteArray bytes(static_cast<const char*>(data), int(size));
    writeEntry(QString::number(block), QString::fromLatin1(bytes.toHex().toUpper()));
    return true;
}

bool PrefsStorage::readBlock(int block, void* data, unsigned* size, bool saved)
{
    selectGroup(saved);
    const QString key = QString::number(block);
    if (!hasKey(key))
        return false;

    const QByteArray text = readEntry(key).toLatin1();
    const unsigned capacity = *size;
    auto* out = static_cast<unsigned char*>(data);
    unsigned count = 0;
    for (qsizetype i = 0; i < text.size() && count < capacity; i += 2) {
        const unsigned high = nibble(text[i]);
        const unsigned low = i + 1 < text.size() ? nibble(text[i + 1]) : 0;
        out[count++] = static_cast<unsigned char>(high << 4 | low);
    }
    *size = count;
    return true;
}

bool PrefsStorage::isWholeBlock(int block, unsigned size, bool saved)
{
    selectGroup(saved);
    const QString key = QString::number(block);
    if (!hasKey(key))
        return false;
    const QString text = readEntry(key);
    if (text.size() != 2 * qsizetype(size))
        return false;
    return std::all_of(text.cbegin(), text.cend(), isHexDigit);
}
