// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are read whole and replaced whole, and never half-written.
//
// Only a regular file, or a symbolic link that leads to one, is read or
// written: a folder, a device, a FIFO or a socket in its place is left
// alone, so that nothing blocks on it, reads without end or replaces it.
// A replacement is written beside the file it replaces, under the name
// "<file>.tmp-XXXXXX", and every step is checked: the writes, the flush
// and the sync to the disk, a reading back, the rename over the old file
// and the sync of the folder.  On any failure the old file stays as it was
// and the new one is removed.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>

class QFileDevice;

// What a path leads to, through any symbolic links.
enum class FileKind { Absent, Regular, Folder, Device, Fifo, Socket, Other };
FileKind KindOfFile(const QString& path);

// The path that the chain of symbolic links from `path` ends at, also when
// that end does not exist yet; `path` itself when it is no link.
QString LinkEnd(const QString& path);

struct FileRead {
    FileKind kind = FileKind::Absent;
    QByteArray bytes;
    // Larger than the limit: nothing was kept.
    bool tooLarge = false;
    // Why a regular file could not be read; empty when it was.
    QString error;
};

// The bytes of the regular file at `path`, at most `limit` of them.
// Anything else is not opened, and its kind is all that is returned.
FileRead ReadRegularFile(const QString& path, qint64 limit);

// Puts the bytes that `fill` writes in place of the file at `path` (or of
// the file its links lead to, which stay links), keeping that file's
// permissions and, where the system allows, its owner.  `check`, when
// given, gets the bytes as read back from the disk and may refuse them.
// Returns whether the new file is in place; on false *error says why.
using FileFill = std::function<bool(QFileDevice& file)>;
using FileCheck = std::function<bool(const QByteArray& written)>;
bool ReplaceFile(const QString& path, const FileFill& fill, const FileCheck& check, QString* error);

// ReplaceFile with the whole of `bytes` as the new file's content.
bool ReplaceFileWith(const QString& path, const std::string& bytes, QString* error);

// Copies the regular file `from` to `to`, a path not in use, as durably.
bool CopyRegularFile(const QString& from, const QString& to, QString* error);

// Removes the new files that replacements of `path` left when they were
// cut off (the program killed, the machine stopped) and that are older
// than a minute; nothing else.
void RemoveLeftoverFiles(const QString& path);
