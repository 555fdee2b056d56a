#include "app/DocumentEditor.h"
#include "app/DocumentFont.h"
#include "app/Form1.h"
#include "documents/Cp437.h"
#include "documents/DocumentCodec.h"
#include "palette/FixedKeys.h"
#include "palette/Form2.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The palette's grid as designed, row by row.
const QByteArray kFixedGrid[8] = {
    "\xA0\xA1\xA1\xA2\xA4\xA5\xA6\xA7\xA8\xA9", "\xAA\xAB\xAC\x69\xAE\xAF\xB0\xB1\xB2\xB3",
    "\xB4\xB5\xB6\xB7\xB8\xB9\xBA\xBB\xBC\xBD", "\xBE\xBF\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7",
    "\xC8\xC9\xCA\xCB\xCC\xCC\xCE\xCF\xD0\xD1", "\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB",
    "\xDC\xDD\xDE\xDF\xE0\xF1\xE2\xE3\xE4\xE5", "\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF",
};

QByteArray storedKey(int number)
{
    return ProgramSettings(TestEnvironment::instance().programDirectory())
        .read(SettingKeys::CustomCharacter, number);
}

void storeKey(int number, const QByteArray& codes)
{
    ProgramSettings(TestEnvironment::instance().programDirectory())
        .write(SettingKeys::CustomCharacter, codes, number);
}

Form2* openPalette(MDIForm1& window)
{
    window.mnucustom->trigger();
    return window.existingPalette();
}

QPushButton* customKey(Form2* palette, int number)
{
    return palette->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
}

} // namespace

class TestPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void fixedKeys_data();
    void fixedKeys();
    void appendGoesToTheEnd_data();
    void appendGoesToTheEnd();
    void assignCustomKey_data();
    void assignCustomKey();
    void keysComeBack();
    void clearAnswers_data();
    void clearAnswers();
    void designedLayout();
};

void TestPalette::fixedKeys_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < 8; ++row)
        QTest::addRow("row %d", row) << row;
}

void TestPalette::fixedKeys()
{
    // Each key of the row holds its designed code, shows that code's glyph in the document's
    // face with the code in its tooltip, and appends exactly that code.
    QFETCH(int, row);
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    Form2* palette = openPalette(*window);
    QCOMPARE(palette->Command1.size(), 80);
    QByteArray appended;
    for (int column = 0; column < 10; ++column) {
        const int index = row * 10 + column;
        const uchar code = static_cast<uchar>(kFixedGrid[row].at(column));
        QCOMPARE(FixedKeys::code(index), code);
        QPushButton* key =
            palette->findChild<QPushButton*>(QStringLiteral("Command1(%1)").arg(index));
        QCOMPARE(key, palette->Command1.at(index));
        QCOMPARE(key->text(), QString(Cp437::toUnicode(code)));
        QCOMPARE(key->font().family(), DocumentFont::family());
        QCOMPARE(key->toolTip(),
                 QStringLiteral("%1 ").arg(code, 2, 16, QLatin1Char('0')).toUpper() +
                     Cp437::toUnicode(code));
        key->click();
        appended.append(static_cast<char>(code));
    }
    QCOMPARE(window->form1()->text(), appended);
}

void TestPalette::appendGoesToTheEnd_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("codes");
    QTest::newRow("empty document") << QByteArray() << QByteArray("\xA0");
    QTest::newRow("after a line end") << QByteArray("ab\r\n") << QByteArray("\xB0");
    QTest::newRow("LF completes a CR") << QByteArray("ab\r") << QByteArray("\nc");
    QTest::newRow("lone LF then CR") << QByteArray("ab\n") << QByteArray("\r");
    QTest::newRow("CR then CR LF") << QByteArray("ab\r") << QByteArray("\r\n");
    QTest::newRow("line ends inside") << QByteArray("x") << QByteArray("\r\n\r\ny\n");
    QTest::newRow("tab and NUL") << QByteArray("a\t") << QByteArray(1, '\0');
}

