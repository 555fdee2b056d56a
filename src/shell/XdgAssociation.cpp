#include "XdgAssociation.h"

#include "files/WholeFile.h"
#include "settings/ProgramFolders.h"
#include "ui/ProgramArt.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

namespace {

// The database programs normally take well under a second; a stuck one must not hold up the
// program's start.
constexpr int kStartTimeoutMs = 5000;
constexpr int kFinishTimeoutMs = 15000;

// The desktop's own files are small; one far larger is not read.
constexpr qint64 kMaxFileSize = qint64(4) * 1024 * 1024;

// Writes `bytes` to `path` unless the file holds them already. True when the file changed.
bool store(const QString& path, const QByteArray& bytes)
{
    const WholeFile::Contents current = WholeFile::read(path, kMaxFileSize);
    if (current.status == WholeFile::Status::Read && current.bytes == bytes)
        return false;
    // A link stays a link: the file it points to is the one replaced.
    const QFileInfo info(path);
    const QString target =
        info.isSymLink() && !info.canonicalFilePath().isEmpty() ? info.canonicalFilePath() : path;
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    return WholeFile::replace(target, bytes);
}

QByteArray pngBytes(int size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ProgramArt::iconPixmap(size).toImage().save(&buffer, "PNG");
    return bytes;
}

void runQuietly(const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(path, arguments);
    if (!process.waitForStarted(kStartTimeoutMs))
        return;
    if (!process.waitForFinished(kFinishTimeoutMs)) {
        process.kill();
        process.waitForFinished(kStartTimeoutMs);
    }
}

} // namespace

XdgAssociation::XdgAssociation(const QString& dataHome, const QString& configHome,
                               const QString& executable, Layout layout,
                               const QStringList& systemData)
    : m_dataHome(dataHome), m_configHome(configHome), m_executable(executable), m_layout(layout),
      m_systemData(systemData)
{
}

XdgAssociation XdgAssociation::forProgram(const ProgramFolders& folders)
{
    // A copy run from a build or another folder must not take double-clicks away from the
    // installed program, which stays when the copy is gone.
    QString executable = folders.installedExecutable();
    if (executable.isEmpty())
        executable = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QStringList systemData = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    systemData.removeAll(dataHome);
    return XdgAssociation(
        dataHome, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        executable, folders.isInstalled() ? Layout::Installed : Layout::Portable, systemData);
}

XdgAssociation XdgAssociation::forCurrentUser()
{
    return forProgram(ProgramFolders::forRunningProgram());
}

void XdgAssociation::write(const XdgAssociationTexts& texts) const
{
    if (!texts.isValid())
        return;
    // The installed desktop entry, icons and MIME data serve every user; copies of them in the
    // user's folders would hide the system's and outlive the package.
    if (!m_dataHome.isEmpty()) {
        const bool mimeChanged = placeMimePackage(texts);
        const bool entryChanged =
            m_layout == Layout::Portable ? writeUserLevelEntry(texts) : removeUserLevelEntry();
        const QDir data(m_dataHome);
        refreshDatabase(QStringLiteral("update-mime-database"),
                        data.filePath(QStringLiteral("mime")), QStringLiteral("mime.cache"),
                        mimeChanged);
        refreshDatabase(QStringLiteral("update-desktop-database"),
                        data.filePath(QStringLiteral("applications")),
                        QStringLiteral("mimeinfo.cache"), entryChanged);
    }
    writeDefaultApplication(texts);
}

bool XdgAssociation::placeMimePackage(const XdgAssociationTexts& texts) const
{
    // shared-mime-info defines the common types with their translations: a package of ours,
    // maybe left by an earlier version, would replace that definition.
    const QString package =
        QDir(m_dataHome).filePath(QStringLiteral("mime/packages/") + texts.mimePackageName());
    if (systemKnows(texts.mimeType()))
        return QFileInfo::exists(package) && QFile::remove(package);
    return m_layout == Layout::Portable && store(package, texts.mimePackage());
}

bool XdgAssociation::writeUserLevelEntry(const XdgAssociationTexts& texts) const
{
    bool changed = false;
    if (!m_executable.isEmpty())
        changed = store(QDir(m_dataHome)
                            .filePath(QStringLiteral("applications/") +
                                      XdgAssociationTexts::desktopEntryName()),
                        texts.desktopEntry(m_executable));
    return writeIcons(changed) || changed;
}

bool XdgAssociation::removeUserLevelEntry() const
{
    // Earlier versions wrote it at every start. Only an entry that starts this installed
    // program is ours to take away, with its icons; a user's own entry stays.
    const QString entry =
        QDir(m_dataHome)
            .filePath(QStringLiteral("applications/") + XdgAssociationTexts::desktopEntryName());
    const QString exec =
        QStringLiteral("\nExec=%1 %f\n").arg(XdgAssociationTexts::execArgument(m_executable));
    const WholeFile::Contents old = WholeFile::read(entry, kMaxFileSize);
    if (old.status != WholeFile::Status::Read || m_executable.isEmpty() ||
        !QString::fromUtf8(old.bytes).contains(exec) || !QFile::remove(entry))
        return false;
    for (const int size : {48, 256})
        QFile::remove(QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png")
                          .arg(m_dataHome)
                          .arg(size)
                          .arg(XdgAssociationTexts::iconName()));
    return true;
}

bool XdgAssociation::systemKnows(const QString& mimeType) const
{
    // update-mime-database writes one file for each type it knows: text/x-nfo.xml.
    return std::any_of(m_systemData.begin(), m_systemData.end(), [&](const QString& folder) {
        return QFileInfo::exists(QStringLiteral("%1/mime/%2.xml").arg(folder, mimeType));
    });
}

bool XdgAssociation::writeIcons(bool replace) const
{
    // Drawing needs the GUI application; without one the entry simply shows no icon.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    bool changed = false;
    for (const int size : {48, 256}) {
        const QString path = QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png")
                                 .arg(m_dataHome)
                                 .arg(size)
                                 .arg(XdgAssociationTexts::iconName());
        // Drawing an icon costs more than the rest of the start: icons in place are redrawn
        // only with a new desktop entry, that is when the program moved or changed.
        if (replace || !QFileInfo::exists(path))
            changed = store(path, pngBytes(size)) || changed;
    }
    return changed;
}

void XdgAssociation::writeDefaultApplication(const XdgAssociationTexts& texts) const
{
    if (m_configHome.isEmpty())
        return;
    const QString path = QDir(m_configHome).filePath(QStringLiteral("mimeapps.list"));
    QByteArray existing;
    if (QFileInfo::exists(path)) {
        // A list that cannot be read is left alone rather than replaced by our line only.
        WholeFile::Contents current = WholeFile::read(path, kMaxFileSize);
        if (current.status != WholeFile::Status::Read)
            return;
        existing = std::move(current.bytes);
    }
    store(path, texts.mimeAppsList(existing));
}

void XdgAssociation::refreshDatabase(const QString& program, const QString& folder,
                                     const QString& cacheFile, bool changed)
{
    // Nothing to index when our files could not be written; nothing new when they were already
    // there and the database was built.
    const QDir dir(folder);
    if (!dir.exists() || (!changed && dir.exists(cacheFile)))
        return;
    runQuietly(program, {folder});
}
