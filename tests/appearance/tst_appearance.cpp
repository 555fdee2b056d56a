#include "appearance/frmcolor.h"
#include "appearance/frmfont.h"
#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "ui/DocumentEditor.h"
#include "ui/DocumentFont.h"
#include "ui/Form1.h"

#include <QtWidgets>

namespace {

QByteArray stored(const SettingKey& key)
{
    return ProgramSettings(TestEnvironment::instance().iniPath()).read(key);
}

QByteArray iniBytes()
{
    QFile file(TestEnvironment::instance().iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeIni(const QByteArray& bytes)
{
    QFile file(TestEnvironment::instance().iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QColor colourOf(const QWidget* widget, QPalette::ColorRole role = QPalette::Window)
{
    return widget->palette().color(role);
}

bool isOpen(const ChildWindow* window)
{
    return window && !window->isClosing() && !window->isHidden();
}

// Chooses an entry of a box's list, as a click in the open list does.
void choose(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

// The program against the test's stores, its windows opened through their menu items.
struct Program
{
    ScriptedDialogs dialogs;
    std::unique_ptr<MDIForm1> main = startProgram(dialogs);

    DocumentEditor* document() const { return main->form1()->txtvimb; }
    QPointer<frmcolor> colours() { return open<frmcolor>(main->mnucolors); }
    QPointer<frmfont> font() { return open<frmfont>(main->mnufont); }
    template <class Window> QPointer<Window> open(QAction* item)
    {
        item->trigger(); // one closed before may still await deletion
        const auto all = main->template findChildren<Window*>();
        const auto it =
            std::find_if(all.begin(), all.end(), [](auto w) { return !w->isClosing(); });
        return it == all.end() ? nullptr : *it;
    }
};

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void applyColours_data()
    {
        QTest::addColumn<QByteArray>("ini");      // the stored colours
        QTest::addColumn<QList<QColor>>("picks"); // text, background, text, ...; invalid: cancel
        QTest::addColumn<QColor>("text");         // shown at load, kept by a cancel
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QByteArray>("stored");
        const QColor cancel;
        QTest::newRow("none, no pick") << QByteArray() << QList<QColor>() << QColor(Qt::black)
                                       << QColor(Qt::white) << QByteArray("0 16777215");
        QTest::newRow("255 is red, cancel at once")
            << QByteArray("text=255\r\nbackground=16711680") << QList<QColor>{cancel, cancel}
            << QColor(Qt::red) << QColor(Qt::blue) << QByteArray("255 16711680");
        QTest::newRow("abc and empty")
            << QByteArray("text=abc\r\nbackground=") << QList<QColor>() << QColor(Qt::black)
            << QColor(Qt::white) << QByteArray("0 16777215");
        QTest::newRow("out of range, pick then cancel")
            << QByteArray("text=16777216\r\nbackground=-1")
            << QList<QColor>{QColor(1, 2, 3), Qt::blue, cancel, cancel} << QColor(1, 2, 3)
            << QColor(Qt::blue) << QByteArray("197121 16711680");
    }
    void applyColours()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QList<QColor>, picks);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(QByteArray, stored);
        writeIni("[Custom Colors]\r\n" + ini + "\r\n");
        Program program;
        QPointer<frmcolor> window = program.colours();
        program.colours(); // the same window again
        QCOMPARE(program.main->findChildren<frmcolor*>().size(), 1);
        for (int i = 0; i < picks.size(); ++i) {
            program.dialogs.answerNextColour(picks[i]);
            (i % 2 == 0 ? window->Command1 : window->Command2)->click();
        }
        QCOMPARE(colourOf(window->Picture1), text);
        QCOMPARE(colourOf(window->Picture2), background);
        window->Command3->click();
        QVERIFY(!isOpen(window));
        QCOMPARE(::stored(SettingKeys::TextColour) + ' ' + ::stored(SettingKeys::BackgroundColour),
                 stored);
        QCOMPARE(colourOf(program.document(), QPalette::Text), text);
        QCOMPARE(colourOf(program.document(), QPalette::Base), background);
    }

    void closeBoxChangesNothing()
    {
        writeIni("[Custom Colors]\r\ntext=255\r\n");
        const QByteArray before = iniBytes();
        Program program;
        const QPalette document = program.document()->palette();
        QPointer<frmcolor> colours = program.colours();
        program.dialogs.answerNextColour(Qt::blue);
        colours->Command1->click();
        colours->close();
        QPointer<frmfont> font = program.font();
        choose(font->cbofontsize, QStringLiteral("12"));
        font->Command1->click(); // Cancel
        QVERIFY(!isOpen(colours) && !isOpen(font));
        QCOMPARE(iniBytes(), before);
        QCOMPARE(program.document()->palette(), document);
        QCOMPARE(program.document()->font(), DocumentFont::designed());
        QCOMPARE(colourOf(program.colours()->Picture1), QColor(Qt::red));
    }

    void sizeListAndPreview()
    {
        Program program;
        QPointer<frmfont> window = program.font();
        // The first face's sizes are listed at load, none chosen.
        QVERIFY(window->cbofontsize->count() > 0);
        QCOMPARE(window->cbofontsize->currentText(), QString());

        const QFont ownFont = window->cbofontsize->font();
        const QFont designedPreview = window->Label1->font();
        choose(window->cbofonts, QStringLiteral("DejaVu Sans"));
        // At 96 dots per inch a scalable face shows only whole pixels: multiples of 0.75 point.
        QStringList sizes;
        for (int i = 0; i < window->cbofontsize->count(); ++i)
            sizes.append(window->cbofontsize->itemText(i));
        QCOMPARE(sizes.join(QLatin1Char(' ')), QStringLiteral("6 9 12 18 24 36 48 72"));
        QCOMPARE(window->cbofontsize->font(), ownFont);
        QCOMPARE(window->Label1->font(), designedPreview);

        // A size shows the face in the preview; another face alone changes nothing.
        choose(window->cbofontsize, QStringLiteral("24"));
        QCOMPARE(window->Label1->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(window->Label1->font().pointSizeF(), 24.0);
        const QFont chosen = window->Label1->font();
        choose(window->cbofonts, QStringLiteral("DejaVu Serif"));
        QCOMPARE(window->Label1->font(), chosen);
    }

    void applyFont_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<double>("realised"); // 0: refused
        QTest::newRow("typed 10") << QStringLiteral("10") << 9.75;
        QTest::newRow("typed 7.50") << QStringLiteral("7.50") << 7.5;
        QTest::newRow("none chosen") << QString() << 0.0;
        QTest::newRow("zero") << QStringLiteral("0") << 0.0;
        QTest::newRow("negative") << QStringLiteral("-12") << 0.0;
        QTest::newRow("not a number") << QStringLiteral("12pt") << 0.0;
        QTest::newRow("absurd") << QStringLiteral("1e300") << 0.0;
    }
    void applyFont()
    {
        QFETCH(QString, size);
        QFETCH(double, realised);
        const QString face = QStringLiteral("DejaVu Sans Mono");
        Program program;
        QPointer<frmfont> window = program.font();
        choose(window->cbofonts, face);
        window->cbofontsize->setEditText(size);
        window->cmdapply->click();
        if (realised == 0.0) {
            QCOMPARE(program.dialogs.messages(), QStringList{"Please choose a font size."});
            QVERIFY(isOpen(window));
            QCOMPARE(program.document()->font(), DocumentFont::designed());
            QVERIFY(iniBytes().isEmpty());
            return;
        }
        QVERIFY(program.dialogs.asked.isEmpty());
        QVERIFY(!isOpen(window));
        QCOMPARE(stored(SettingKeys::FontName), face.toUtf8());
        QCOMPARE(stored(SettingKeys::FontSize), size.toUtf8());
        // The document shows it now, and again when its window is next created.
        for (int creation = 0; creation < 2; ++creation) {
            const QFontInfo font(program.document()->font());
            QCOMPARE(font.family(), face);
            QCOMPARE(font.pointSizeF(), realised);
            program.main->form1()->close();
        }
    }

    void unusableStoredFont()
    {
        // A usable stored font is applied at creation: see applyFont.
        for (const QByteArray ini :
             {"Font Size=18", "Font Name=DejaVu Serif", "Font Name=DejaVu Serif\r\nFont Size=big",
              "Font Name=DejaVu Serif\r\nFont Size=0"}) {
            writeIni("[Custom Font]\r\n" + ini + "\r\n");
            QVERIFY2(Program().document()->font() == DocumentFont::designed(), ini.constData());
        }
    }

    // Pictures for people to look at; the client areas must fit inside the windows' frames.
    void screenshot()
    {
        Program program;
        program.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.main.get()));
        program.main->form1()->setText(
            "\xC9\xCD\xCD\xCD\xBB\r\n\xBA QUILRA \xB0\xB1\xB2\xDB red on black");
        QDir().mkpath(QStringLiteral("screenshots"));
        QPointer<frmcolor> colours = program.colours();
        program.dialogs.answerNextColour(Qt::red);
        colours->Command1->click();
        program.dialogs.answerNextColour(Qt::black);
        colours->Command2->click();
        QVERIFY(colours->rect().contains(colours->widget()->geometry()));
        QVERIFY(colours->grab().save(QStringLiteral("screenshots/colour-window.png")));
        colours->Command3->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(program.main->grab().save(QStringLiteral("screenshots/red-on-black.png")));
        QPointer<frmfont> font = program.font();
        choose(font->cbofonts, QStringLiteral("DejaVu Sans Mono"));
        choose(font->cbofontsize, QStringLiteral("24"));
        QVERIFY(font->rect().contains(font->widget()->geometry()));
        QVERIFY(program.main->grab().save(QStringLiteral("screenshots/font-window.png")));
    }
};

QUILRA_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
