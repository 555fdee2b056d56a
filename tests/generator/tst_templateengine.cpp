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

// One field typed as it stands.
Fields one(const char* field, const QString& text)
{
    return {{QString::fromLatin1(field), typed(text)}};
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
        const auto row = [](const char* name, bool movie, const QByteArray& templ,
                            const Fields& fields, const QByteArray& expected) {
            QTest::newRow(name) << templ << movie << fields << expected;
        };
        const bool movie = true;
        const bool application = false;
        row("empty template", movie, ""_ba, {}, ""_ba);
        row("no final line end", movie, "a $title$"_ba, {}, "a Unknown\r\n"_ba);
        row("lone CR and LF as a file is read", movie, "a\rb\nc\r\n"_ba, {}, "a\r\nb\nc\r\n"_ba);
        row("every occurrence", movie, "$title$|$title$|$title$"_ba, one("txttitle", u"T"_s),
            "T|T|T\r\n"_ba);
        row("capitals are not placeholders", movie, "$TITLE$ $Title$"_ba, one("txttitle", u"T"_s),
            "$TITLE$ $Title$\r\n"_ba);
        row("a later row fills what an earlier one put in", movie, "$title$"_ba,
            {{u"txttitle"_s, typed(u"by $upper$"_s)}, {u"txtupper"_s, typed(u"U"_s)}},
            "by U\r\n"_ba);
        row("an earlier row's placeholder stays", movie, "$upper$"_ba,
            one("txtupper", u"$title$"_s), "$title$\r\n"_ba);
        row("inserted text is not searched again", movie, "$title$"_ba,
            one("txttitle", u"$title$$title$"_s), "$title$$title$\r\n"_ba);
        row("OS type holding the program type placeholder stays", application, "$ostype$"_ba,
            one("txtostype", u"$apptype$"_s), "$apptype$\r\n"_ba);
        row("program type holding the OS type placeholder is filled", application, "$apptype$"_ba,
            {{u"txtprogtype"_s, typed(u"for $ostype$"_s)}, {u"txtostype"_s, typed(u"DOS"_s)}},
            "for DOS\r\n"_ba);
        row("multi-line field keeps its line breaks", movie, "<$summary$>"_ba,
            {{u"txtsummary"_s, {u"x\ny"_s, "x\r\ny"_ba}}}, "<x\r\ny>\r\n"_ba);
        row("one blank is not empty", movie, "[$language$]"_ba, one("txtlan", u" "_s),
            "[ ]\r\n"_ba);
        row("a partly filled date goes in as shown", movie, "$rlsdate$ $runtime$"_ba,
            {{u"txtrls"_s, typed(u"12/__/____"_s)}, {u"txtrun"_s, typed(u"__:__:__"_s)}},
            "12/__/____ Unknown\r\n"_ba);
        row("the other template's placeholders stay", movie, "$appname$ $files$"_ba, {},
            "$appname$ Unknown\r\n"_ba);
        row("and the other way round", application, "$title$ $files$ $release$"_ba, {},
            "$title$ $files$ Unknown\r\n"_ba);
        row("art passes through", movie, "\xC9\xCD $upper$ \xCD\xBB"_ba,
            {{u"txtupper"_s, {u"\u00e9"_s, "\x82"_ba}}}, "\xC9\xCD \x82 \xCD\xBB\r\n"_ba);
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

    // The named steps on their own: every occurrence, the default for an empty field, and
    // nothing searched again that was put in.
    void fillPlaceholderAndCredit()
    {
        QByteArray spare;
        QByteArray text = "a $x$ b $x$$x$"_ba;
        TemplateEngine::FillPlaceholder(text, {u"f"_s, "$x$", {}, "D"}, typed(u"$x$!"_s), spare);
        QCOMPARE(text, "a $x$! b $x$!$x$!"_ba);
        text = "a $x$ b $x$$x$"_ba;
        TemplateEngine::FillPlaceholder(text, {u"f"_s, "$x$", u"__"_s, "D"}, typed(u"__"_s), spare);
        QCOMPARE(text, "a D b DD"_ba);
        QCOMPARE(TemplateEngine::AppendCredit("A\r\n"_ba, true), "A\r\n"_ba + kFooter);
        QCOMPARE(TemplateEngine::AppendCredit("A\r\n"_ba, false), "A\r\n"_ba);
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
        const qint64 max = std::numeric_limits<qint64>::max();
        // Bytes, then thousands, in pairs.
        const qint64 rows[] = {
            0,      0,    499,       0,      500,           0,          501,    1,
            1500,   2,    2500,      2,      3500,          4,          999499, 999,
            999500, 1000, 734003200, 734003, 5000000000000, 5000000000, max,    9223372036854776};
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
