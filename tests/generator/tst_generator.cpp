#include "generator/FileSizeRounding.h"
#include "generator/MaskEdBox.h"
#include "generator/SubstitutionTables.h"
#include "generator/TemplateEngine.h"
#include "generator/frmmovie.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/Form1.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::Literals::StringLiterals;

class TestGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generate_data()
    {
        QTest::addColumn<bool>("movie"); // else the application table
        QTest::addColumn<QByteArray>("templ");
        QTest::addColumn<QString>("fields"); // "name=text|name=text"
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char* name, bool movie, const char* templ, const char* fields,
                            const QByteArray& expected) {
            QTest::newRow(name) << movie << QByteArray(templ) << QString(fields) << expected;
        };
        const char* movieAll = "$title$ $upper$ $rlsdate$ $thrdate$ $dvddate$ $runtime$ $language$ "
                               "$imdburl$ $imdbrate$ $videocodec$ $resolution$ $audiocodec$ "
                               "$audiobitrate$ $subtitles$ $files$ $summary$";
        const QByteArray movieDefaults = "Unknown "_ba.repeated(15) + "None\r\n";
        row("every movie default", true, movieAll, "", movieDefaults);
        row("untouched boxes count as empty", true, movieAll,
            "txtrls=__/__/____|txtrun=__:__:__|txttitle=", movieDefaults);
        row("every application default", false,
            "$appname$ $upper$ $apptype$ $ostype$ $cracker$ $release$ $serial$ $summary$ "
            "$installation$",
            "txtrls2=__/__/____", "Unknown "_ba.repeated(8) + "Unknown\r\n");
        row("every occurrence, capitals are no placeholder", true, "$title$|$TITLE$|$title$",
            "txttitle=T", "T|$TITLE$|T\r\n");
        row("a later row fills what an earlier one put in", true, "$title$",
            "txttitle=by $upper$|txtupper=U", "by U\r\n");
        row("an earlier row's placeholder stays", true, "$upper$", "txtupper=$title$",
            "$title$\r\n");
        row("inserted text is not searched again", true, "$title$", "txttitle=$title$$title$",
            "$title$$title$\r\n");
        row("OS type holding the program type placeholder stays", false, "$ostype$",
            "txtostype=$apptype$", "$apptype$\r\n");
        row("the other template's placeholders stay", false, "$title$ $release$", "",
            "$title$ Unknown\r\n");
    }
    void generate()
    {
        QFETCH(bool, movie);
        QFETCH(QByteArray, templ);
        QFETCH(QString, fields);
        QFETCH(QByteArray, expected);
        TemplateEngine::Fields typed;
        for (const QString& field : fields.split('|', Qt::SkipEmptyParts))
            typed.insert(field.section('=', 0, 0),
                         {field.section('=', 1), field.section('=', 1).toLatin1()});
        const auto& rules = movie ? SubstitutionTables::movie() : SubstitutionTables::application();
        QCOMPARE(TemplateEngine::generate(templ, rules, typed, false), expected);
    }

    void footerOnlyForExactlyYes()
    {
        QVERIFY(TemplateEngine::isLinkAllowed("yes"));
        QVERIFY(!TemplateEngine::isLinkAllowed("Yes") && !TemplateEngine::isLinkAllowed("yes "));
        const QByteArray footer = "\r\n" + QByteArray(77, '*') +
                                  "\r\n       Created with Quilra - get your free copy - "
                                  "https://quilra.github.io/";
        QCOMPARE(TemplateEngine::generate("", SubstitutionTables::movie(), {}, true), footer);
    }

    void sizeRounding()
    {
        // Bytes, then the thousands the generator states; halfway goes to the even one.
        const qint64 max = std::numeric_limits<qint64>::max();
        const qint64 rows[] = {
            0,      0,    499,       0,      500,           0,          501,    1,
            1500,   2,    2500,      2,      3500,          4,          999499, 999,
            999500, 1000, 734003200, 734003, 5000000000000, 5000000000, max,    9223372036854776};
        for (size_t i = 0; i < std::size(rows); i += 2)
            QCOMPARE(FileSizeRounding::thousands(rows[i]), rows[i + 1]);
    }

    void everyFieldNameIsAWidget()
    {
        // Each row of both tables names a box on its own tab; an untouched date or time box
        // reads exactly the text that counts as empty.
        auto&& [dialogs, window] = StartedProgram();
        auto* form = openThrough<frmmovie>(window.get(), window->mnuauto);
        for (int tab = 0; tab < 2; ++tab) {
            for (const PlaceholderRule& rule :
                 tab == 0 ? SubstitutionTables::movie() : SubstitutionTables::application()) {
                auto* field = form->findChild<QWidget*>(rule.sourceField);
                QVERIFY2(field && form->XTab1->widget(tab)->isAncestorOf(field),
                         qPrintable(rule.sourceField));
                if (auto* mask = qobject_cast<MaskEdBox*>(field))
                    QCOMPARE(mask->maskedText(), rule.emptyValue);
                else
                    QVERIFY(rule.emptyValue.isEmpty() && (qobject_cast<QLineEdit*>(field) ||
                                                          qobject_cast<QPlainTextEdit*>(field)));
            }
        }
    }

    void createFillsTheDocumentOrChangesNothing()
    {
        const QString templ = TestEnvironment::instance().programDirectory() + "/movietemplate.nfo";
        QFile::remove(templ);
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText("kept");
        auto* form = openThrough<frmmovie>(window.get(), window->mnuauto);
        form->txttitle->setText(u"Caf\u00e9 \u20AC"_s);
        form->Command2->click(); // no template yet
        TestFiles::write(templ, "$title$|$rlsdate$|$summary$");
        form->Command2->click();
        QCOMPARE(dialogs.messages(),
                 (QStringList{"Template file not found.\n" + templ,
                              u"\"\u20AC\" has no code in code page 437, so it cannot go into the "
                              "NFO file. Nothing was changed."_s}));
        QCOMPARE(window->form1()->text(), "kept");
        QCOMPARE(window->existingGenerator(), form);

        form->txttitle->setText(u"Caf\u00e9 \u2591"_s);
        form->txtrls->home(false);
        QTest::keyClicks(form->txtrls, "1a2/24"); // digits only, the slash is fixed
        form->txtsummary->setPlainText("line one\nline two");
        form->Command2->click();
        QCOMPARE(window->form1()->text(), "Caf\x82 \xB0|12/24/____|line one\r\nline two\r\n");
        QVERIFY(!window->existingGenerator());
    }
};

QUILRA_TEST_MAIN(TestGenerator)
#include "tst_generator.moc"
