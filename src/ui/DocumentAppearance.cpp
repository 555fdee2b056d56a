#include "DocumentAppearance.h"

#include "DocumentFont.h"
#include "QtColour.h"
#include "settings/Config.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>
#include <algorithm>

DocumentAppearance::DocumentAppearance(Config& config, QObject* parent)
    : QObject(parent), m_config(config), m_text(QGuiApplication::palette().color(QPalette::Text)),
      m_background(QGuiApplication::palette().color(QPalette::Base)),
      m_font(DocumentFont::designed()), m_zoom(config.zoom()), m_designedText(m_text),
      m_designedBackground(m_background)
{
    readStored();
}

void DocumentAppearance::readStored()
{
    const auto colour = [](const Stored<qint32>& value, const QColor& designed) {
        return value.isPresent() ? QtColour::fromValue(value.value) : designed;
    };
    m_text = colour(m_config.textColour(), m_designedText);
    m_background = colour(m_config.backgroundColour(), m_designedBackground);
    const Stored<Config::Font> font = m_config.font();
    m_font = DocumentFont::designed();
    if (font.isPresent()) {
        m_font.setFamily(font.value.face);
        m_font.setPointSizeF(font.value.points);
    }
    Q_EMIT changed();
}

QFont DocumentAppearance::drawnFont(int percent, bool shaped) const
{
    // Pixel sizes scale by whole pixels, so that the VGA face's glyphs at 200 % are exactly
    // twice as large; that face is drawn as the pixels it is made of, without smoothing, and
    // fully hinted, which puts every glyph on whole pixels.
    QFont font = m_font;
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, font.pixelSize() * percent / 100));
    else
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    if (font.family() == DocumentFont::family()) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    if (!shaped) {
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
        font.setKerning(false);
    }
    return font;
}

void DocumentAppearance::style(QWidget& textBox, int percent, bool shaped) const
{
    QPalette colours = textBox.palette();
    colours.setColor(QPalette::Text, m_text);
    colours.setColor(QPalette::Base, m_background);
    textBox.setPalette(colours);
    const QFont font = drawnFont(percent, shaped);
    if (font != textBox.font())
        textBox.setFont(font);
}

void DocumentAppearance::setColours(const QColor& text, const QColor& background)
{
    if (text.isValid())
        m_text = text;
    if (background.isValid())
        m_background = background;
    Q_EMIT changed();
}

void DocumentAppearance::setFont(const QString& face, double points)
{
    // Only face and size change: the weight and the monospaced style hint stay, so that a face
    // the system lacks falls back to a fixed-width one.
    if (!face.isEmpty())
        m_font.setFamily(face);
    m_font.setPointSizeF(points);
    Q_EMIT changed();
}

void DocumentAppearance::setZoom(int percent)
{
    const int step = Config::nearestZoom(percent);
    if (step == m_zoom)
        return;
    m_zoom = m_config.setZoom(step) ? step : m_config.zoom();
    Q_EMIT changed();
}

void DocumentAppearance::zoomIn()
{
    const auto& steps = Config::ZoomSteps;
    const auto next = std::upper_bound(steps.begin(), steps.end(), m_zoom);
    if (next != steps.end())
        setZoom(*next);
}

void DocumentAppearance::zoomOut()
{
    const auto& steps = Config::ZoomSteps;
    const auto here = std::lower_bound(steps.begin(), steps.end(), m_zoom);
    if (here != steps.begin())
        setZoom(*(here - 1));
}
