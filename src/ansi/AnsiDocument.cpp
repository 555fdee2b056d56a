#include "AnsiDocument.h"

#include "AnsiInterpreter.h"

#include <QCoreApplication>
#include <algorithm>

AnsiDocument::AnsiDocument(QByteArray bytes, const AnsiArt::Settings& settings)
    : m_bytes(std::move(bytes)), m_settings(settings),
      m_canvas(AnsiInterpreter::interpret(m_bytes, settings)), m_text(m_canvas.text())
{
    m_lineStarts.push_back(0);
    for (qsizetype at = m_text.indexOf(QLatin1Char('\n')); at >= 0;
         at = m_text.indexOf(QLatin1Char('\n'), at + 1))
        m_lineStarts.push_back(at + 1);
}

std::optional<AnsiDocument> AnsiDocument::open(const QByteArray& fileBytes,
                                               std::optional<bool> iceColours)
{
    std::optional<AnsiArt::Settings> settings = AnsiArt::detect(fileBytes);
    if (!settings)
        return std::nullopt;
    settings->iceColours = iceColours.value_or(settings->iceColours);
    return AnsiDocument(fileBytes, *settings);
}

QPoint AnsiDocument::cellAt(qsizetype position) const
{
    const auto line = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), position) - 1;
    return QPoint(int(position - *line), int(line - m_lineStarts.begin()));
}

QString AnsiDocument::note() const
{
    if (!m_canvas.truncated())
        return QString();
    return QCoreApplication::translate("AnsiDocument",
                                       "The art draws more than %1 rows; it is shown up to there.")
        .arg(m_canvas.maxRows());
}

AnsiDocument AnsiDocument::withIceColours(bool on) const
{
    AnsiArt::Settings settings = m_settings;
    settings.iceColours = on;
    return AnsiDocument(m_bytes, settings);
}
