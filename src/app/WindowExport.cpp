#include "WindowExport.h"

#include "documents/NfoFile.h"
#include "export/VgaFace.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "ui/Dialogs.h"
#include "ui/DocumentAppearance.h"
#include "ui/NfoDocument.h"

#include <QDir>
#include <QFileInfo>

WindowExport::WindowExport(Dialogs& dialogs, QWidget* parent, const NfoDocument& document,
                           const DocumentAppearance& appearance)
    : m_dialogs(dialogs), m_parent(parent), m_document(document), m_appearance(appearance)
{
}

DocumentExport::Options WindowExport::options(DocumentExport::Format format) const
{
    // The document as it looks: the appearance's colours, a picture at the zoom's whole
    // multiple (200 % and 300 % give cells twice and three times the size), its file's name.
    DocumentExport::Options options;
    options.format = format;
    options.scale = qBound(1, m_appearance.zoom() / 100, DocumentExport::MaxScale);
    options.text = m_appearance.textRgb();
    options.background = m_appearance.backgroundRgb();
    const QString file = m_document.filePath();
    options.title = file.isEmpty() ? ProductInfo::Title : QFileInfo(file).fileName();
    return options;
}

QString WindowExport::startName(const QString& suffix) const
{
    // Beside the document's file under its name, or "untitled", with the format's extension.
    const QFileInfo file(m_document.filePath());
    if (m_document.filePath().isEmpty())
        return QStringLiteral("untitled.") + suffix;
    return file.dir().filePath(file.completeBaseName() + QLatin1Char('.') + suffix);
}

void WindowExport::run(DocumentExport::Format format)
{
    // In the order of the formats.
    const QString kinds[] = {tr("PNG Picture"), tr("HTML Page"), tr("UTF-8 Text")};
    const QString& kind = kinds[int(format)];
    const QString suffix = DocumentExport::suffix(format);
    const QString path = m_dialogs.saveFileName(m_parent, tr("Export %1").arg(kind),
                                                QStringLiteral("%1 (*.%2)|*.%2").arg(kind, suffix),
                                                nullptr, startName(suffix), suffix);
    if (path.isEmpty())
        return;
    const DocumentExport::Result result =
        DocumentExport(VgaFace::locate()).render(m_document.displayText(), options(format));
    // A failed write leaves any old file as it was and says so, as Save does.
    if (result.error.isEmpty() && NfoFile::write(path, result.bytes))
        return;
    m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title,
                      result.error.isEmpty() ? Messages::FileNotSaved : result.error);
}
