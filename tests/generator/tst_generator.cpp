#include "documents/DocumentCodec.h"
#include "generator/MaskEdBox.h"
#include "generator/SubstitutionTables.h"
#include "generator/frmmovie.h"
#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/Form1.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDir kProgram(TestEnvironment::instance().programDirectory());

void installTemplate(const QString& name, const QByteArray& bytes)
{
    TestFiles::write(kProgram.filePath(name), bytes);
}

// Every placeholder of a table, one a line, so that a generated text shows what each became.
QByteArray listTemplate(const QList<PlaceholderRule>& rules)
{
    QByteArray text;
    for (const PlaceholderRule& rule : rules)
        text += rule.placeholder + "\r\n";
    return text;
}

frmmovie* openGenerator(MDIForm1* window)
{
    window->mnuauto->trigger();
    return window->existingGenerator();
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TestEnvironment::instance().reset();
        QFile::remove(kProgram.filePath(SubstitutionTables::movieTemplateFile()));
        QFile::remove(kProgram.filePath(SubstitutionTables::applicationTemplateFile()));
    }

    void opensEmptyAndMasksTakeDigitsOnly()
    {
        auto&& [dialogs, window] = StartedProgram();
        frmmovie* form = openGenerator(window.get());
        QVERIFY(form);
        QCOMPARE(form->pos(), QPoint(0, 0));
        QCOMPARE(form->XTab1->currentIndex(), 0);
        QCOMPARE(form->txtrls->maskedText(), u"__/__/____"_s);
        QVERIFY(shown(window.get()));
        for (int tab = 0; tab < 2; ++tab) {
            form->XTab1->setCurrentIndex(tab);
            TestFiles::saveScreenshot(window.get(), u"generator-tab%1"_s.arg(tab));
        }
        form->XTab1->setCurrentIndex(0);
        form->txtrls->setFocus();
        form->txtrls->home(false);
        QTest::keyClicks(form->txtrls, u"1a2/x"_s);
        QCOMPARE(form->txtrls->maskedText(), u"12/__/____"_s);
        QTest::keyClicks(form->txtrls, u"24//2006"_s);
        QCOMPARE(form->txtrls->maskedText(), u"12/24/2006"_s);
        form->txtrun->home(false);
        QTest::keyClicks(form->txtrun, u"013"_s);
        QCOMPARE(form->txtrun->maskedText(), u"01:3_:__"_s);

        // Choosing the item again brings the same form forward; a closed one comes back empty.
        QCOMPARE(openGenerator(window.get()), form);
        form->txttitle->setText(u"typed"_s);
        form->close();
        QTRY_VERIFY(!window->existingGenerator());
        QVERIFY(openGenerator(window.get())->txttitle->text().isEmpty());
    }

    void createMovieFromTypedFields()
    {
        installTemplate(SubstitutionTables::movieTemplateFile(),
                        listTemplate(SubstitutionTables::movie()) + "$appname$"_ba);
        UserSettings().write(SettingKeys::LinkAllowed, u"yes"_s);
        auto&& [dialogs, window] = StartedProgram();
        frmmovie* form = openGenerator(window.get());
        QByteArray expected;
        for (const PlaceholderRule& rule : SubstitutionTables::movie()) {
            QWidget* field = form->findChild<QWidget*>(rule.sourceField);
            QVERIFY2(field, qPrintable(rule.sourceField));
            if (auto* mask = qobject_cast<MaskEdBox*>(field)) {
                mask->home(false);
                QTest::keyClicks(mask, u"1234"_s);
                expected += mask->maskedText().toLatin1() + "\r\n";
            } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
                memo->setPlainText(u"line one\nline \u00e9 two"_s);
                expected += "line one\r\nline \x82 two\r\n"_ba;
            } else {
                QTest::keyClicks(field, rule.sourceField);
                expected += rule.sourceField.toLatin1() + "\r\n";
            }
        }
        expected +=
            "$appname$\r\n"_ba + "\r\n" + QByteArray(77, '*') +
            "\r\n       Created with Quilra - get your free copy - https://quilra.github.io/";
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QCOMPARE(window->form1()->text(), expected);
        QTRY_VERIFY(!window->existingGenerator());
        QVERIFY(dialogs.messages().isEmpty());
    }

    void createApplicationKeepsTheCaptions()
    {
        installTemplate(SubstitutionTables::applicationTemplateFile(),
                        "$appname$|$installation$|$serial$"_ba);
        auto&& [dialogs, window] = StartedProgram();
        window->SetDocumentCaptions(u"/some/where.nfo"_s);
        window->form1()->setText("old"_ba);
        frmmovie* form = openGenerator(window.get());
        form->XTab1->setCurrentIndex(1);
        form->txtapptitle->setText(u"Tool \u2591 1.0"_s);
        form->txtinstallation->setPlainText(u"1. unpack\n2. run"_s);
        form->Command3->click();
        QCOMPARE(window->form1()->text(), "Tool \xB0 1.0|1. unpack\r\n2. run|Unknown\r\n"_ba);
        QCOMPARE(window->form1()->windowTitle(), u"/some/where.nfo"_s);
        QCOMPARE(window->windowTitle(), u"Quilra - (/some/where.nfo)"_s);
    }

    void missingTemplateOrRefusedCharacterChangesNothing()
    {
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText("kept"_ba);
        frmmovie* form = openGenerator(window.get());
        form->txttitle->setText(u"typed"_s);
        form->Command2->click();
        QCOMPARE(dialogs.messages(),
                 QStringList{u"Template file not found.\n"_s +
                             kProgram.filePath(SubstitutionTables::movieTemplateFile())});
        QCOMPARE(window->existingGenerator(), form);
        QCOMPARE(form->txttitle->text(), u"typed"_s);

        installTemplate(SubstitutionTables::movieTemplateFile(), "$title$"_ba);
        form->txttitle->setText(u"price \u20AC"_s);
        form->Command2->click();
        QCOMPARE(dialogs.messages().size(), 2);
        QVERIFY(dialogs.messages().last().contains(u"\u20AC"_s));
        QCOMPARE(window->form1()->text(), "kept"_ba);
        QCOMPARE(window->existingGenerator(), form);
    }

    void getFillsTheSize()
    {
        const QString file =
            TestFiles::write(kProgram.filePath(u"release.mkv"_s), QByteArray(2500, 'x'));
        auto&& [dialogs, window] = StartedProgram();
        frmmovie* form = openGenerator(window.get());
        dialogs.answerNext(file);
        form->Command4->click();
        QCOMPARE(dialogs.asked.last().text, u"all files *|*"_s);
        QCOMPARE(form->txtnumber->text(), u"2"_s);

        form->Command4->click(); // cancelled: the field keeps its text
        QCOMPARE(form->txtnumber->text(), u"2"_s);
        dialogs.answerNext(kProgram.filePath(u"no such file"_s));
        form->Command4->click();
        QCOMPARE(dialogs.messages(), QStringList{u"File not found."_s});
        QCOMPARE(form->txtnumber->text(), u"2"_s);
    }

    void focusedFieldIsYellow()
    {
        auto&& [dialogs, window] = StartedProgram();
        QVERIFY(shown(window.get()));
        frmmovie* form = openGenerator(window.get());
        const QColor yellow(255, 255, 0);
        const QColor plain = QApplication::palette(form->txtupper).color(QPalette::Base);
        const auto base = [](QWidget* w) { return w->palette().color(QPalette::Base); };
        QCOMPARE(base(form->txtupper), plain);

        // Tab walks the movie fields in their order, each yellow in turn.
        form->txtupper->setFocus();
        QTRY_COMPARE(base(form->txtupper), yellow);
        const QList<QWidget*> order = {
            form->txtrls,    form->txtthr,  form->txtdvd,    form->txtrun,   form->txtlan,
            form->txtlink,   form->txtrate, form->txtvidcod, form->txtres,   form->txtaudcod,
            form->txtaudbit, form->txtsub,  form->txtnumber, form->txttitle, form->txtsummary};
        QWidget* previous = form->txtupper;
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), next);
            QCOMPARE(base(next), yellow);
            QCOMPARE(base(previous), plain);
            previous = next;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), form->Command2);
        QCOMPARE(base(form->txtsummary), plain);
    }

    void shippedTemplates_data()
    {
        QTest::addColumn<bool>("movie");
        QTest::newRow("movie") << true;
        QTest::newRow("application") << false;
    }

    void shippedTemplates()
    {
        QFETCH(bool, movie);
        const auto& rules = movie ? SubstitutionTables::movie() : SubstitutionTables::application();
        const QString name = movie ? SubstitutionTables::movieTemplateFile()
                                   : SubstitutionTables::applicationTemplateFile();
        const QByteArray bytes =
            TestFiles::read(QDir(QStringLiteral(QUILRA_TEMPLATES_DIR)).filePath(name));
        installTemplate(name, bytes);
        UserSettings().write(SettingKeys::LinkAllowed, u"yes"_s);
        // CR LF line ends, using every placeholder of its table.
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        for (const PlaceholderRule& rule : rules)
            QVERIFY2(bytes.contains(rule.placeholder), rule.placeholder.constData());

        auto&& [dialogs, window] = StartedProgram();
        frmmovie* form = openGenerator(window.get());
        (movie ? form->Command2 : form->Command3)->click();
        const QByteArray text = window->form1()->text();
        for (const PlaceholderRule& rule : rules)
            QVERIFY2(!text.contains(rule.placeholder), rule.placeholder.constData());
        for (const QByteArray& line : text.split('\n'))
            QVERIFY2(line.size() - (line.endsWith('\r') ? 1 : 0) <= 80, line.constData());

        QVERIFY(shown(window.get()));
        TestFiles::saveScreenshot(window.get(),
                                  movie ? u"generated-movie"_s : u"generated-application"_s);
    }
};

QUILRA_TEST_MAIN(TestGenerator)
#include "tst_generator.moc"
