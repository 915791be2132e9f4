// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator per settings file.  Whoever works on a settings file holds
// its lock, a lock file beside it ("<file>.lock").  A lock that no process
// of this computer holds any more (its process ended, or the file is empty
// or unreadable) is taken over; a lock made on another computer is not,
// since its calculator may run there on a shared folder.  The calculator
// window also listens on a local socket named after the file, so that a
// second start on the same file can ask it to come to the front instead of
// running beside it and overwriting its state at exit.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

class InstanceLock : public QObject {
    Q_OBJECT
public:
    explicit InstanceLock(const QString& settingsFile, QObject* parent = nullptr);
    ~InstanceLock() override;

    enum Result {
        Locked,        // this process holds the file
        Handed,        // a running calculator holds the file and was asked to come to the front
        HeldHere,      // a running process of this computer holds the file
        HeldElsewhere, // the lock was made on another computer, holderHost()
        Unlockable     // the lock file cannot be made: a read-only folder, a full disk
    };

    // Takes the lock: Locked, HeldHere, HeldElsewhere or Unlockable.  A lock
    // made less than a second ago, not yet to be judged, is waited for
    // until it is older or let go, two seconds at the most.
    Result lock();

    // For the window: takes the lock and listens for later starts, or asks
    // the calculator that holds the file to come to the front (Handed).
    // Waits up to `timeoutMs` for a holder that does not answer yet, then
    // gives HeldHere.
    Result claim(int timeoutMs);

    QString settingsFile() const { return m_settingsFile; }
    QString lockFileName() const { return m_lock.fileName(); }
    // The computer named in a lock made on another one.
    QString holderHost() const { return m_holderHost; }

    // The settings file's path with links and "." resolved, also for a file
    // or folder that does not exist yet.
    static QString canonicalPath(const QString& settingsFile);
    // The local socket's name: a hash of the canonical path, short at any
    // path length.
    static QString serverName(const QString& settingsFile);

signals:
    // A later start on the same file asked this calculator to come to the
    // front.
    void raiseRequested();

private:
    bool listen();
    bool askHolder();
    void answer();

    QString m_settingsFile;
    QLockFile m_lock;
    QString m_holderHost;
    QLocalServer* m_server = nullptr;
};
