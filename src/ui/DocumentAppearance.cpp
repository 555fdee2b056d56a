#include "DocumentAppearance.h"

#include "DocumentFont.h"
#include "QtColour.h"
#include "settings/Config.h"

#include <QGuiApplication>
#include <QPalette>
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