void TestPalette::appendGoesToTheEnd()
{
    // Whatever the widget held, the document afterwards is exactly the old codes and the new
    // ones, shown as the whole text would be shown; the caret is at the start, nothing is
    // selected and the view is at the top.
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, codes);
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    Form1* form = window->form1();
    form->setText(QByteArray(200, 'z') + "\r\n" + before);
    form->txtvimb->setSelStart(100);
    form->txtvimb->setSelLength(5);
    form->txtvimb->verticalScrollBar()->setValue(form->txtvimb->verticalScrollBar()->maximum());
    form->appendText(codes);
    const QByteArray expected = QByteArray(200, 'z') + "\r\n" + before + codes;
    QCOMPARE(form->text(), expected);
    QCOMPARE(form->txtvimb->document()->toRawText(),
             DocumentCodec::toDisplay(expected).replace(QLatin1Char('\n'), QChar(0x2029)));
    QCOMPARE(form->txtvimb->selStart(), 0);
    QCOMPARE(form->txtvimb->selLength(), 0);
    QCOMPARE(form->txtvimb->verticalScrollBar()->value(), 0);
}

void TestPalette::assignCustomKey_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("refused"); // the character named in the message
    QTest::newRow("letters") << QStringLiteral("abc") << QByteArray("abc") << QString();
    QTest::newRow("code page 437 glyphs")
        << QStringLiteral("\u2591\u00E9\u2554") << QByteArray("\xB0\x82\xC9") << QString();
    QTest::newRow("ampersand") << QStringLiteral("&") << QByteArray("&") << QString();
    QTest::newRow("cancel") << QString() << QByteArray() << QString();
    QTest::newRow("no code for euro")
        << QStringLiteral("a\u20AC") << QByteArray() << QStringLiteral("\u20AC");
    QTest::newRow("no code for emoji")
        << QStringLiteral("\U0001F600") << QByteArray() << QStringLiteral("\U0001F600");
}

void TestPalette::assignCustomKey()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, stored);
    QFETCH(QString, refused);
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    window->form1()->setText("art");
    Form2* palette = openPalette(*window);
    dialogs.answerNext(answer);
    customKey(palette, 5)->click();

    QCOMPARE(dialogs.asked.size(), refused.isEmpty() ? 1 : 2);
    QCOMPARE(dialogs.asked.first().title, QStringLiteral("Custom Character"));
    QCOMPARE(dialogs.asked.first().text,
             QStringLiteral("Please Enter The character you wish to assign to this key."));
    if (!refused.isEmpty())
        QVERIFY(dialogs.messages().first().contains(QLatin1Char('"') + refused + QLatin1Char('"')));
    // Assigning inserts nothing; what was refused is not kept anywhere.
    QCOMPARE(window->form1()->text(), QByteArray("art"));
    QCOMPARE(storedKey(5), stored);
    QCOMPARE(palette->customCodes(5), stored);
    QCOMPARE(customKey(palette, 5)->text(),
             DocumentCodec::toDisplay(stored).replace(QLatin1Char('&'), QStringLiteral("&&")));

    // The next press appends the key's codes without asking, or asks again when unassigned.
    const qsizetype asked = dialogs.asked.size();
    customKey(palette, 5)->click();
    QCOMPARE(window->form1()->text(), QByteArray("art") + stored);
    QCOMPARE(dialogs.asked.size() > asked, stored.isEmpty());
}

void TestPalette::keysComeBack()
{
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    Form2* palette = openPalette(*window);
    for (int n = 2; n <= 11; ++n) {
        dialogs.answerNext(n == 7 ? QString(250, QLatin1Char('x'))
                                  : QStringLiteral("\u2588%1").arg(n));
        customKey(palette, n)->click();
    }
    QCOMPARE(palette->customCodes(7).size(), 250);

    // Closed and opened again, and after a restart, every key shows what is stored; a long
    // value comes back cut to 199 characters.
    palette->close();
    QVERIFY(window->existingPalette() == nullptr);
    for (int round = 0; round < 2; ++round) {
        if (round == 1)
            window = startProgram(dialogs);
        palette = openPalette(*window);
        for (int n = 2; n <= 11; ++n) {
            const QByteArray expected =
                n == 7 ? QByteArray(199, 'x') : "\xDB" + QByteArray::number(n);
            QCOMPARE(palette->customCodes(n), expected);
            QCOMPARE(customKey(palette, n)->text(), DocumentCodec::toDisplay(expected));
        }
    }
    customKey(palette, 7)->click();
    QCOMPARE(window->form1()->text(), QByteArray(199, 'x'));
}

