#pragma once

#include <QByteArray>
#include <QString>

// The texts that make the program the handler of a file extension on a freedesktop.org desktop:
// the desktop entry, the shared-mime-info package and the default-application line of
// mimeapps.list. Pure text, so that it is tested without touching the user's desktop.
class XdgAssociationTexts
{
public:
    // The extension ("nfo" or ".nfo") must be a plain word; otherwise there is nothing to write
    // and `isValid` is false.
    explicit XdgAssociationTexts(const QString& extension);

    bool isValid() const { return !m_extension.isEmpty(); }

    // "text/x-nfo" for "nfo".
    QString mimeType() const;
    // "quilra-nfo.xml", the package's file name under mime/packages.
    QString mimePackageName() const;
    static QString desktopEntryName() { return QStringLiteral("quilra.desktop"); }
    static QString iconName() { return QStringLiteral("quilra"); }

    // The desktop entry that starts `executable` with the chosen file.
    QByteArray desktopEntry(const QString& executable) const;
    QByteArray mimePackage() const;
    // `existing` (the bytes of mimeapps.list, maybe empty) with this type's line under
    // [Default Applications] naming our desktop entry, unless that line names another program
    // first: then `existing` as it is. Every other byte stays as it was.
    QByteArray mimeAppsList(const QByteArray& existing) const;

    // `path` as one argument of a desktop entry's Exec key.
    static QString execArgument(const QString& path);

private:
    QString m_extension;
};
