#pragma once

#include "XdgAssociationTexts.h"

#include <QByteArray>
#include <QString>

// Writes a file association into the user's freedesktop.org folders: the desktop entry and the
// icon under the data folder, the MIME package, and the default-application line of
// mimeapps.list under the config folder; then refreshes the MIME and desktop-entry databases.
// Only files that differ are written, so a second run changes nothing. Nothing is reported: a
// place that cannot be written is skipped and the rest goes on.
class XdgAssociation
{
public:
    XdgAssociation(const QString& dataHome, const QString& configHome, const QString& executable);

    // $XDG_DATA_HOME and $XDG_CONFIG_HOME (or their defaults), and the installed program when
    // there is one, else the running executable.
    static XdgAssociation forCurrentUser();

    void write(const XdgAssociationTexts& texts) const;

private:
    bool writeIcons() const;
    void writeDefaultApplication(const XdgAssociationTexts& texts) const;
    static void refreshDatabase(const QString& program, const QString& folder,
                                const QString& cacheFile, bool changed);

    QString m_dataHome;
    QString m_configHome;
    QString m_executable;
};
