#include "support/TestEnvironment.h"
#include "ui/NfoDocument.h"

#include <QSignalSpy>
#include <QTextCharFormat>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

// The document without any window: what it holds, what it gives back, where positions fall.
class TestNfoDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void positionsWithEveryLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("codes");
        // The code position of the start of each line, the text position it falls on.
        QTest::addColumn<QList<int>>("lineStarts");
        QTest::addColumn<QList<int>>("textStarts");
        QTest::newRow("CR LF") << "ab\r\ncd\r\nef"_ba << 10 << QList<int>{0, 4, 8}
                               << QList<int>{0, 3, 6};
        QTest::newRow("LF") << "ab\ncd\nef"_ba << 10 << QList<int>{0, 4, 8} << QList<int>{0, 3, 6};
        QTest::newRow("mixed") << "a\r\nb\nc\rd\r\r\ne"_ba << 13 << QList<int>{0, 3, 6, 9, 12}
                               << QList<int>{0, 2, 4, 6, 8};
    }
    void positionsWithEveryLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, codes);
        QFETCH(QList<int>, lineStarts);
        QFETCH(QList<int>, textStarts);
        NfoDocument document;
        document.open(bytes);
        QCOMPARE(document.bytes(), bytes);
        QCOMPARE(document.codeCount(), codes);
        for (qsizetype i = 0; i < lineStarts.size(); ++i) {
            QCOMPARE(document.textPosition(lineStarts.at(i)), textStarts.at(i));
            QCOMPARE(document.codePosition(textStarts.at(i)), lineStarts.at(i));
        }
        // Inside a line end is before it.
        QCOMPARE(document.textPosition(lineStarts.at(1) - 1), textStarts.at(1) - 1);
    }

    void editUndoAndSave()
    {
        NfoDocument document;
        QTextDocument* const text = document.textDocument();
        document.open("\xC9\xCD\xBB\r\n\xC8\xCD\xBC"_ba);
        QTextCursor cursor(text);
        cursor.setPosition(1);
        QVERIFY(document.insert(cursor, u"\u2591\uFDD0\u2592"_s)); // ░, a lone CR, ▒
        QVERIFY(document.isModified());
        QCOMPARE(document.bytes(), "\xC9\xB0\r\xB1\xCD\xBB\r\n\xC8\xCD\xBC"_ba);
        QVERIFY(!document.insert(cursor, u"\u20AC"_s)); // € has no code in CP437
        text->undo();
        QVERIFY(!document.isModified()); // back where it was opened
        QCOMPARE(document.bytes(), "\xC9\xCD\xBB\r\n\xC8\xCD\xBC"_ba);
        // Opening another file empties the history: undo never brings the last one back.
        document.open("new"_ba);
        QCOMPARE(document.textDocument(), text);
        QVERIFY(!text->isUndoAvailable());
    }

    void ansiArtIsReadAsDrawn()
    {
        // Five sequences make it art: drawn in colour, the codes kept for Save.
        const QByteArray art = "\x1B[1;31mR\x1B[0m\x1B[44mB\x1B[0m\x1B[2CX\r\n\x1B[32m\xDB"_ba;
        NfoDocument document;
        QSignalSpy refused(&document, &NfoDocument::textRefused);
        document.open(art);
        QVERIFY(document.isDrawnArt());
        QCOMPARE(document.displayText(), u"RB  X\n\u2588"_s);
        QTextCursor cursor(document.textDocument());
        cursor.setPosition(1);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(0xFF5555)); // bright red
        QVERIFY(!document.append(u"x"_s));
        QCOMPARE(refused.size(), 1);
        QCOMPARE(document.bytes(), art);
        // The codes as text, edited, then drawn again.
        QVERIFY(document.setShowCodes(true));
        QCOMPARE(document.displayText().left(2), u"\u2190["_s); // ESC shows as its glyph
        QVERIFY(document.append(u"!"_s));
        QVERIFY(document.setShowCodes(false));
        QCOMPARE(document.bytes(), art + "!");
        QVERIFY(document.isModified());
    }
};

QUILRA_TEST_MAIN(TestNfoDocument)
#include "tst_nfodocument.moc"
