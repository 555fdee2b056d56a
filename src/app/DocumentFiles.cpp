#include "DocumentFiles.h"

#include "documents/DocumentFormat.h"
#include "documents/RefusedCharacter.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "ui/Dialogs.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QFileInfo>
#include <QStringList>

DocumentFiles::DocumentFiles(Dialogs& dialogs, QWidget* parent, std::function<Form1*()> document,
                             std::function<Form1*()> existing,
                             std::function<void(const QString&)> attach)
    : m_dialogs(dialogs), m_parent(parent), m_document(std::move(document)),
      m_existing(std::move(existing)), m_attach(std::move(attach))
{
}

NfoFile::Status DocumentFiles::read(const QString& path)
{
    Form1* form = m_document();
    form->setText(QByteArray());
    NfoFile::Contents file = NfoFile::read(path);
    form->setText(std::move(file.bytes));
    return file.status;
}

void DocumentFiles::reportOpenFailure(NfoFile::Status status)
{
    const bool tooLarge = status == NfoFile::Status::TooLarge;
    m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title,
                      tooLarge ? Messages::FileTooLarge : Messages::FileNotFound);
}

bool DocumentFiles::save()
{
    Form1* form = m_document();
    if (form->filePath().isEmpty())
        return saveAs();
    if (!write(form->filePath(), form->text()))
        return false;
    form->setModified(false);
    return true;
}

bool DocumentFiles::saveAs()
{
    // One entry of the chooser's filter for each encoding to save in; the document's first.
    QStringList entries;
    for (const TextEncoding::Kind kind : TextEncoding::All)
        entries.append(
            QStringLiteral("NFO File, %1 (*.nfo) | *.nfo").arg(TextEncoding::name(kind)));
    Form1* form = m_document();
    const TextEncoding::Kind own = form->encoding().kind;
    int chosen = static_cast<int>(own);
    const QString path = m_dialogs.saveFileName(m_parent, QStringLiteral("Save NFO File..."),
                                                entries.join(QLatin1Char('|')), &chosen);
    if (path.isEmpty())
        return false;
    const auto kind =
        static_cast<TextEncoding::Kind>(qBound(0, chosen, int(TextEncoding::All.size()) - 1));
    const bool untitled = form->filePath().isEmpty();
    if (kind != own)
        return writeConverted(path, kind);
    if (!write(path, form->text()))
        return false;
    if (untitled) {
        m_attach(path);
        form->setModified(false);
    }
    return true;
}

bool DocumentFiles::maySetAside()
{
    Form1* form = m_existing();
    if (!form || !form->isModified())
        return true;
    const QString name = form->filePath().isEmpty() ? QStringLiteral("Untitled")
                                                    : QFileInfo(form->filePath()).fileName();
    switch (m_dialogs.askToSave(m_parent, ProductInfo::Title,
                                QStringLiteral("Save changes to %1?").arg(name))) {
    case Dialogs::Answer::Save:
        return save();
    case Dialogs::Answer::Discard:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

bool DocumentFiles::write(const QString& path, const QByteArray& bytes)
{
    if (NfoFile::write(path, bytes))
        return true;
    m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title,
                      Messages::FileNotSaved);
    return false;
}

bool DocumentFiles::writeConverted(const QString& path, TextEncoding::Kind kind)
{
    // A copy in another encoding: every character must have a code there, or nothing is
    // written. UTF-16 files carry their mark, as nearly all do; UTF-8 goes without one.
    const QString display = m_document()->txtvimb->displayText();
    const QString refused = RefusedCharacter::first(display, kind);
    if (!refused.isEmpty()) {
        m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title,
                          Messages::notConverted(refused, TextEncoding::description(kind)));
        return false;
    }
    const bool mark = kind == TextEncoding::Utf16Le || kind == TextEncoding::Utf16Be;
    return write(path, DocumentFormat::save(display, {kind, mark}));
}