void TestPalette::clearAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("cleared"); // 0: none
    QTest::addColumn<bool>("rangeMessage");
    QTest::newRow("2") << QStringLiteral("2") << 2 << false;
    QTest::newRow("11") << QStringLiteral("11") << 11 << false;
    QTest::newRow("1") << QStringLiteral("1") << 0 << true;
    QTest::newRow("0") << QStringLiteral("0") << 0 << true;
    QTest::newRow("12") << QStringLiteral("12") << 0 << true;
    QTest::newRow("-3") << QStringLiteral("-3") << 0 << true;
    QTest::newRow("05") << QStringLiteral("05") << 5 << false;
    QTest::newRow("blanks around 3") << QStringLiteral(" 3 ") << 3 << false;
    QTest::newRow("2.5") << QStringLiteral("2.5") << 0 << true;
    QTest::newRow("abc") << QStringLiteral("abc") << 0 << true;
    QTest::newRow("blanks only") << QStringLiteral("   ") << 0 << true;
    QTest::newRow("many digits") << QStringLiteral("99999999999999999999") << 0 << true;
    QTest::newRow("empty or cancel") << QString() << 0 << false;
}

void TestPalette::clearAnswers()
{
    QFETCH(QString, answer);
    QFETCH(int, cleared);
    QFETCH(bool, rangeMessage);
    for (int n = 2; n <= 11; ++n)
        storeKey(n, "k" + QByteArray::number(n));
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    window->form1()->setText("art");
    Form2* palette = openPalette(*window);
    dialogs.answerNext(answer);
    palette->cmdclear->click();

    QCOMPARE(dialogs.asked.first().title, QStringLiteral("Clear Custom"));
    QCOMPARE(dialogs.asked.first().text,
             QStringLiteral("Please enter the button number you wish to clear.\r\n"
                            "(Enter a number between 2 and 11"));
    const QStringList expectedMessages =
        rangeMessage ? QStringList{QStringLiteral("Please Enter a number between 2 and 11")}
                     : QStringList();
    QCOMPARE(dialogs.messages(), expectedMessages);
    if (rangeMessage)
        QCOMPARE(dialogs.asked.last().title, QStringLiteral("Quilra"));
    for (int n = 2; n <= 11; ++n) {
        const QByteArray expected = n == cleared ? QByteArray() : "k" + QByteArray::number(n);
        QCOMPARE(storedKey(n), expected);
        QCOMPARE(palette->customCodes(n), expected);
    }
    QCOMPARE(window->form1()->text(), QByteArray("art"));
}

void TestPalette::designedLayout()
{
    storeKey(2, "\xB0\xB1\xB2");
    storeKey(3, "\xDB");
    storeKey(4, "A&B");
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    Form2* palette = openPalette(*window);
    QCOMPARE(palette->windowTitle(), QStringLiteral("Custom Characters"));
    QCOMPARE(palette->widget()->size(), QSize(159, 161));
    QCOMPARE(palette->Command1.at(79)->geometry(), QRect(144, 112, 17, 17));
    QCOMPARE(customKey(palette, 11)->geometry(), QRect(144, 128, 17, 17));
    QCOMPARE(palette->cmdclear->geometry(), QRect(0, 144, 161, 17));
    window->mnucustom->trigger();
    QCOMPARE(window->workArea()->subWindowList().count(palette), 1);
    // A picture for a person to look at: every face should be the glyph its key inserts.
    const QString folder = QDir::current().filePath(QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    QVERIFY(palette->grab().save(QDir(folder).filePath(QStringLiteral("palette.png"))));
}

QUILRA_TEST_MAIN(TestPalette)
#include "tst_palette.moc"
