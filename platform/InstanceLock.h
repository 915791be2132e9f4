// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator per settings file.  Whoever works on a settings file holds
// its lock, a lock file beside it ("<file>.lock"); a lock left by a process
// that no longer runs is taken over.  The calculator window also listens on
// a local socket named after the file, so that a second start on the same
// file can ask it to come to the front instead of running beside it and
// overwriting its state at exit.
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

    // Takes the lock at once.  False only while another running process
    // holds it; a lock that cannot be made at all (a folder that cannot be
    // written) stops no one.
    bool tryLock();

    enum Claim {
        Claimed, // this process runs the calculator on the file
        Handed,  // a running calculator holds the file and was asked to come to the front
        NoAnswer // another process held the file and did not answer for `timeoutMs`
    };
    // For the window: takes the lock and listens for later starts, or asks
    // the calculator that holds the file to come to the front.  Waits up to
    // `timeoutMs` for a holder that does not answer yet.
    Claim claim(int timeoutMs);

    QString settingsFile() const { return m_settingsFile; }

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
    QLocalServer* m_server = nullptr;
};
