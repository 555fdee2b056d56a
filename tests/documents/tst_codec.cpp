#include "documents/Cp437.h"
#include "documents/DocumentCodec.h"
#include "support/TestEnvironment.h"

#include <QSet>

class TestCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableIsABijection()
    {
        QSet<char16_t> glyphs;
        for (int code = 0; code < 256; ++code) {
            const QChar glyph = Cp437::toUnicode(static_cast<uchar>(code));
            glyphs.insert(glyph.unicode());
            QCOMPARE(Cp437::fromUnicode(glyph), code);
        }
        QCOMPARE(glyphs.size(), 256);
        QCOMPARE(Cp437::toUnicode(0xC9), QChar(0x2554)); // double top-left corner
        QCOMPARE(Cp437::toUnicode(0x0D), QChar(0x266A)); // a lone CR shows as a note
    }

    void foreignText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("refusedAt");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("accents and art")
            << QStringLiteral("\u00E9\u2591") << -1 << QByteArray("\x82\xB0");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << -1 << QByteArray("a\r\nb");
        QTest::newRow("lone LF from elsewhere")
            << QStringLiteral("a\nb") << -1 << QByteArray("a\r\nb");
        QTest::newRow("lone CR from elsewhere")
            << QStringLiteral("a\rb") << -1 << QByteArray("a\r\nb");
        QTest::newRow("line separator") << QStringLiteral("a\u2028b") << -1 << QByteArray("a\nb");
        QTest::newRow("euro refused") << QStringLiteral("ab\u20AC") << 2 << QByteArray();
        QTest::newRow("emoji refused") << QStringLiteral("\U0001F600") << 0 << QByteArray();
    }

    void foreignText()
    {
        QFETCH(QString, text);
        QFETCH(int, refusedAt);
        QFETCH(QByteArray, codes);
        QCOMPARE(DocumentCodec::firstUnencodable(text), refusedAt);
        if (refusedAt < 0)
            QCOMPARE(DocumentCodec::fromForeignText(text), codes);
    }
};

QUILRA_TEST_MAIN(TestCodec)
#include "tst_codec.moc"
