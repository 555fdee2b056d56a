#include "InputFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString absolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

InputFiles::InputFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (path.isEmpty())
            continue;
        m_paths.insert(absolute(path));
        if (const auto identity = WholeFile::identity(path))
            m_identities.insert(*identity);
    }
}

bool InputFiles::contains(const QString& path) const
{
    if (path.isEmpty())
        return false;
    const auto identity = WholeFile::identity(path);
    return (identity && m_identities.contains(*identity)) || m_paths.contains(absolute(path));
}

QString InputFiles::refusal(const QString& path) const
{
    if (contains(path))
        return QCoreApplication::translate("InputFiles",
                                           "%1 is one of the files read; it is not written over.")
            .arg(QDir::toNativeSeparators(path));
    return WholeFile::refusal(path, WholeFile::kindOf(path));
}
