#include "WindowExport.h"

#include "export/VgaFace.h"
#include "files/WholeFile.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "ui/Dialogs.h"
#include "ui/DocumentAppearance.h"
#include "ui/NfoDocument.h"
#include "ui/StatusProgress.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStatusBar>
#include <optional>

WindowExport::WindowExport(Dialogs& dialogs, QWidget* parent, QStatusBar& statusBar,
                           const NfoDocument& document, const DocumentAppearance& appearance)
    : m_dialogs(dialogs), m_parent(parent), m_statusBar(statusBar), m_document(document),
      m_appearance(appearance)
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
    const QString kinds[] = {tr("PNG Picture"), tr("HTML Page"), tr("UTF-8 Text"),
                             tr("PDF Document"), tr("SVG Picture")};
    const QString& kind = kinds[int(format)];
    const QString suffix = DocumentExport::suffix(format);
    const QString path = m_dialogs.saveFileName(m_parent, tr("Export %1").arg(kind),
                                                QStringLiteral("%1 (*.%2)|*.%2").arg(kind, suffix),
                                                nullptr, startName(suffix), suffix);
    if (path.isEmpty())
        return;
    // A link, a device or a pipe where the export goes is refused.
    QString error = WholeFile::refusal(path, WholeFile::kindOf(path));
    if (error.isEmpty())
        error = write(path, options(format));
    if (error.isEmpty())
        return;
    m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title, error);
}

QString WindowExport::write(const QString& path, const DocumentExport::Options& options)
{
    // The worker has copies of what it draws: the document may change meanwhile.
    const AnsiDocument* art = m_document.isDrawnArt() ? m_document.art() : nullptr;
    const std::optional<AnsiCanvas> canvas =
        art ? std::optional<AnsiCanvas>(art->canvas()) : std::nullopt;
    const QString display = art ? QString() : m_document.displayText();
    StatusProgress job(m_statusBar, QStringLiteral("export"), tr("Export progress"));
    QString error;
    job.run([&] {
        // Into a file beside the target, renamed over it only when complete.
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly)) {
            error = Messages::FileNotSaved;
            return;
        }
        DocumentExport exporter(VgaFace::locate());
        const DocumentExport::Progress progress{
            [&job](qint64 done, qint64 total) { job.report(done, total); }, job.cancelFlag()};
        error = canvas ? exporter.write(*canvas, options, out, progress)
                       : exporter.write(display, options, out, progress);
        if (!error.isEmpty())
            out.cancelWriting();
        else if (!out.commit())
            error = Messages::FileNotSaved;
    });
    // A cancel is the user's own doing: said in the status bar, not in a box.
    if (job.cancelled() && !error.isEmpty()) {
        m_statusBar.showMessage(error, 5000);
        return QString();
    }
    return error;
}
