#include "Form1.h"

#include "DocumentEditor.h"
#include "FindBar.h"
#include "documents/DocumentFormat.h"
#include "product/ProductInfo.h"

#include <QColor>
#include <QFont>
#include <QVBoxLayout>

Form1::Form1(QWidget* parent)
    : ChildWindow(parent), txtvimb(new DocumentEditor), findbar(new FindBar(txtvimb))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ProductInfo::Title + QStringLiteral("[*]"));
    // The text box is the whole client area and follows every resize of the window; the find
    // bar, when open, takes a strip below it.
    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(txtvimb);
    layout->addWidget(findbar);
    setWidget(client);
    connect(txtvimb, &QPlainTextEdit::modificationChanged, this, &QWidget::setWindowModified);
    connect(txtvimb, &DocumentEditor::documentReplaced, this,
            [this] { setWindowModified(isModified()); });
}

bool Form1::isModified() const
{
    return txtvimb->document()->isModified();
}

void Form1::setModified(bool modified)
{
    txtvimb->document()->setModified(modified);
}

QByteArray Form1::text() const
{
    return txtvimb->codes();
}

void Form1::setText(QByteArray fileBytes)
{
    DocumentFormat::Opened opened = DocumentFormat::open(fileBytes);
    // The bytes are let go before the widget copies the text, to keep the peak low.
    fileBytes = QByteArray();
    txtvimb->setDocument(std::move(opened.display), opened.encoding, std::move(opened.trailer));
}

FileEncoding Form1::encoding() const
{
    return txtvimb->encoding();
}

bool Form1::reinterpret(TextEncoding::Kind kind)
{
    auto opened = DocumentFormat::reinterpret(text(), kind);
    if (!opened)
        return false;
    // The same bytes, edits and all: a modified document stays modified.
    const bool modified = isModified();
    txtvimb->setDocument(std::move(opened->display), opened->encoding, std::move(opened->trailer));
    setModified(modified);
    return true;
}

QString Form1::replaceText(const QString& display)
{
    return txtvimb->replaceDisplay(display);
}

bool Form1::appendText(const QString& display)
{
    return txtvimb->appendDisplay(display);
}

void Form1::setFilePath(const QString& path)
{
    m_filePath = path;
    setWindowTitle((path.isEmpty() ? ProductInfo::Title : path) + QStringLiteral("[*]"));
}

void Form1::setDocumentColours(const QColor& text, const QColor& background)
{
    QPalette palette = txtvimb->palette();
    if (text.isValid())
        palette.setColor(QPalette::Text, text);
    if (background.isValid())
        palette.setColor(QPalette::Base, background);
    txtvimb->setPalette(palette);
}

void Form1::setDocumentFont(const QString& face, double points)
{
    // Only face and size change: the weight and the monospaced style hint stay, so that a face
    // the system lacks falls back to a fixed-width one. The zoom stays as it is.
    QFont font = txtvimb->baseFont();
    if (!face.isEmpty())
        font.setFamily(face);
    font.setPointSizeF(points);
    txtvimb->setBaseFont(font);
}
