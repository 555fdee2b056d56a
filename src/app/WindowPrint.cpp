#include "WindowPrint.h"

#include "export/VgaFace.h"
#include "product/ProductInfo.h"
#include "ui/Dialogs.h"
#include "ui/DocumentAppearance.h"
#include "ui/NfoDocument.h"
#include "ui/PrintPainter.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>

namespace {

// The window's cells are 8 pixels wide, as its picture export's.
constexpr int kColumns = 8;

} // namespace

WindowPrint::WindowPrint(Dialogs& dialogs, QWidget* parent, const NfoDocument& document,
                         const DocumentAppearance& appearance, bool& blackOnWhite)
    : m_dialogs(dialogs), m_parent(parent), m_document(document), m_appearance(appearance),
      m_blackOnWhite(blackOnWhite)
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
    const QString error = paint(printer, m_blackOnWhite);
    if (!error.isEmpty())
        m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title, error);
}

void WindowPrint::preview()
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QString error;
    m_dialogs.previewPrint(
        m_parent, printer, m_blackOnWhite,
        [this, &error](QPrinter& pages, bool blackOnWhite) { error = paint(pages, blackOnWhite); });
    if (!error.isEmpty())
        m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title, error);
}

QString WindowPrint::paint(QPrinter& printer, bool blackOnWhite) const
{
    const std::optional<VgaFace> face = VgaFace::load(VgaFace::locate());
    if (!face)
        return tr("The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found, so nothing "
                  "was printed.");
    // A long document takes a while, without a window of its own to show it.
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
