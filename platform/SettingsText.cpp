// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsText.h"

#include <QStringDecoder>

namespace {

// The characters a value keeps as they are: printable ASCII but "%".
QByteArray PlainValueCharacters()
{
    QByteArray plain;
    for (char c = 0x21; c < 0x7F; ++c)
        if (c != '%')
            plain += c;
    return plain;
}

QByteArray NameText(const QString& name)
{
    return name.toUtf8().toPercentEncoding();
}

QByteArray ValueText(const QString& value)
{
    static const QByteArray plain = PlainValueCharacters();
    return value.toUtf8().toPercentEncoding(plain);
}

// The text of %XX-encoded UTF-8; false when it is not UTF-8.
bool Decode(const QByteArray& encoded, QString* text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = utf8(QByteArray::fromPercentEncoding(encoded));
    // An empty value is there all the same: not a null string.
    if (text->isNull())
        *text = QStringLiteral("");
    return !utf8.hasError();
}

} // namespace

QByteArray SettingsText(const SettingsGroups& groups)
{
    QByteArray text;
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        if (group->isEmpty())
            continue;
        if (!group.key().isEmpty()) {
            if (!text.isEmpty())
                text += '\n';
            text += '[' + NameText(group.key()) + "]\n";
        }
        for (auto entry = group->cbegin(); entry != group->cend(); ++entry)
            text += NameText(entry.key()) + '=' + ValueText(entry.value()) + '\n';
    }
    return text;
}

SettingsGroups ParseSettingsText(const QByteArray& text, bool* clean)
{
    SettingsGroups groups;
    *clean = true;
    QString group;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArray line = text.mid(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            // A header without its closing bracket still names the group
            // of the entries that follow, so that they can be read.
            const bool closed = line.endsWith(']');
            if (!Decode(line.mid(1, line.size() - (closed ? 2 : 1)), &group) || !closed)
                *clean = false;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        QString key, value;
        if (equals <= 0 || !Decode(line.left(equals).trimmed(), &key) ||
            !Decode(line.mid(equals + 1).trimmed(), &value) || key.isEmpty()) {
            *clean = false;
            continue;
        }
        QMap<QString, QString>& entries = groups[group];
        if (entries.contains(key))
            *clean = false;
        entries.insert(key, value);
    }
    return groups;
}
