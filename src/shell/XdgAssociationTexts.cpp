#include "XdgAssociationTexts.h"

#include "product/ProductInfo.h"

#include <QList>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QByteArray kDefaultGroup = QByteArrayLiteral("[Default Applications]");

// The key of a "key=value" line, or nothing for comments, groups and other lines.
QByteArray keyOf(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf('=');
    if (trimmed.startsWith('#') || equals < 0)
        return QByteArray();
    return trimmed.left(equals).trimmed();
}

// The lines with our entry placed: in place of the first line of our key inside
// [Default Applications], later lines of that key dropped. False when there was no such line.
bool replaceOwnLine(QList<QByteArray>& lines, const QByteArray& key, const QByteArray& own)
{
    bool inDefaults = false;
    bool placed = false;
    QList<QByteArray> result;
    for (const QByteArray& line : lines) {
        if (line.trimmed().startsWith('['))
            inDefaults = line.trimmed() == kDefaultGroup;
        if (!inDefaults || keyOf(line) != key) {
            result.append(line);
        } else if (!placed) {
            // Keep the file's own line end.
            result.append(line.endsWith('\r') ? own + '\r' : own);
            placed = true;
        }
    }
    lines = result;
    return placed;
}

// The first desktop entry that the first line of the key inside [Default Applications] names,
// or "" when the group has no such line.
QByteArray firstDefault(const QList<QByteArray>& lines, const QByteArray& key)
{
    bool inDefaults = false;
    for (const QByteArray& line : lines) {
        if (line.trimmed().startsWith('['))
            inDefaults = line.trimmed() == kDefaultGroup;
        if (inDefaults && keyOf(line) == key) {
            const QByteArray value = line.mid(line.indexOf('=') + 1);
            for (const QByteArray& entry : value.split(';')) {
                if (!entry.trimmed().isEmpty())
                    return entry.trimmed();
            }
            return QByteArray();
        }
    }
    return QByteArray();
}

} // namespace

XdgAssociationTexts::XdgAssociationTexts(const QString& extension)
{
    static const QRegularExpression plainWord(QStringLiteral("^[a-z0-9][a-z0-9_+-]*$"));
    QString word = extension.toLower();
    if (word.startsWith(QLatin1Char('.')))
        word.remove(0, 1);
    if (plainWord.match(word).hasMatch())
        m_extension = word;
}

QString XdgAssociationTexts::mimeType() const
{
    return QStringLiteral("text/x-") + m_extension;
}

QString XdgAssociationTexts::mimePackageName() const
{
    return QStringLiteral("quilra-%1.xml").arg(m_extension);
}

QByteArray XdgAssociationTexts::desktopEntry(const QString& executable) const
{
    const QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=%1\n"
                       "GenericName=NFO Viewer\n"
                       "GenericName[de]=NFO-Betrachter\n"
                       "GenericName[fr]=Visionneuse NFO\n"
                       "Comment=View and create NFO files\n"
                       "Comment[de]=NFO-Dateien ansehen und erstellen\n"
                       "Comment[fr]=Afficher et cr\u00e9er des fichiers NFO\n"
                       "Keywords=NFO;ASCII art;ANSI;CP437;scene;\n"
                       "Keywords[de]=NFO;ASCII-Art;ANSI;CP437;Szene;\n"
                       "Keywords[fr]=NFO;art ASCII;ANSI;CP437;sc\u00e8ne;\n"
                       "Exec=%2 %f\n"
                       "Icon=%3\n"
                       "Terminal=false\n"
                       "Categories=Utility;TextEditor;\n"
                       "MimeType=%4;\n")
            .arg(ProductInfo::Title, execArgument(executable), iconName(), mimeType());
    return text.toUtf8();
}

QByteArray XdgAssociationTexts::mimePackage() const
{
    const QString text =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"%1\">\n"
            "    <comment>NFO document</comment>\n"
            "    <sub-class-of type=\"text/plain\"/>\n"
            "    <glob pattern=\"*.%2\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n")
            .arg(mimeType(), m_extension);
    return text.toUtf8();
}

QByteArray XdgAssociationTexts::mimeAppsList(const QByteArray& existing) const
{
    const QByteArray key = mimeType().toUtf8();
    const QByteArray own = key + '=' + desktopEntryName().toUtf8();
    QList<QByteArray> lines = existing.split('\n');
    if (existing.isEmpty())
        lines.clear();
    // A default the user chose for the type is theirs to keep.
    const QByteArray chosen = firstDefault(lines, key);
    if (!chosen.isEmpty() && chosen != desktopEntryName().toUtf8())
        return existing;
    if (replaceOwnLine(lines, key, own))
        return lines.join('\n');

    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed() == kDefaultGroup) {
            lines.insert(i + 1, own);
            return lines.join('\n');
        }
    }
    // No [Default Applications] yet: a new group at the end, after a blank line.
    const bool endedWithNewline = !lines.isEmpty() && lines.last().isEmpty();
    if (endedWithNewline)
        lines.removeLast();
    if (!lines.isEmpty())
        lines.append(QByteArray());
    lines.append(kDefaultGroup);
    lines.append(own);
    lines.append(QByteArray());
    return lines.join('\n');
}

QString XdgAssociationTexts::execArgument(const QString& path)
{
    // The Exec key quotes an argument that holds a reserved character and escapes ", `, $ and
    // \ inside the quotes; the key file then escapes backslashes and control characters once
    // more, and a literal % is doubled so that it is no field code.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escapedInQuotes = QStringLiteral("\"`$\\");
    QString argument = path;
    if (std::any_of(path.begin(), path.end(), [](QChar c) { return reserved.contains(c); })) {
        argument = QStringLiteral("\"");
        for (const QChar c : path) {
            if (escapedInQuotes.contains(c))
                argument += QLatin1Char('\\');
            argument += c;
        }
        argument += QLatin1Char('"');
    }
    argument.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    argument.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    argument.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    argument.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return argument;
}
