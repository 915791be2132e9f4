// SPDX-License-Identifier: GPL-3.0-or-later
#include "DurableFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The replacement of "<file>": the exact name pattern of its new files.
const QLatin1String NewFileMark(".tmp-");

// How old a new file must be before it counts as left over, in seconds.
constexpr qint64 LeftoverAge = 60;

QString ErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

FileKind KindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    if (S_ISFIFO(mode))
        return FileKind::Fifo;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    return FileKind::Other;
}

// Opens the regular file at `path` for reading, without waiting on a FIFO
// or opening anything else.  Returns the descriptor, or -1 with *kind
// saying what is there instead (Absent, or Regular with *error).
int OpenRegular(const QString& path, FileKind* kind, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (::stat(name.constData(), &status) != 0) {
        *kind = errno == ENOENT || errno == ENOTDIR ? FileKind::Absent : FileKind::Regular;
        if (*kind == FileKind::Regular)
            *error = ErrorText(errno);
        return -1;
    }
    *kind = KindOfMode(status.st_mode);
    if (*kind != FileKind::Regular)
        return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = ErrorText(errno);
        return -1;
    }
    // Whatever was put in its place since.
    if (::fstat(fd, &status) != 0 || (*kind = KindOfMode(status.st_mode)) != FileKind::Regular) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Gives the file the owner and group, or the group alone; false when
// neither is this user's to give (the file then stays this user's).
bool GiveOwner(int fd, uid_t owner, gid_t group)
{
    return ::fchown(fd, owner, group) == 0 || ::fchown(fd, uid_t(-1), group) == 0;
}

bool SyncFolder(const QString& folder, QString* error)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *error = ErrorText(errno);
        return false;
    }
    // A file system that cannot sync a folder says EINVAL: nothing to do.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    if (!synced)
        *error = ErrorText(errno);
    ::close(fd);
    return synced;
}

} // namespace

FileKind KindOfFile(const QString& path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return FileKind::Absent;
    return KindOfMode(status.st_mode);
}

QString LinkEnd(const QString& path)
{
    QFileInfo link(path);
    // As many links as the system follows itself.
    for (int hops = 0; hops < 40 && link.isSymLink(); ++hops)
        link.setFile(link.symLinkTarget());
    return link.absoluteFilePath();
}

FileRead ReadRegularFile(const QString& path, qint64 limit)
{
    FileRead read;
    const int fd = OpenRegular(path, &read.kind, &read.error);
    if (fd < 0)
        return read;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        read.error = file.errorString();
        return read;
    }
    // In pieces, the first of the size the file says it has, so that no
    // buffer of the limit's size is made for a small file.
    qint64 piece = qMin(file.size(), limit) + 1;
    while (read.bytes.size() <= limit) {
        const QByteArray bytes = file.read(qMin(piece, limit + 1 - read.bytes.size()));
        if (bytes.isEmpty())
            break;
        read.bytes += bytes;
        piece = 1 << 16;
    }
    if (file.error() != QFileDevice::NoError) {
        read.error = file.errorString();
        read.bytes.clear();
    } else if (read.bytes.size() > limit) {
        read.tooLarge = true;
        read.bytes.clear();
    }
    return read;
}

bool ReplaceFile(const QString& path, const FileFill& fill, const FileCheck& check, QString* error)
{
    const QString target = LinkEnd(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old;
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (!exists && errno != ENOENT) {
        *error = ErrorText(errno);
        return false;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        *error = QStringLiteral("not a regular file");
        return false;
    }
    // A file made read-only is left alone, as an editor would.
    if (exists && ::access(targetName.constData(), W_OK) != 0) {
        *error = ErrorText(errno);
        return false;
    }
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("the folder %1 cannot be made").arg(folder);
        return false;
    }

    QTemporaryFile file(target + NewFileMark + QLatin1String("XXXXXX"));
    if (!file.open()) {
        *error = file.errorString();
        return false;
    }
    const int fd = file.handle();
    if (exists) {
        // The new file takes the old one's place with its permissions and,
        // as far as this user may give them, its owner and group.
        if (::fchmod(fd, old.st_mode & 07777) != 0) {
            *error = ErrorText(errno);
            return false;
        }
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)GiveOwner(fd, old.st_uid, old.st_gid);
    }
    if (!fill(file) || !file.flush()) {
        *error = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("write failed");
        return false;
    }
    if (::fsync(fd) != 0) {
        *error = ErrorText(errno);
        return false;
    }
    if (check) {
        QByteArray written;
        if (file.seek(0))
            written = file.readAll();
        if (file.error() != QFileDevice::NoError || !check(written)) {
            *error = QStringLiteral("the written file does not read back as written");
            return false;
        }
    }
    // The name materializes the file if it has none yet.
    const QByteArray newName = QFile::encodeName(file.fileName());
    if (::rename(newName.constData(), targetName.constData()) != 0) {
        *error = ErrorText(errno);
        return false;
    }
    file.setAutoRemove(false);
    return SyncFolder(folder, error);
}

bool ReplaceFileWith(const QString& path, const std::string& bytes, QString* error)
{
    return ReplaceFile(
        path,
        [&bytes](QFileDevice& file) { return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()); },
        nullptr, error);
}

bool CopyRegularFile(const QString& from, const QString& to, QString* error)
{
    FileKind kind;
    const int fd = OpenRegular(from, &kind, error);
    if (fd < 0) {
        if (error->isEmpty())
            *error = QStringLiteral("not a regular file");
        return false;
    }
    QFile source;
    if (!source.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = source.errorString();
        return false;
    }
    return ReplaceFile(
        to,
        [&source](QFileDevice& copy) {
            constexpr qint64 Chunk = 1 << 20;
            while (!source.atEnd()) {
                const QByteArray bytes = source.read(Chunk);
                if (source.error() != QFileDevice::NoError || bytes.isEmpty() || copy.write(bytes) != bytes.size())
                    return false;
            }
            return true;
        },
        nullptr, error);
}

void RemoveLeftoverFiles(const QString& path)
{
    const QFileInfo target(LinkEnd(path));
    const QRegularExpression leftover(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(target.fileName() + NewFileMark) +
                                            QLatin1String("[A-Za-z0-9]{6}")));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-LeftoverAge);
    const QFileInfoList candidates = target.dir().entryInfoList({target.fileName() + NewFileMark + QLatin1Char('*')},
                                                                QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : candidates)
        if (leftover.match(file.fileName()).hasMatch() && file.lastModified() < old)
            QFile::remove(file.absoluteFilePath());
}
