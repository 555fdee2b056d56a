#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

// The folder of crash snapshots, one file a running instance, never beside the documents:
// `$XDG_STATE_HOME/Quilra`, else `~/.local/state/Quilra`. Each instance holds a lock on its own
// snapshot for as long as it runs; a snapshot whose lock nobody holds was left by a run that
// ended without a clean exit, and is offered back.
class RecoveryStore
{
public:
    explicit RecoveryStore(QString folder);

    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // Names this run's snapshot and locks it; false when the folder cannot be made or locked.
    bool lockOwn();
    QString ownPath() const { return m_ownPath; }
    // Replaces this run's snapshot; false when it could not be written.
    bool writeOwn(const QByteArray& snapshot) const;
    void removeOwn() const;

    // The snapshots no running instance holds, the newest first.
    QStringList orphans() const;
    // Locks an orphan for this run, so that no other instance offers it meanwhile; nothing
    // when another instance holds it.
    static std::unique_ptr<QLockFile> claim(const QString& snapshotPath);
    // Removes a snapshot (its lock goes when released).
    static void remove(const QString& snapshotPath);

private:
    static QString lockPath(const QString& snapshotPath);

    QString m_folder;
    QString m_ownPath;
    std::unique_ptr<QLockFile> m_ownLock;
};
