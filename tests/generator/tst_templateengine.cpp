#include "generator/FileSizeRounding.h"
#include "generator/SubstitutionTables.h"
#include "generator/TemplateEngine.h"
#include "support/TestEnvironment.h"

using namespace Qt::Literals::StringLiterals;

namespace {

using Fields = TemplateEngine::Fields;

TemplateEngine::Field typed(const QString& text)
{
    return {text, text.toLatin1()};
}

const QByteArray kFooter = "\r\n"_ba + QByteArray(77, '*') +
                           "\r\n       Created with Quilra - get your free copy - "
                           "https://quilra.github.io/"_ba;

} // namespace

class TestTemplateEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRowTakesItsDefault_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("placeholder");
        QTest::addColumn<bool>("movie");
        QTest::addColumn<QByteArray>("expected");
        const auto add = [](const QList<PlaceholderRule>& rules, bool movie) {
            for (const PlaceholderRule& rule : rules) {
                QTest::addRow("%s %s", movie ? "movie" : "application",
                              rule.placeholder.constData())
                    << rule.sourceField << rule.placeholder << movie
                    << (movie && rule.placeholder == "$summary$" ? "None"_ba : "Unknown"_ba);
            }
        };
        add(SubstitutionTables::movie(), true);
        add(SubstitutionTables::application(), false);
    }

    void everyRowTakesItsDefault()
    {
        QFETCH(QString, field);
        QFETCH(QByteArray, placeholder);
        QFETCH(bool, movie);
        QFETCH(QByteArray, expected);
        const auto& rules = movie ? SubstitutionTables::movie() : SubstitutionTables::application();
        const QByteArray templ = "[" + placeholder + "]";
        QCOMPARE(TemplateEngine::generate(templ, rules, {}, false), "[" + expected + "]\r\n");
        // The untouched text of its field counts as empty; anything else goes in as it stands.
        const QString empty = std::find_if(rules.begin(), rules.end(), [&](const auto& r) {
                                  return r.placeholder == placeholder;
                              })->emptyValue;
        QCOMPARE(TemplateEngine::generate(templ, rules, {{field, typed(empty)}}, false),
                 "[" + expected + "]\r\n");
        QCOMPARE(TemplateEngine::generate(templ, rules, {{field, typed(u"v"_s)}}, false),
                 "[v]\r\n"_ba);
    }

    void generate_data()
    {
        QTest::addColumn<QByteArray>("templ");
        QTest::addColumn<bool>("movie");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("empty template") << ""_ba << true << Fields{} << ""_ba;
        QTest::newRow("no final line end")
            << "a $title$"_ba << true << Fields{} << "a Unknown\r\n"_ba;
        QTest::newRow("lone CR and LF as a file is read")
            << "a\rb\nc\r\n"_ba << true << Fields{} << "a\r\nb\nc\r\n"_ba;
        QTest::newRow("every occurrence")
            << "$title$|$title$|$title$"_ba << true << Fields{{u"txttitle"_s, typed(u"T"_s)}}
            << "T|T|T\r\n"_ba;
        QTest::newRow("capitals are not placeholders")
            << "$TITLE$ $Title$"_ba << true << Fields{{u"txttitle"_s, typed(u"T"_s)}}
            << "$TITLE$ $Title$\r\n"_ba;
        QTest::newRow("a later row fills what an earlier one put in")
            << "$title$"_ba << true
            << Fields{{u"txttitle"_s, typed(u"by $upper$"_s)}, {u"txtupper"_s, typed(u"U"_s)}}
            << "by U\r\n"_ba;
        QTest::newRow("an earlier row's placeholder stays")
            << "$upper$"_ba << true << Fields{{u"txtupper"_s, typed(u"$title$"_s)}}
            << "$title$\r\n"_ba;
        QTest::newRow("inserted text is not searched again")
            << "$title$"_ba << true << Fields{{u"txttitle"_s, typed(u"$title$$title$"_s)}}
            << "$title$$title$\r\n"_ba;
        QTest::newRow("OS type holding the program type placeholder stays")
            << "$ostype$"_ba << false << Fields{{u"txtostype"_s, typed(u"$apptype$"_s)}}
            << "$apptype$\r\n"_ba;
        QTest::newRow("program type holding the OS type placeholder is filled")
            << "$apptype$"_ba << false
            << Fields{{u"txtprogtype"_s, typed(u"for $ostype$"_s)},
                      {u"txtostype"_s, typed(u"DOS"_s)}}
            << "for DOS\r\n"_ba;
        QTest::newRow("multi-line field keeps its line breaks")
            << "<$summary$>"_ba << true << Fields{{u"txtsummary"_s, {u"x\ny"_s, "x\r\ny"_ba}}}
            << "<x\r\ny>\r\n"_ba;
        QTest::newRow("one blank is not empty")
            << "[$language$]"_ba << true << Fields{{u"txtlan"_s, typed(u" "_s)}} << "[ ]\r\n"_ba;
        QTest::newRow("a partly filled date goes in as shown")
            << "$rlsdate$ $runtime$"_ba << true
            << Fields{{u"txtrls"_s, typed(u"12/__/____"_s)}, {u"txtrun"_s, typed(u"__:__:__"_s)}}
            << "12/__/____ Unknown\r\n"_ba;
        QTest::newRow("the other template's placeholders stay")
            << "$appname$ $files$"_ba << true << Fields{} << "$appname$ Unknown\r\n"_ba;
        QTest::newRow("and the other way round") << "$title$ $files$ $release$"_ba << false
                                                 << Fields{} << "$title$ $files$ Unknown\r\n"_ba;
        QTest::newRow("art passes through")
            << "\xC9\xCD $upper$ \xCD\xBB"_ba << true
            << Fields{{u"txtupper"_s, {u"\u00e9"_s, "\x82"_ba}}} << "\xC9\xCD \x82 \xCD\xBB\r\n"_ba;
    }

    void generate()
    {
        QFETCH(QByteArray, templ);
        QFETCH(bool, movie);
        QFETCH(Fields, fields);
        QFETCH(QByteArray, expected);
        const auto& rules = movie ? SubstitutionTables::movie() : SubstitutionTables::application();
        QCOMPARE(TemplateEngine::generate(templ, rules, fields, false), expected);
    }

    void footerOnlyForExactlyYes_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("footer");
        QTest::newRow("absent") << QString() << false;
        QTest::newRow("no") << u"no"_s << false;
        QTest::newRow("Yes") << u"Yes"_s << false;
        QTest::newRow("yes and a blank") << u"yes "_s << false;
        QTest::newRow("yes") << u"yes"_s << true;
    }

    void footerOnlyForExactlyYes()
    {
        QFETCH(QString, stored);
        QFETCH(bool, footer);
        const bool link = TemplateEngine::isLinkAllowed(stored);
        QCOMPARE(link, footer);
        const auto& rules = SubstitutionTables::movie();
        QCOMPARE(TemplateEngine::generate("A\r\n"_ba, rules, {}, link),
                 footer ? "A\r\n"_ba + kFooter : "A\r\n"_ba);
        // An empty template gives the blank line, the asterisks and the credit line alone.
        QCOMPARE(TemplateEngine::generate(""_ba, rules, {}, link), footer ? kFooter : ""_ba);
    }

    void sizeRounding_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("thousands");
        // Pairs of bytes and thousands.
        const qint64 rows[] = {0,
                               0,
                               499,
                               0,
                               500,
                               0,
                               501,
                               1,
                               1500,
                               2,
                               2500,
                               2,
                               3500,
                               4,
                               999'499,
                               999,
                               999'500,
                               1000,
                               734'003'200,
                               734'003,
                               5'000'000'000'000,
                               5'000'000'000,
                               std::numeric_limits<qint64>::max(),
                               9'223'372'036'854'776};
        for (size_t i = 0; i < std::size(rows); i += 2)
            QTest::addRow("%lld", static_cast<long long>(rows[i])) << rows[i] << rows[i + 1];
    }

    void sizeRounding()
    {
        QFETCH(qint64, bytes);
        QFETCH(qint64, thousands);
        QCOMPARE(FileSizeRounding::thousands(bytes), thousands);
    }
};

QUILRA_TEST_MAIN(TestTemplateEngine)
#include "tst_templateengine.moc"
