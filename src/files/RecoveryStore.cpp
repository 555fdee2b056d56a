#include "RecoveryStore.h"

#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

namespace {

const QString kSuffix = QStringLiteral(".snapshot");

std::unique_ptr<QLockFile> lockNow(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path);
    // A lock is never stale by age: only a lock whose process has gone is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace

RecoveryStore::RecoveryStore(QString folder) : m_folder(std::move(folder)) {}

QString RecoveryStore::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME counts as unset, as the desktops treat it.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/Quilra");
}

bool RecoveryStore::lockOwn()
{
    if (m_ownLock)
        return true;
    // Private: the snapshots hold the user's unsaved text.
    if (!QDir().mkpath(m_folder))
        return false;
    QFile::setPermissions(m_folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString name = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString path = m_folder + QLatin1Char('/') + name + kSuffix;
    m_ownLock = lockNow(lockPath(path));
    if (m_ownLock)
        m_ownPath = path;
    return m_ownLock != nullptr;
}

bool RecoveryStore::writeOwn(const QByteArray& snapshot) const
{
    return !m_ownPath.isEmpty() && WholeFile::replace(m_ownPath, snapshot);
}

void RecoveryStore::removeOwn() const
{
    if (!m_ownPath.isEmpty())
        QFile::remove(m_ownPath);
}

QStringList RecoveryStore::orphans() const
{
    QStringList found;
    const QFileInfoList files = QDir(m_folder).entryInfoList(
        {QLatin1Char('*') + kSuffix}, QDir::Files | QDir::Hidden, QDir::Time);
    for (const QFileInfo& file : files) {
        const QString path = file.absoluteFilePath();
        if (path != m_ownPath && lockNow(lockPath(path)))
            found.append(path);
    }
    return found;
}

std::unique_ptr<QLockFile> RecoveryStore::claim(const QString& snapshotPath)
{
    return lockNow(lockPath(snapshotPath));
}

void RecoveryStore::remove(const QString& snapshotPath)
{
    QFile::remove(snapshotPath);
}

QString RecoveryStore::lockPath(const QString& snapshotPath)
{
    return snapshotPath + QStringLiteral(".lock");
}
