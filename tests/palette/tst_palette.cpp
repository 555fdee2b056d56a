#include "documents/Cp437.h"
#include "documents/DocumentCodec.h"
#include "palette/FixedKeys.h"
#include "palette/Form2.h"
#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "ui/DocumentEditor.h"
#include "ui/DocumentFont.h"
#include "ui/Form1.h"

#include <QtWidgets>

namespace {

// The palette's grid as designed, row after row.
const QByteArray kFixedGrid = "\xA0\xA1\xA1\xA2\xA4\xA5\xA6\xA7\xA8\xA9\xAA\xAB\xAC\x69\xAE\xAF"
                              "\xB0\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9\xBA\xBB\xBC\xBD\xBE\xBF"
                              "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCC\xCE\xCF"
                              "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF"
                              "\xE0\xF1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF";

ProgramSettings settings()
{
    return ProgramSettings(TestEnvironment::instance().iniPath());
}

// The program with its palette open and "art" in the document.
struct Program
{
    ScriptedDialogs dialogs;
    std::unique_ptr<MDIForm1> main = startProgram(dialogs);
    Form2* palette = open();

    Form2* open()
    {
        main->form1()->setText("art");
        main->mnucustom->trigger();
        return main->existingPalette();
    }
    QPushButton* key(int number) const
    {
        return palette->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    }
    QByteArray text() const { return main->form1()->text(); }
};

} // namespace

class TestPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void fixedKeys()
    {
        // Each key holds its designed code, shows that code's glyph in the document's face and
        // appends exactly that code.
        Program program;
        QCOMPARE(program.palette->Command1.size(), kFixedGrid.size());
        for (int index = 0; index < kFixedGrid.size(); ++index) {
            const uchar code = static_cast<uchar>(kFixedGrid.at(index));
            QCOMPARE(FixedKeys::code(index), code);
            QPushButton* key = program.palette->Command1.at(index);
            QCOMPARE(key->text(), QString(Cp437::toUnicode(code)));
            QCOMPARE(key->font().family(), DocumentFont::family());
            key->click();
        }
        QCOMPARE(program.text(), "art" + kFixedGrid);
    }

    void appendGoesToTheEnd_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("LF completes a CR") << QByteArray("ab\r") << QByteArray("\nc");
        QTest::newRow("lone LF then CR") << QByteArray("ab\n") << QByteArray("\r");
        QTest::newRow("CR then CR LF") << QByteArray("ab\r") << QByteArray("\r\n");
        QTest::newRow("line ends, tab and NUL inside")
            << QByteArray("x\t") << QByteArray("\r\n\r\ny\n\0", 7);
    }
    void appendGoesToTheEnd()
    {
        // Whatever the widget held, the document afterwards is exactly the old codes and the new
        // ones, shown as the whole text would be shown; the caret is at the start, nothing is
        // selected and the view is at the top.
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, codes);
        Program program;
        Form1* form = program.main->form1();
        DocumentEditor* editor = form->txtvimb;
        form->setText(QByteArray(200, 'z') + "\r\n" + before);
        editor->setSelStart(100);
        editor->setSelLength(5);
        editor->verticalScrollBar()->setValue(editor->verticalScrollBar()->maximum());
        form->appendText(codes);
        const QByteArray expected = QByteArray(200, 'z') + "\r\n" + before + codes;
        QCOMPARE(form->text(), expected);
        QCOMPARE(editor->document()->toRawText(),
                 DocumentCodec::toDisplay(expected).replace(QLatin1Char('\n'), QChar(0x2029)));
        QCOMPARE(editor->selStart() + editor->selLength(), 0);
        QCOMPARE(editor->verticalScrollBar()->value(), 0);
    }

    void assignCustomKey_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("refused"); // the character named in the message
        QTest::newRow("code page 437 glyphs")
            << QStringLiteral("a\u2591\u00E9\u2554") << QByteArray("a\xB0\x82\xC9") << QString();
        QTest::newRow("ampersand") << QStringLiteral("&") << QByteArray("&") << QString();
        QTest::newRow("cancel") << QString() << QByteArray() << QString();
        QTest::newRow("no code for euro")
            << QStringLiteral("a\u20AC") << QByteArray() << QStringLiteral("\u20AC");
        QTest::newRow("no code for emoji")
            << QStringLiteral("\U0001F600") << QByteArray() << QStringLiteral("\U0001F600");
    }
    void assignCustomKey()
    {
        QFETCH(QString, answer);
        QFETCH(QByteArray, stored);
        QFETCH(QString, refused);
        Program program;
        program.dialogs.answerNext(answer);
        program.key(5)->click();

        QCOMPARE(program.dialogs.asked.first().text,
                 QStringLiteral("Please Enter The character you wish to assign to this key."));
        QCOMPARE(program.dialogs.asked.size(), refused.isEmpty() ? 1 : 2);
        if (!refused.isEmpty())
            QVERIFY(program.dialogs.messages().first().contains('"' + refused + '"'));
        // Assigning inserts nothing; what was refused is not kept anywhere.
        QCOMPARE(program.text(), QByteArray("art"));
        QCOMPARE(settings().read(SettingKeys::CustomCharacter, 5), stored);
        QCOMPARE(program.palette->customCodes(5), stored);
        QCOMPARE(program.key(5)->text(),
                 DocumentCodec::toDisplay(stored).replace('&', QStringLiteral("&&")));

        // The next press appends the key's codes without asking, or asks again when unassigned.
        const qsizetype asked = program.dialogs.asked.size();
        program.key(5)->click();
        QCOMPARE(program.text(), "art" + stored);
        QCOMPARE(program.dialogs.asked.size() > asked, stored.isEmpty());
    }

    void keysComeBack()
    {
        auto program = std::make_unique<Program>();
        for (int n = 2; n <= 11; ++n) {
            program->dialogs.answerNext(n == 7 ? QString(250, 'x')
                                               : QStringLiteral("\u2588%1").arg(n));
            program->key(n)->click();
        }
        QCOMPARE(program->palette->customCodes(7).size(), 250);

        // After a restart every key shows what Settings.ini holds; a long value comes back cut
        // to 199 characters.
        program = std::make_unique<Program>();
        for (int n = 2; n <= 11; ++n) {
            const QByteArray expected =
                n == 7 ? QByteArray(199, 'x') : "\xDB" + QByteArray::number(n);
            QCOMPARE(program->palette->customCodes(n), expected);
            QCOMPARE(program->key(n)->text(), DocumentCodec::toDisplay(expected));
        }
        program->key(7)->click();
        QCOMPARE(program->text(), "art" + QByteArray(199, 'x'));

        // The menu item brings the one palette forward. A picture for a person to look at:
        // every face should be the glyph its key inserts.
        program->main->show();
        QVERIFY(QTest::qWaitForWindowExposed(program->main.get()));
        program->main->mnucustom->trigger();
        QCOMPARE(program->main->workArea()->subWindowList().count(program->palette), 1);
        QDir().mkpath(QStringLiteral("screenshots"));
        QVERIFY(program->palette->grab().save(QStringLiteral("screenshots/palette.png")));
    }

    void clearAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("cleared"); // 0: none; -1: none, with the message on the range
        QTest::newRow("2") << QString("2") << 2;
        QTest::newRow("11") << QString("11") << 11;
        QTest::newRow("05") << QString("05") << 5;
        QTest::newRow("blanks around 3") << QString(" 3 ") << 3;
        QTest::newRow("empty or cancel") << QString() << 0;
        for (const char* outside :
             {"1", "0", "12", "-3", "2.5", "abc", "   ", "99999999999999999999"})
            QTest::newRow(outside) << QString(outside) << -1;
    }
    void clearAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(int, cleared);
        for (int n = 2; n <= 11; ++n)
            settings().write(SettingKeys::CustomCharacter, "k" + QByteArray::number(n), n);
        Program program;
        program.dialogs.answerNext(answer);
        program.palette->cmdclear->click();

        QCOMPARE(program.dialogs.asked.first().text,
                 QStringLiteral("Please enter the button number you wish to clear.\r\n"
                                "(Enter a number between 2 and 11"));
        QCOMPARE(program.dialogs.messages(),
                 cleared < 0 ? QStringList{"Please Enter a number between 2 and 11"}
                             : QStringList());
        for (int n = 2; n <= 11; ++n) {
            const QByteArray expected = n == cleared ? QByteArray() : "k" + QByteArray::number(n);
            QCOMPARE(settings().read(SettingKeys::CustomCharacter, n), expected);
            QCOMPARE(program.palette->customCodes(n), expected);
        }
        QCOMPARE(program.text(), QByteArray("art"));
    }
};

QUILRA_TEST_MAIN(TestPalette)
#include "tst_palette.moc"
