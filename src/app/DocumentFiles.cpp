#include "DocumentFiles.h"

#include "documents/DocumentFormat.h"
#include "documents/RefusedCharacter.h"
#include "files/FileStamp.h"
#include "files/WholeFile.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "ui/Dialogs.h"
#include "ui/NfoDocument.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>

DocumentFiles::DocumentFiles(Dialogs& dialogs, QWidget* parent, NfoDocument& document)
    : m_dialogs(dialogs), m_parent(parent), m_document(document)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DocumentFiles::fileChanged);
}

NfoFile::Status DocumentFiles::read(const QString& path)
{
    // Stamped before reading: a change made while the file is read counts as a change.
    const std::optional<FileStamp> stamp = FileStamp::of(path);
    NfoFile::Contents file = NfoFile::read(path);
    if (file.status != NfoFile::Status::Read)
        return file.status;
    m_document.open(std::move(file.bytes));
    m_document.setStamp(stamp);
    belongTo(path);
    // A link the file was opened through is where Save writes, as editors do; any other link
    // found at a path to be written is refused.
    m_throughLink = WholeFile::kindOf(path) == WholeFile::Kind::Link;
    return NfoFile::Status::Read;
}

bool DocumentFiles::open(const QString& path)
{
    const NfoFile::Status status = read(path);
    if (status == NfoFile::Status::Read)
        return true;
    m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title,
                      Messages::FileNotFound);
    Q_EMIT statusMessage(whyNotOpened(status).arg(QFileInfo(path).fileName()));
    return false;
}

QString DocumentFiles::whyNotOpened(NfoFile::Status status)
{
    switch (status) {
    case NfoFile::Status::TooLarge:
        return tr("%1 is too large to open.");
    case NfoFile::Status::NotRegular:
        return tr("%1 is not a file but a folder, a device or a pipe.");
    case NfoFile::Status::NoPermission:
        return tr("You may not read %1.");
    case NfoFile::Status::NotFound:
    case NfoFile::Status::Read:
        break;
    }
    return tr("%1 could not be found or read.");
}

bool DocumentFiles::reload()
{
    const QString path = m_document.filePath();
    if (path.isEmpty() || !maySetAside())
        return false;
    return open(path);
}

void DocumentFiles::belongTo(const QString& path)
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    m_document.setFilePath(path);
    if (!path.isEmpty())
        m_watcher.addPath(path);
}

void DocumentFiles::fileChanged(const QString& path)
{
    // A file replaced by renaming another over it is no longer watched: watch the new one.
    if (QFileInfo::exists(path) && !m_watcher.files().contains(path))
        m_watcher.addPath(path);
    if (path != m_document.filePath() || m_document.isModified())
        return;
    // Our own save leaves the stamp it took; only another program's change differs from it.
    const std::optional<FileStamp> now = FileStamp::of(path);
    if (now && m_document.stamp() && *now == *m_document.stamp())
        return;
    Q_EMIT changedOnDisk();
}

bool DocumentFiles::mayWriteOwnFile(bool& savedAs)
{
    savedAs = false;
    const QString path = m_document.filePath();
    const std::optional<FileStamp> now = FileStamp::of(path);
    const std::optional<FileStamp> then = m_document.stamp();
    if (now && then && *now == *then)
        return true;
    const QString name = QFileInfo(path).fileName();
    const QString text =
        now ? tr("Another program changed %1 since it was opened here. Overwrite it with this "
                 "document?")
                  .arg(name)
            : tr("%1 is no longer where it was opened from. Save this document there anew?")
                  .arg(name);
    switch (m_dialogs.askChangedFile(m_parent, ProductInfo::Title, text)) {
    case Dialogs::ChangedAnswer::Overwrite:
        return true;
    case Dialogs::ChangedAnswer::SaveAs:
        savedAs = saveAs();
        return false;
    case Dialogs::ChangedAnswer::Cancel:
        break;
    }
    return false;
}

