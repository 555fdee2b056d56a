#include "AnsiPage.h"

#include "HtmlPage.h"
#include "ansi/VgaColours.h"
#include "documents/Cp437.h"

namespace {

QString cssColour(int colour)
{
    return QStringLiteral("#%1").arg(VgaColours::rgb(colour), 6, 16, QLatin1Char('0'));
}

QString head(const QString& title)
{
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%1</title>\n<style>\n"
                          "html, body { margin: 0; background: #000000; }\n"
                          "pre { margin: 0; padding: 16px; color: #aaaaaa; background: #000000;\n"
                          "      font: 16px/1 %2; }\n"
                          "</style>\n</head>\n<body>\n<pre>\n")
        .arg(HtmlPage::escaped(title), HtmlPage::fontFamilies());
}

// One row: a span for each run of cells of the same colours, without the blanks at its end
// that are drawn in black.
void appendRow(QString& page, const AnsiCanvas& canvas, int y)
{
    const AnsiCanvas::Cell* cells = canvas.row(y);
    int end = canvas.width();
    while (end > 0 && (cells[end - 1].code == ' ' || cells[end - 1].code == 0) &&
           cells[end - 1].background() == 0)
        --end;
    for (int x = 0; x < end;) {
        const uchar colours = cells[x].colours;
        QString run;
        for (; x < end && cells[x].colours == colours; ++x)
            run.append(cells[x].code == 0 ? QChar(u' ') : Cp437::toUnicode(cells[x].code));
        page.append(
            QStringLiteral("<span style=\"color: %1; background: %2\">%3</span>")
                .arg(cssColour(colours & 0x0F), cssColour(colours >> 4), HtmlPage::escaped(run)));
    }
    page.append(QLatin1Char('\n'));
}

} // namespace

QByteArray AnsiPage::write(const AnsiCanvas& canvas, const QString& title)
{
    QString page = head(title);
    for (int y = 0; y < canvas.rows(); ++y)
        appendRow(page, canvas, y);
    page.append(QLatin1String("</pre>\n</body>\n</html>\n"));
    return page.toUtf8();
}
