#include "palette/ClearAnswer.h"
#include "palette/Form2.h"
#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "ui/DocumentFont.h"
#include "ui/Form1.h"

#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// The fixed keys' codes as designed, row after row, and the glyphs their faces show.
const QByteArray kFixedCodes =
    "\xA0\xA1\xA1\xA2\xA4\xA5\xA6\xA7\xA8\xA9\xAA\xAB\xAC\x69\xAE\xAF"
    "\xB0\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9\xBA\xBB\xBC\xBD\xBE\xBF"
    "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCC\xCE\xCF"
    "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF"
    "\xE0\xF1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"_ba;
const QString kFixedFaces = u"áííóñÑªº¿⌐¬½¼i«»"
                            u"░▒▓│┤╡╢╖╕╣║╗╝╜╛┐"
                            u"└┴┬├─┼╞╟╚╔╩╦╠╠╬╧"
                            u"╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀"
                            u"α±ΓπΣσµτΦΘΩδ∞φε∩"_s;

const ProgramSettings kSettings(TestEnvironment::instance().iniPath());

// The palette of a started program, with "art" in the document.
Form2* openPalette(MDIForm1* window)
{
    window->form1()->setText("art");
    return openThrough<Form2>(window, window->mnucustom);
}

QPushButton* key(Form2* palette, int number)
{
    return palette->findChild<QPushButton*>(u"Command%1"_s.arg(number));
}

} // namespace

class TestPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void keysHoldTheirGlyphsWhole()
    {
        for (const auto& [face, side] : {std::pair(""_L1, 20), std::pair("Px IBM VGA9"_L1, 28)}) {
            auto&& [dialogs, window] = StartedProgram();
            if (!face.isEmpty())
                window->form1()->setDocumentFont(face, 18);
            Form2* palette = openPalette(window.get());
            const QList<QPushButton*> keys = QList<QPushButton*>(palette->Command1)
                                             << key(palette, 11);
            for (QPushButton* each : keys) {
                QCOMPARE(each->size(), QSize(side, side));
                QVERIFY(each->fontMetrics().height() + 4 <= side);
            }
            QVERIFY(palette->widget()->width() >= // the caption whole
                    palette->fontMetrics().horizontalAdvance(palette->windowTitle()));
        }
    }

    void fixedKeys()
    {
        // Each key shows its code's glyph in the document's face and appends exactly that code.
        auto&& [dialogs, window] = StartedProgram();
        Form2* palette = openPalette(window.get());
        for (int index = 0; index < 80; ++index) {
            QPushButton* fixed = palette->Command1.at(index);
            QCOMPARE(fixed->text(), kFixedFaces.mid(index, 1));
            QCOMPARE(fixed->font().family(), DocumentFont::family());
            fixed->click();
        }
        QCOMPARE(window->form1()->text(), "art" + kFixedCodes);
    }

    void customKeysComeBack()
    {
        // Assigning inserts nothing; a character without a code is refused and kept nowhere.
        auto program = std::make_unique<StartedProgram>();
        Form2* palette = openPalette(program->window.get());
        const QString answers[] = {u"a\u2591\u00E9\u2554"_s, "&", u"a\u20AC"_s, QString(250, 'x')};
        for (int n = 2; n <= 5; ++n) {
            program->dialogs.answerNext(answers[n - 2]);
            key(palette, n)->click();
        }
        const QString refused =
            u"\"\u20AC\" has no code in code page 437, so the key was not assigned."_s;
        QCOMPARE(program->dialogs.messages(), QStringList{refused});
        QCOMPARE(program->window->form1()->text(), "art");

        // After a restart the keys show what Settings.ini holds, a long value cut to 199 codes.
        program = std::make_unique<StartedProgram>();
        palette = openPalette(program->window.get());
        const QByteArray codes[] = {"a\xB0\x82\xC9", "&", "", QByteArray(199, 'x')};
        const QString faces[] = {u"a\u2591\u00E9\u2554"_s, "&&", "", QString(199, 'x')};
        for (int n = 2; n <= 5; ++n) {
            QCOMPARE(kSettings.read(SettingKeys::CustomCharacter, n), codes[n - 2]);
            QCOMPARE(palette->customCodes(n), codes[n - 2]);
            QCOMPARE(key(palette, n)->text(), faces[n - 2]);
            key(palette, n)->click(); // appends, or asks when unassigned
        }
        QCOMPARE(program->window->form1()->text(), "art" + codes[0] + "&" + codes[3]);
        QCOMPARE(program->dialogs.asked.size(), 1);
    }

    void clearRule()
    {
        // After trimming blanks, a whole decimal number from 2 to 11, leading zeros allowed.
        const std::pair<const char*, int> answers[] = {
            {"2", 2},  {"11", 11}, {"05", 5}, {" 3 ", 3}, {"1", 0},   {"0", 0},  {"12", 0},
            {"-3", 0}, {"+4", 0},  {"٣", 0},  {"2.5", 0}, {"abc", 0}, {"   ", 0}};
        for (const auto& [answer, key] : answers)
            QVERIFY2(ClearAnswer::keyNumber(QString(answer)).value_or(0) == key, answer);
        QVERIFY(!ClearAnswer::keyNumber("99999999999999999999"));
        // The palette clears the key named, in Settings.ini too, or names the range; a cancel
        // does nothing.
        for (int n = 2; n <= 11; ++n)
            kSettings.write(SettingKeys::CustomCharacter, "k" + QByteArray::number(n), n);
        auto&& [dialogs, window] = StartedProgram();
        Form2* palette = openPalette(window.get());
        for (const QString answer : {"abc", "", "05"}) {
            dialogs.answerNext(answer);
            palette->cmdclear->click();
        }
        QCOMPARE(dialogs.messages(), QStringList{"Please Enter a number between 2 and 11"});
        for (int n = 2; n <= 11; ++n) {
            const QByteArray expected = n == 5 ? QByteArray() : "k" + QByteArray::number(n);
            QCOMPARE(kSettings.read(SettingKeys::CustomCharacter, n), expected);
            QCOMPARE(palette->customCodes(n), expected);
        }
    }
};

QUILRA_TEST_MAIN(TestPalette)
#include "tst_palette.moc"
