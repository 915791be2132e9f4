// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceLock.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

const QByteArray RaiseRequest = "raise\n";
const QByteArray RaiseAnswer = "ok\n";

// How long one attempt to reach the holder may take, in milliseconds.
constexpr int AttemptTime = 500;

} // namespace

InstanceLock::InstanceLock(const QString& settingsFile, QObject* parent)
    : QObject(parent),
      m_settingsFile(canonicalPath(settingsFile)),
      m_lock(m_settingsFile + QLatin1String(".lock"))
{
    // A lock is stale only when its process no longer runs, however long
    // the calculator has been open.
    m_lock.setStaleLockTime(0);
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

bool InstanceLock::tryLock()
{
    if (m_lock.isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_settingsFile).absolutePath());
    return m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError;
}

InstanceLock::Claim InstanceLock::claim(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (tryLock()) {
            listen();
            return Claimed;
        }
        // The holder may be a window that is just starting, or a short run
        // of the driver: try again until the deadline.
        if (askHolder())
            return Handed;
        if (deadline.hasExpired())
            return NoAnswer;
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
