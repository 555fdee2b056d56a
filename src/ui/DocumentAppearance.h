#pragma once

#include <QColor>
#include <QFont>
#include <QObject>

class QWidget;

class Config;

// How documents look, one for the run: the text and background colours, the font at 100 % and
// the zoom. The text box, the generator's preview and File > Export all take it from here; it
// reads what Settings.ini and the per-user store keep, in one place.
class DocumentAppearance : public QObject
{
    Q_OBJECT

public:
    explicit DocumentAppearance(Config& config, QObject* parent = nullptr);

    QColor textColour() const { return m_text; }
    QColor backgroundColour() const { return m_background; }
    // The colours as 0xRRGGBB, as the exports take them.
    quint32 textRgb() const { return m_text.rgb() & 0xFFFFFF; }
    quint32 backgroundRgb() const { return m_background.rgb() & 0xFFFFFF; }
    // The font documents are drawn in at 100 %; the zoom scales it for the view only.
    QFont font() const { return m_font; }
    int zoom() const { return m_zoom; }
    // The font as a view draws it at `percent` of its size. Text of a code page is drawn
    // without shaping and kerning, which changes none of its pixels in a face of fixed width
    // and makes laying out a line several times quicker; `shaped` keeps both, for Unicode
    // text, whose combining marks and joined scripts need them.
    QFont drawnFont(int percent, bool shaped = false) const;
    // Gives a text box the documents' font at `percent` and their colours.
    void style(QWidget& textBox, int percent, bool shaped = false) const;

    // Shows the stored colours and font; what is not stored, or not usable, is the designed
    // look.
    void readStored();
    // Shows these colours; an invalid colour keeps the one shown.
    void setColours(const QColor& text, const QColor& background);
    // Draws documents in `face` at `points`; an empty face keeps the face shown.
    void setFont(const QString& face, double points);
    // Takes the nearest zoom step and keeps it for the user; when it cannot be kept, the zoom
    // stays as stored.
    void setZoom(int percent);
    void zoomIn();
    void zoomOut();

Q_SIGNALS:
    void changed();

private:
    Config& m_config;
    QColor m_text;
    QColor m_background;
    QFont m_font;
    int m_zoom = 100;
    QColor m_designedText;
    QColor m_designedBackground;
};
