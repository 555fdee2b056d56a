#include "Form1.h"

#include "DocumentEditor.h"
#include "product/ProductInfo.h"

#include <QColor>
#include <QFont>

Form1::Form1(QWidget* parent) : ChildWindow(parent), txtvimb(new DocumentEditor)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ProductInfo::Title);
    // The text box is the whole client area and follows every resize of the window.
    setWidget(txtvimb);
}

QByteArray Form1::text() const
{
    return txtvimb->codes();
}

void Form1::setText(QByteArray codes)
{
    txtvimb->setCodes(std::move(codes));
}

void Form1::appendText(const QByteArray& codes)
{
    txtvimb->appendCodes(codes);
}

void Form1::setFilePath(const QString& path)
{
    m_filePath = path;
    setWindowTitle(path.isEmpty() ? ProductInfo::Title : path);
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
    // the system lacks falls back to a fixed-width one.
    QFont font = txtvimb->font();
    if (!face.isEmpty())
        font.setFamily(face);
    font.setPointSizeF(points);
    txtvimb->setFont(font);
}
