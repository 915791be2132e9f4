// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceLock.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>

namespace {

const QByteArray RaiseRequest = "raise\n";
const QByteArray RaiseAnswer = "ok\n";

// How long one attempt to reach the holder may take, in milliseconds.
constexpr int AttemptTime = 500;

// QLockFile takes over a lock whose process has ended at once, and one
// that is older than this, in milliseconds, and that no process holds in
// the system (flock) any more: one that cannot be read (empty, or not a
// lock at all), or whose process number now belongs to another program of
// the same name.  A running calculator holds its lock for hours and keeps
// it held in the system all that time, so its lock is never taken.  A
// younger lock may be one that is being made right now, not yet held in
// the system: it is judged once it is this old.
constexpr int StaleLockTime = 1000;

} // namespace

InstanceLock::InstanceLock(const QString& settingsFile, QObject* parent)
    : QObject(parent),
      m_settingsFile(canonicalPath(settingsFile)),
      m_lock(m_settingsFile + QLatin1String(".lock"))
{
    m_lock.setStaleLockTime(StaleLockTime);
}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::canonicalPath(const QString& settingsFile)
{
    const QFileInfo file(settingsFile);
    const QString path = file.canonicalFilePath();
    if (!path.isEmpty())
        return path;
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (!folder.isEmpty())
        return folder + QLatin1Char('/') + file.fileName();
    return QDir::cleanPath(file.absoluteFilePath());
}

QString InstanceLock::serverName(const QString& settingsFile)
{
    const QByteArray hash =
        QCryptographicHash::hash(canonicalPath(settingsFile).toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QLatin1String("tovrin-") + QString::fromLatin1(hash);
}

InstanceLock::Result InstanceLock::lock()
{
    if (m_lock.isLocked())
        return Locked;
    if (!QDir().mkpath(QFileInfo(m_settingsFile).absolutePath()))
        return Unlockable;
    const QDeadlineTimer deadline(2 * StaleLockTime);
    for (;;) {
        qint64 pid = 0;
        QString host, application;
        if (m_lock.getLockInfo(&pid, &host, &application) && !host.isEmpty() &&
            host != QSysInfo::machineHostName()) {
            m_holderHost = host;
            return HeldElsewhere;
        }
        if (m_lock.tryLock(0))
            return Locked;
        if (m_lock.error() != QLockFile::LockFailedError)
            return Unlockable;
        // Held, unless the lock is too young to be judged: then it is
        // judged again when it is old enough, or when its holder lets go.
        // (QLockFile has just judged it by an age a moment younger.)
        const QDateTime made = QFileInfo(m_lock.fileName()).lastModified();
        const qint64 age = made.isValid() ? made.msecsTo(QDateTime::currentDateTime()) : 0;
        if (qAbs(age) > StaleLockTime + 100 || deadline.hasExpired())
            return HeldHere;
        QThread::msleep(50);
    }
}

InstanceLock::Result InstanceLock::claim(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        // A running calculator answers at once; the holder may also be a
        // window that is just starting, or a short run of the driver: try
        // again until the deadline.
        if (askHolder())
            return Handed;
        const Result result = lock();
        if (result == Locked)
            listen();
        if (result != HeldHere || deadline.hasExpired())
            return result;
        QThread::msleep(50);
    }
}

bool InstanceLock::listen()
{
    if (m_server)
        return true;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName(m_settingsFile);
    // A socket left by a calculator that crashed: the lock is ours, so
    // nobody listens on it any more.
    QLocalServer::removeServer(name);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceLock::answer);
    return m_server->listen(name);
}

bool InstanceLock::askHolder()
{
    QLocalSocket socket;
    socket.connectToServer(serverName(m_settingsFile));
    if (!socket.waitForConnected(AttemptTime))
        return false;
    socket.write(RaiseRequest);
    if (!socket.waitForBytesWritten(AttemptTime))
        return false;
    while (socket.bytesAvailable() < RaiseAnswer.size())
        if (!socket.waitForReadyRead(AttemptTime))
            return false;
    return socket.read(RaiseAnswer.size()) == RaiseAnswer;
}

void InstanceLock::answer()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto handle = [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == RaiseRequest) {
                socket->write(RaiseAnswer);
                socket->flush();
                emit raiseRequested();
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, handle);
        handle();
    }
}