bool DocumentFiles::save()
{
    const QString path = m_document.filePath();
    if (path.isEmpty())
        return saveAs();
    bool savedAs = false;
    if (!mayWriteOwnFile(savedAs))
        return savedAs;
    if (!write(path, m_document.bytes(),
               m_throughLink ? WholeFile::Links::Follow : WholeFile::Links::Refuse))
        return false;
    m_document.setStamp(FileStamp::of(path));
    m_document.setModified(false);
    return true;
}

bool DocumentFiles::saveAs()
{
    // One entry of the chooser's filter for each encoding to save in, the document's chosen
    // first; a repaired reading has one more, first, to keep the file as it is.
    const FileEncoding own = m_document.encoding();
    const std::vector<TextEncoding::Kind>& all = TextEncoding::All;
    const int extra = own.isRepaired() ? 1 : 0;
    QStringList entries;
    if (extra)
        entries.append(tr("NFO File, %1 (*.nfo) | *.nfo").arg(own.name()));
    for (const TextEncoding::Kind kind : all)
        entries.append(tr("NFO File, %1 (*.nfo) | *.nfo").arg(TextEncoding::name(kind)));
    int chosen = extra ? 0 : int(std::find(all.begin(), all.end(), own.kind) - all.begin());
    // The chooser starts on the document's own file, an untitled document on a new name.
    const QString file = m_document.filePath();
    const QString path =
        m_dialogs.saveFileName(m_parent, tr("Save NFO File..."), entries.join(QLatin1Char('|')),
                               &chosen, file.isEmpty() ? QStringLiteral("untitled.nfo") : file);
    if (path.isEmpty())
        return false;
    chosen = qBound(0, chosen, int(entries.size()) - 1);
    FileEncoding encoding = own;
    const TextEncoding::Kind kind = chosen < extra ? own.kind : all.at(size_t(chosen - extra));
    if (chosen >= extra && (kind != own.kind || own.isRepaired())) {
        // A copy in another encoding: every character must have a code there, or nothing is
        // written. UTF-16 files carry their mark, as nearly all do; UTF-8 goes without one.
        const QString refused = RefusedCharacter::first(m_document.displayText(), kind);
        if (!refused.isEmpty()) {
            m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title,
                              Messages::notConverted(refused, TextEncoding::description(kind)));
            return false;
        }
        encoding = {kind, kind == TextEncoding::Utf16Le || kind == TextEncoding::Utf16Be};
    }
    if (!write(path, DocumentFormat::save(m_document.displayText(), encoding, m_document.trailer()),
               WholeFile::Links::Refuse))
        return false;
    m_throughLink = false;
    // The document now is that file, in the encoding it was written in.
    if (encoding != m_document.encoding())
        m_document.setEncoding(encoding);
    m_document.setStamp(FileStamp::of(path));
    belongTo(path);
    m_document.setModified(false);
    Q_EMIT savedAs(path);
    return true;
}

bool DocumentFiles::maySetAside()
{
    if (!m_document.isModified())
        return true;
    const QString path = m_document.filePath();
    const QString name = path.isEmpty() ? tr("Untitled") : QFileInfo(path).fileName();
    switch (
        m_dialogs.askToSave(m_parent, ProductInfo::Title, tr("Save changes to %1?").arg(name))) {
    case Dialogs::Answer::Save:
        return save();
    case Dialogs::Answer::Discard:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

bool DocumentFiles::write(const QString& path, const QByteArray& bytes, WholeFile::Links links)
{
    const WholeFile::Replaced written = WholeFile::replace(path, bytes, links);
    if (written.written()) {
        // Saved, with what could not be kept said in the status bar.
        const QString name = QFileInfo(path).fileName();
        if (written.hardLinkBroken)
            Q_EMIT statusMessage(
                tr("%1 was saved as a file of its own; its other names keep the old text.")
                    .arg(name));
        else if (written.ownershipChanged)
            Q_EMIT statusMessage(
                tr("%1 was saved, but its owner or permissions could not be kept.").arg(name));
        return true;
    }
    m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title,
                      written.outcome == WholeFile::Outcome::Refused
                          ? WholeFile::refusal(path, written.kind)
                          : QString(Messages::FileNotSaved));
    return false;
}
