#include "WindowPrint.h"

#include "export/VgaFace.h"
#include "product/ProductInfo.h"
#include "ui/Dialogs.h"
#include "ui/DocumentAppearance.h"
#include "ui/NfoDocument.h"
#include "ui/PrintPainter.h"
#include "ui/StatusProgress.h"

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QStatusBar>
#include <optional>

namespace {

// The window's cells are 8 pixels wide, as its picture export's.
constexpr int kColumns = 8;

} // namespace

WindowPrint::WindowPrint(Dialogs& dialogs, QWidget* parent, QStatusBar& statusBar,
                         const NfoDocument& document, const DocumentAppearance& appearance,
                         bool& blackOnWhite)
    : m_dialogs(dialogs), m_parent(parent), m_statusBar(statusBar), m_document(document),
      m_appearance(appearance), m_blackOnWhite(blackOnWhite)
{
}

void WindowPrint::prepare(QPrinter& printer) const
{
    const QString file = m_document.filePath();
    printer.setDocName(file.isEmpty() ? ProductInfo::Title : QFileInfo(file).fileName());
}

void WindowPrint::print()
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    if (!m_dialogs.choosePrinter(m_parent, printer, m_blackOnWhite))
        return;
    const std::optional<VgaFace> face = VgaFace::load(VgaFace::locate());
    if (!face)
        return report(noFace());
    // The worker has copies of what it paints: the document may change or close meanwhile.
    const AnsiDocument* art = m_document.isDrawnArt() ? m_document.art() : nullptr;
    const std::optional<AnsiCanvas> canvas =
        art ? std::optional<AnsiCanvas>(art->canvas()) : std::nullopt;
    const PrintPainter painter =
        canvas ? PrintPainter(*face, *canvas, kColumns)
               : PrintPainter(*face, m_document.displayText(), kColumns, m_appearance.textColour(),
                              m_appearance.backgroundColour());
    const bool blackOnWhite = m_blackOnWhite;
    StatusProgress job(m_statusBar, QStringLiteral("print"), tr("Print progress"));
    QString error;
    bool stopped = false;
    job.run([&] {
        // A cancel takes effect between pages, and the printer drops the job where it can.
        error = painter.paint(printer, blackOnWhite, [&](qint64 page, qint64 pages) {
            job.report(page, pages);
            stopped = job.cancelled();
            if (stopped)
                printer.abort();
            return !stopped;
        });
    });
    if (stopped) {
        discard(printer);
        m_statusBar.showMessage(tr("The print was cancelled."), 5000);
        return;
    }
    report(error);
}

void WindowPrint::discard(const QPrinter& printer)
{
    // A PDF of the pages before the cancel would look like the whole document.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
}

void WindowPrint::report(const QString& error) const
{
    if (!error.isEmpty())
        m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title, error);
}

QString WindowPrint::noFace()
{
    return tr("The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found, so nothing "
              "was printed.");
}

void WindowPrint::preview()
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QString error;
    m_dialogs.previewPrint(
        m_parent, printer, m_blackOnWhite,
        [this, &error](QPrinter& pages, bool blackOnWhite) { error = paint(pages, blackOnWhite); });
    report(error);
}

QString WindowPrint::paint(QPrinter& printer, bool blackOnWhite) const
{
    const std::optional<VgaFace> face = VgaFace::load(VgaFace::locate());
    if (!face)
        return noFace();
    // The preview paints on demand, inside its dialog: a long document takes a while.
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const QString error =
        m_document.isDrawnArt() && m_document.art()
            ? PrintPainter(*face, m_document.art()->canvas(), kColumns).paint(printer, blackOnWhite)
            : PrintPainter(*face, m_document.displayText(), kColumns, m_appearance.textColour(),
                           m_appearance.backgroundColour())
                  .paint(printer, blackOnWhite);
    QGuiApplication::restoreOverrideCursor();
    return error;
}
