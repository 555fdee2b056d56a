#include "Form1.h"

#include "DocumentEditor.h"
#include "ProductInfo.h"
#include "appearance/ColourValue.h"
#include "appearance/FontSizes.h"
#include "appearance/QtColour.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingKeys.h"

#include <QColor>
#include <QFont>

Form1::Form1(const ProgramSettings& settings, QWidget* parent)
    : ChildWindow(parent), txtvimb(new DocumentEditor)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ProductInfo::Title);
    // The text box is the whole client area and follows every resize of the window.
    setWidget(txtvimb);
    applyStoredColours(settings);
    applyStoredFont(settings);
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

void Form1::applyStoredColours(const ProgramSettings& settings)
{
    // A stored value that is missing or not a colour keeps that colour as designed.
    QPalette palette = txtvimb->palette();
    if (const auto text = ColourValue::fromText(settings.read(SettingKeys::TextColour)))
        palette.setColor(QPalette::Text, QtColour::fromValue(*text));
    if (const auto back = ColourValue::fromText(settings.read(SettingKeys::BackgroundColour)))
        palette.setColor(QPalette::Base, QtColour::fromValue(*back));
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

void Form1::applyStoredFont(const ProgramSettings& settings)
{
    // Both values are needed; a missing face or an unusable size keeps the designed font.
    const QString face = QString::fromUtf8(settings.read(SettingKeys::FontName)).trimmed();
    const auto points = FontSizes::points(QString::fromUtf8(settings.read(SettingKeys::FontSize)));
    if (!face.isEmpty() && points)
        setDocumentFont(face, *points);
}
