#include "HtmlPage.h"

#include "documents/DocumentCodec.h"
#include "documents/LinkFinder.h"

namespace {

const QString kFonts = QStringLiteral(
    "\"Px437 IBM VGA 8x16\", \"PxPlus IBM VGA8\", \"Px IBM VGA8\", \"Web437 IBM VGA 8x16\", "
    "\"Perfect DOS VGA 437\", \"DejaVu Sans Mono\", Consolas, monospace");

QString cssColour(quint32 rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

QString head(const QString& title, quint32 text, quint32 background)
{
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%1</title>\n<style>\n"
                          "html, body { margin: 0; background: %3; }\n"
                          "pre { margin: 0; padding: 16px; color: %2; background: %3;\n"
                          "      font: 16px/1 %4; tab-size: 8; }\n"
                          "a { color: inherit; }\n"
                          "</style>\n</head>\n<body>\n"
                          // A line end right after <pre> is dropped by every reader, so
                          // this one goes and the text's first line stays, even if empty.
                          "<pre>\n")
        .arg(HtmlPage::escaped(title), cssColour(text), cssColour(background), kFonts);
}

// Display text as the page's text: every line end a line feed, NUL a blank.
void appendText(QString& page, QStringView display)
{
    for (const QChar ch : display) {
        if (DocumentCodec::isLineBreak(ch))
            page.append(QLatin1Char('\n'));
        else if (ch.unicode() == 0)
            page.append(QLatin1Char(' '));
        else
            page.append(HtmlPage::escaped(QStringView(&ch, 1)));
    }
}

} // namespace

QString HtmlPage::fontFamilies()
{
    return kFonts;
}

QString HtmlPage::escaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'<':
            out.append(QLatin1String("&lt;"));
            break;
        case u'>':
            out.append(QLatin1String("&gt;"));
            break;
        case u'&':
            out.append(QLatin1String("&amp;"));
            break;
        case u'"':
            out.append(QLatin1String("&quot;"));
            break;
        case u'\'':
            out.append(QLatin1String("&#39;"));
            break;
        default:
            out.append(ch);
        }
    }
    return out;
}

QByteArray HtmlPage::write(const QString& display, const QString& title, quint32 text,
                           quint32 background)
{
    QString page = head(title, text, background);
    page.reserve(page.size() + display.size() + display.size() / 8 + 64);
    qsizetype at = 0;
    for (const LinkFinder::Link& link : LinkFinder::find(display)) {
        appendText(page, QStringView(display).mid(at, link.start - at));
        page.append(QStringLiteral("<a href=\"%1\">").arg(escaped(link.address)));
        appendText(page, QStringView(display).mid(link.start, link.length));
        page.append(QLatin1String("</a>"));
        at = link.start + link.length;
    }
    appendText(page, QStringView(display).mid(at));
    page.append(QLatin1String("</pre>\n</body>\n</html>\n"));
    return page.toUtf8();
}
