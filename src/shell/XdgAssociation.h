#pragma once

#include "XdgAssociationTexts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class ProgramFolders;

// Writes a file association into the user's freedesktop.org folders. An installed program has
// its desktop entry, icons and MIME data in the system's folders, so only the default-application
// line of mimeapps.list is written, and the user-level entry an earlier version wrote for it is
// taken away. A copy run from a build or a portable folder also writes its own desktop entry and
// icons under the data folder, and a MIME package when the system does not know the type (one of
// ours for a type the system knows is taken away); then the MIME and desktop-entry databases are
// refreshed. Only files that differ
// are written, so a second run changes nothing, and a start with nothing to write only reads a
// few small files. Nothing is reported: a place that cannot be written is skipped and the rest
// goes on.
class XdgAssociation
{
public:
    enum class Layout
    {
        Installed,
        Portable,
    };

    // `systemData` are the system's data folders ($XDG_DATA_DIRS), where shared-mime-info keeps
    // the types it knows.
    XdgAssociation(const QString& dataHome, const QString& configHome, const QString& executable,
                   Layout layout, const QStringList& systemData);

    // $XDG_DATA_HOME, $XDG_CONFIG_HOME and $XDG_DATA_DIRS (or their defaults), and the installed
    // program when there is one, else the running executable.
    static XdgAssociation forProgram(const ProgramFolders& folders);
    static XdgAssociation forCurrentUser();

    void write(const XdgAssociationTexts& texts) const;

private:
    // Each true when it changed a file.
    bool placeMimePackage(const XdgAssociationTexts& texts) const;
    bool writeUserLevelEntry(const XdgAssociationTexts& texts) const;
    bool removeUserLevelEntry() const;
    bool systemKnows(const QString& mimeType) const;
    bool writeIcons(bool replace) const;
    void writeDefaultApplication(const XdgAssociationTexts& texts) const;
    static void refreshDatabase(const QString& program, const QString& folder,
                                const QString& cacheFile, bool changed);

    QString m_dataHome;
    QString m_configHome;
    QString m_executable;
    Layout m_layout;
    QStringList m_systemData;
};
