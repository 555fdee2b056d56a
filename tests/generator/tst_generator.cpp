#include "generator/BatchGeneration.h"
#include "generator/FileSizeRounding.h"
#include "generator/MaskEdBox.h"
#include "generator/SubstitutionTables.h"
#include "generator/TemplateEngine.h"
#include "generator/frmmovie.h"
#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::Literals::StringLiterals;

const QString kProgram = TestEnvironment::instance().programDirectory();

// The shipped templates where the form and the batch read them.
void installShippedTemplates()
{
    for (const char* name : {"/movietemplate.nfo", "/applicationtemplate.nfo"})
        TestFiles::write(kProgram + name,
                         TestFiles::read(QStringLiteral(QUILRA_TEMPLATES_DIR) + name));
}

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
        row("values go in as written", true, "$title$ $upper$",
            "txttitle=A $upper$|txtupper=$title$$title$", "A $upper$ $title$$title$\r\n");
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
        // A wide last line gives every value room, so that none of them is wrapped.
        const QByteArray ruler(40, '=');
        QCOMPARE(TemplateEngine::generate(templ + "\r\n" + ruler, rules, typed, false),
                 expected + ruler + "\r\n");
    }

    void wrap_data()
    {
        QTest::addColumn<QByteArray>("templ"); // filled by the movie table
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char* name, const char* templ, const char* summary,
                            const char* expected) {
            QTest::newRow(name) << QByteArray(templ) << QString(summary) << QByteArray(expected);
        };
        const char* framed = "\xBA $summary$     \xBA"; // room for 13, a blank each side
        row("words, frames on both sides", framed, "the quick brown fox jumps",
            "\xBA the quick     \xBA\r\n\xBA brown fox     \xBA\r\n\xBA jumps         \xBA\r\n");
        row("one word longer than the width", framed, "abcdefghijklmnopqrstuvwxyz",
            "\xBA abcdefghijklm \xBA\r\n\xBA nopqrstuvwxyz \xBA\r\n");
        row("empty summary: the default", framed, "", "\xBA None          \xBA\r\n");
        row("CR LF inside the value", framed, "first\r\nsecond line",
            "\xBA first         \xBA\r\n\xBA second line   \xBA\r\n");
        row("no right border: up to the widest line", "   $summary$\r\n------------------",
            "the quick brown fox", "   the quick brown\r\n   fox\r\n------------------\r\n");
        row("right part touching: it follows the text", "[$summary$]\r\n----------",
            "the quick brown", "[the quick]\r\n[brown]\r\n----------\r\n");
        row("inside a line: as it stands", "Plot: $summary$ (end)", "short",
            "Plot: short (end)\r\n");
        row("inside a line, too wide: under its column", "Plot: $summary$ (end)",
            "a plot that is far too long",
            "Plot: a plot that is\r\n      far too long\r\n      (end)\r\n");
    }
    void wrap()
    {
        QFETCH(QByteArray, templ);
        QFETCH(QString, summary);
        QFETCH(QByteArray, expected);
        const TemplateEngine::Fields fields{{"txtsummary", {summary, summary.toLatin1()}}};
        QCOMPARE(TemplateEngine::generate(templ, SubstitutionTables::movie(), fields, false),
                 expected);
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
                              u"The field \"Movie Title\" holds \"\u20AC\", which has no code in "
                              "code page 437, so it cannot go into the NFO file. Nothing was "
                              "changed."_s}));
        QCOMPARE(window->form1()->text(), "kept");
        QCOMPARE(window->existingGenerator(), form);
        // The field with the character gets the focus, the character selected.
        QCOMPARE(form->focusWidget(), form->txttitle);
        QCOMPARE(form->txttitle->selectedText(), u"\u20AC"_s);

        form->txttitle->setText(u"Caf\u00e9 \u2591"_s);
        form->txtrls->home(false);
        QTest::keyClicks(form->txtrls, "1a2/24"); // digits only, the slash is fixed
        form->txtsummary->setPlainText("line one\nline two");
        form->Command2->click();
        QCOMPARE(window->form1()->text(), "Caf\x82 \xB0|12/24/____|line one\r\nline two\r\n");
        QVERIFY(!window->existingGenerator());
    }

    void batchEqualsCreate_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QByteArray>("fieldsFile"); // "" for none
        QTest::addColumn<QString>("link");
        QTest::addColumn<QStringList>("typed"); // the same values as the form's fields hold them
        QTest::addColumn<QByteArray>("part");   // some of the bytes the NFO holds
        QTest::newRow("movie from pairs, footer")
            << "movie"
            << QStringList{u"title=Caf\u00e9 \u2591"_s, "rlsdate=12/24/2006",
                           "subtitles= ", "summary=" + QString("a long plot ").repeated(12),
                           "FILES=1"}
            << ""_ba
            << "yes"
            << QStringList{u"txttitle=Caf\u00e9 \u2591"_s, "txtrls=12/24/2006",
                           "txtsub= ", "txtsummary=" + QString("a long plot ").repeated(12),
                           "txtnumber=1"}
            << "Caf\x82 \xB0"_ba;
        QTest::newRow("application from a code page 437 file and a pair")
            << "application" << QStringList{"serial=XYZ", "cracker="}
            << "[movie]\r\nappname=other kind\r\n[application]\r\n; a comment\r\n"
               "appname=\x82t\x82\r\nrelease=01/02/2003\r\nserial=overridden\r\n"_ba
            << "no"
            << QStringList{u"txtapptitle=\u00e9t\u00e9"_s, "txtrls2=01/02/2003", "txtserial=XYZ"}
            << "Cracker .......... : Unknown"_ba;
        QTest::newRow("UTF-8 file, names in capitals, the stored link")
            << "movie" << QStringList{} << "[Movie]\r\nTITLE=Caf\xC3\xA9\r\n"_ba
            << "" << QStringList{u"txttitle=Caf\u00e9"_s} << "get your free copy"_ba;
    }
    void batchEqualsCreate()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, pairs);
        QFETCH(QByteArray, fieldsFile);
        QFETCH(QString, link);
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, part);
        installShippedTemplates();
        const UserSettings user;
        user.write(SettingKeys::LinkAllowed, link.isEmpty() ? "yes" : link);
        const QString file = fieldsFile.isEmpty()
                                 ? QString()
                                 : TestFiles::write(kProgram + "/fields.ini", fieldsFile);
        const BatchGeneration::Result batch =
            BatchGeneration(kProgram, "yes").run({kind, pairs, file, QString(), link});
        QCOMPARE(batch.error, QString());
        QVERIFY(batch.bytes.contains(part));
        // Long values are wrapped: no line is wider than the template's widest, 78 codes.
        for (const QByteArray& line : batch.bytes.split('\n'))
            QVERIFY2(line.size() <= 79, line.constData()); // 78 and the CR

        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText("");
        auto* form = openThrough<frmmovie>(window.get(), window->mnuauto);
        for (const QString& value : typed) {
            QWidget* field = form->findChild<QWidget*>(value.section('=', 0, 0));
            if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
                memo->setPlainText(value.section('=', 1));
            else
                qobject_cast<QLineEdit*>(field)->setText(value.section('=', 1));
        }
        (kind == "movie" ? form->Command2 : form->Command3)->click();
        QCOMPARE(window->form1()->text(), batch.bytes);
    }

    void fieldsThatNameEachOther()
    {
        // Every value names every placeholder: searched again, the text would outgrow memory.
        const QByteArray value = "$title$$upper$$rlsdate$$thrdate$$dvddate$$runtime$$language$"
                                 "$imdburl$$imdbrate$$videocodec$$resolution$$audiocodec$"
                                 "$audiobitrate$$subtitles$$files$$summary$";
        QByteArray fields = "[movie]\r\n";
        for (const QByteArray& name : value.split('$'))
            fields += name.isEmpty() ? QByteArray() : name + "=" + value + "\r\n";
        const QByteArray ruler(400, '=');
        const BatchGeneration::Result result =
            BatchGeneration(kProgram, "no")
                .run({"movie",
                      {},
                      TestFiles::write(kProgram + "/fields.ini", fields),
                      TestFiles::write(kProgram + "/own.nfo", "[$title$] [$summary$]\r\n" + ruler),
                      ""});
        QCOMPARE(result.bytes, "[" + value + "] [" + value + "]\r\n" + ruler + "\r\n");
    }

    void batchErrors_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QByteArray>("fieldsFile"); // "" none, "<missing>" a file not there
        QTest::addColumn<QString>("error");         // %1: the file named
        const auto row = [](const char* name, const char* kind, const QStringList& pairs,
                            const QByteArray& file, const QString& error) {
            QTest::newRow(name) << QString(kind) << pairs << file << error;
        };
        row("name in the file", "application", {}, "[application]\r\nname=x",
            "\"name\" is no field of the application template; its fields are appname, upper, "
            "apptype, ostype, cracker, release, serial, summary, installation.");
        row("no code", "movie", {u"subtitles=\u20AC"_s}, "",
            u"The field \"subtitles\" holds \"\u20AC\", which has no code in code page 437, so "
            "it cannot go into the NFO file. Nothing was written."_s);
        row("fields file missing", "movie", {}, "<missing>",
            "The fields file %1 could not be read.");
    }
    void batchErrors()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, pairs);
        QFETCH(QByteArray, fieldsFile);
        QFETCH(QString, error);
        installShippedTemplates();
        const QString file = kProgram + "/fields.ini";
        QFile::remove(file);
        if (!fieldsFile.isEmpty() && fieldsFile != "<missing>")
            TestFiles::write(file, fieldsFile);
        const BatchGeneration::Result result =
            BatchGeneration(kProgram, "")
                .run({kind, pairs, fieldsFile.isEmpty() ? QString() : file, QString(), QString()});
        QCOMPARE(result.error, error.contains("%1") ? error.arg(file) : error);
        QCOMPARE(result.bytes, QByteArray());
    }

    void previewAndTemplateButton()
    {
        TestFiles::write(kProgram + "/movietemplate.nfo", "[$title$]");
        TestFiles::write(kProgram + "/applicationtemplate.nfo", "<$appname$>");
        const QString own = TestFiles::write(kProgram + "/own.nfo", "{$appname$}");
        UserSettings().write(SettingKeys::LinkAllowed, "no");
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setDocumentFont("Px IBM VGA9", 18);
        window->form1()->setDocumentColours(Qt::yellow, Qt::blue);
        auto* form = openThrough<frmmovie>(window.get(), window->mnuauto);
        QPlainTextEdit* preview = form->txtpreview;
        QCOMPARE(preview->font(), window->form1()->txtvimb->font());
        QCOMPARE(preview->palette().color(QPalette::Base), QColor(Qt::blue));
        QCOMPARE(preview->toPlainText(), "[Unknown]\n");
        QTest::keyClicks(form->txttitle, "Hi");
        QCOMPARE(preview->toPlainText(), "[Hi]\n");
        form->txttitle->setText(u"\u20AC"_s);
        QCOMPARE(preview->toPlainText(),
                 u"The field \"Movie Title\" holds \"\u20AC\", which has no code in code page 437, "
                 "so it cannot go into the NFO file."_s);
        form->XTab1->setCurrentIndex(1);
        QCOMPARE(preview->toPlainText(), "<Unknown>\n");

        dialogs.answerNext(own);
        form->cmdtemplate2->click();
        QCOMPARE(dialogs.asked.last().title, "Choose a Template");
        QCOMPARE(preview->toPlainText(), "{Unknown}\n");
        form->Command3->click();
        QCOMPARE(window->form1()->text(), "{Unknown}\r\n");
    }

    void maskedBoxCaretAfterAClick_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("x"); // where the click lands, in pixels from the box's left
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("after"); // the box's text after a 9 is typed there
        QTest::newRow("empty, right half") << "" << 100 << 0 << "9_/__/____";
        QTest::newRow("part filled, right half") << "12" << 100 << 3 << "12/9_/____";
        QTest::newRow("full: where clicked") << "12242006" << 110 << 10 << "12/24/2006";
    }
    void maskedBoxCaretAfterAClick()
    {
        QFETCH(QString, typed);
        QFETCH(int, x);
        QFETCH(int, caret);
        QFETCH(QString, after);
        MaskEdBox box("##/##/####");
        box.resize(113, 19);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::keyClicks(&box, typed);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(x, 9));
        QCOMPARE(box.cursorPosition(), caret);
        QTest::keyClicks(&box, "9");
        QCOMPARE(box.maskedText(), after);
    }
};

QUILRA_TEST_MAIN(TestGenerator)
#include "tst_generator.moc"
