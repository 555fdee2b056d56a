#include "Form1.h"

#include "DocumentEditor.h"
#include "ProductInfo.h"
#include "appearance/ColourValue.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingKeys.h"

#include <QColor>

namespace {

QColor toQColor(qint32 value)
{
    return QColor(ColourValue::red(value), ColourValue::green(value), ColourValue::blue(value));
}

} // namespace

Form1::Form1(const ProgramSettings& settings, QWidget* parent)
    : ChildWindow(parent), txtvimb(new DocumentEditor)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ProductInfo::Title);
    // The text box is the whole client area and follows every resize of the window.
    setWidget(txtvimb);
    applyStoredColours(settings);
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
        palette.setColor(QPalette::Text, toQColor(*text));
    if (const auto back = ColourValue::fromText(settings.read(SettingKeys::BackgroundColour)))
        palette.setColor(QPalette::Base, toQColor(*back));
    txtvimb->setPalette(palette);
}
