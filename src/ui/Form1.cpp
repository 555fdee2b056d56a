#include "Form1.h"

#include "CheckPanel.h"
#include "DocumentAppearance.h"
#include "DocumentEditor.h"
#include "FileChangedBar.h"
#include "FindBar.h"
#include "NfoDocument.h"
#include "product/ProductInfo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QVBoxLayout>

Form1::Form1(NfoDocument& document, DocumentAppearance& appearance, QWidget* parent)
    : ChildWindow(parent), txtvimb(new DocumentEditor(document, appearance)),
      findbar(new FindBar(txtvimb)), checkpanel(new CheckPanel(document, txtvimb)),
      filechanged(new FileChangedBar), m_document(document), m_appearance(appearance)
{
    setObjectName(QStringLiteral("Form1"));
    // The text box is the whole client area and follows every resize of the window; the
    // notice of a changed file takes a strip above it, the find bar, when open, one below.
    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The text first in the focus chain, so that it takes the focus when the window is
    // activated; the notice is put above it afterwards.
    layout->addWidget(txtvimb);
    layout->addWidget(findbar);
    layout->addWidget(checkpanel);
    layout->insertWidget(0, filechanged);
    setWidget(client);
    showCaption();
    connect(&document, &NfoDocument::filePathChanged, this, &Form1::showCaption);
    connect(&document, &NfoDocument::modificationChanged, this, &QWidget::setWindowModified);
    connect(&document, &NfoDocument::reset, filechanged, &QWidget::hide);
    connect(txtvimb, &DocumentEditor::fileDropped, this, &Form1::fileDropped);
    connect(txtvimb, &DocumentEditor::characterKeyPressed, this, &Form1::characterKeyPressed);
    connect(txtvimb, &DocumentEditor::linkHovered, this, &Form1::linkHovered);
    connect(txtvimb, &DocumentEditor::linkActivated, this, &Form1::linkActivated);
    connect(txtvimb, &DocumentEditor::copyAvailable, this, &Form1::copyAvailable);
    connect(filechanged, &FileChangedBar::reloadRequested, this, &Form1::reloadRequested);
}

void Form1::showFileChanged()
{
    filechanged->show();
}

void Form1::selectAll()
{
    txtvimb->setSelStart(0);
    txtvimb->setSelLength(txtvimb->codeCount());
}

void Form1::copy()
{
    const int start = txtvimb->selStart();
    const int length = txtvimb->selLength();
    if (length == 0)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(txtvimb->selectionMimeData());
    txtvimb->setSelStart(start + length);
}

void Form1::cut()
{
    if (!m_document.refuses(QString()))
        txtvimb->cut();
}

void Form1::paste()
{
    // Drawn art takes no paste: said, not silently ignored.
    if (!m_document.refuses(QString()))
        txtvimb->paste();
}

void Form1::undo()
{
    txtvimb->undo();
}

void Form1::redo()
{
    txtvimb->redo();
}

bool Form1::hasSelection() const
{
    return txtvimb->textCursor().hasSelection();
}

void Form1::setWordWrap(bool wrap)
{
    txtvimb->setWordWrap(wrap);
}

void Form1::watchPaint(QObject* filter)
{
    txtvimb->viewport()->installEventFilter(filter);
}

void Form1::unwatchPaint(QObject* filter)
{
    txtvimb->viewport()->removeEventFilter(filter);
}

void Form1::showCaption()
{
    const QString path = m_document.filePath();
    setWindowTitle((path.isEmpty() ? ProductInfo::Title : path) + QStringLiteral("[*]"));
    setWindowModified(m_document.isModified());
}

QByteArray Form1::text() const
{
    return m_document.bytes();
}

void Form1::setText(QByteArray fileBytes)
{
    m_document.open(std::move(fileBytes));
}

FileEncoding Form1::encoding() const
{
    return m_document.encoding();
}

bool Form1::isModified() const
{
    return m_document.isModified();
}

void Form1::setModified(bool modified)
{
    m_document.setModified(modified);
}

QString Form1::filePath() const
{
    return m_document.filePath();
}

void Form1::setDocumentColours(const QColor& text, const QColor& background)
{
    m_appearance.setColours(text, background);
}

void Form1::setDocumentFont(const QString& face, double points)
{
    m_appearance.setFont(face, points);
}
