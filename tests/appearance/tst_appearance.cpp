#include "app/DocumentEditor.h"
#include "app/DocumentFont.h"
#include "app/Form1.h"
#include "appearance/frmcolor.h"
#include "appearance/frmfont.h"
#include "documents/DocumentCodec.h"
#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {

const QString kAskForSize = QStringLiteral("Please choose a font size.");

QByteArray stored(const SettingKey& key)
{
    return ProgramSettings(TestEnvironment::instance().programDirectory()).read(key);
}

QByteArray iniBytes()
{
    QFile file(TestEnvironment::instance().iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeIni(const QByteArray& bytes)
{
    QFile file(TestEnvironment::instance().iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QColor colourOf(const QWidget* widget, QPalette::ColorRole role)
{
    return widget->palette().color(role);
}

// Opens a window through its menu item; one closed before may still await deletion.
template <class Window> QPointer<Window> openFrom(MDIForm1& main, QAction* item)
{
    item->trigger();
    for (Window* window : main.template findChildren<Window*>()) {
        if (!window->isClosing())
            return window;
    }
    return nullptr;
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

QStringList listed(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void storedColoursAtLoad_data();
    void storedColoursAtLoad();
    void applyColours_data();
    void applyColours();
    void closeBoxChangesNothing();
    void sizeListAndPreview();
    void applyFont_data();
    void applyFont();
    void unusableStoredFont_data();
    void unusableStoredFont();
    void screenshot();
};

void TestAppearance::storedColoursAtLoad_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::newRow("absent") << QByteArray() << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("255 is red") << QByteArray("text=255\r\nbackground=16711680") << QColor(Qt::red)
                                << QColor(Qt::blue);
    QTest::newRow("abc and empty")
        << QByteArray("text=abc\r\nbackground=") << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("out of range") << QByteArray("text=16777216\r\nbackground=-1")
                                  << QColor(Qt::black) << QColor(Qt::white);
}

void TestAppearance::storedColoursAtLoad()
{
    QFETCH(QByteArray, ini);
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    writeIni("[Custom Colors]\r\n" + ini + "\r\n");
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmcolor> window = openFrom<frmcolor>(*main, main->mnucolors);
    QCOMPARE(colourOf(window->Picture1, QPalette::Window), text);
    QCOMPARE(colourOf(window->Picture2, QPalette::Window), background);
    main->mnucolors->trigger();
    QCOMPARE(main->findChildren<frmcolor*>().size(), 1);
}

void TestAppearance::applyColours_data()
{
    QTest::addColumn<QList<QColor>>("picks"); // text, background, text, ...; invalid: cancelled
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QByteArray>("stored");
    const QColor cancel;
    QTest::newRow("no pick") << QList<QColor>() << QColor(Qt::black) << QColor(Qt::white)
                             << QByteArray("0 16777215");
    QTest::newRow("cancel at once") << QList<QColor>{cancel, cancel} << QColor(Qt::black)
                                    << QColor(Qt::white) << QByteArray("0 16777215");
    QTest::newRow("pick then cancel")
        << QList<QColor>{QColor(1, 2, 3), Qt::blue, cancel, cancel} << QColor(1, 2, 3)
        << QColor(Qt::blue) << QByteArray("197121 16711680");
}

void TestAppearance::applyColours()
{
    QFETCH(QList<QColor>, picks);
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(QByteArray, stored);
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmcolor> window = openFrom<frmcolor>(*main, main->mnucolors);
    for (int i = 0; i < picks.size(); ++i) {
        dialogs.answerNextColour(picks[i]);
        (i % 2 == 0 ? window->Command1 : window->Command2)->click();
    }
    QCOMPARE(colourOf(window->Picture1, QPalette::Window), text);
    window->Command3->click();
    QVERIFY(!isOpen(window));
    QCOMPARE(::stored(SettingKeys::TextColour) + ' ' + ::stored(SettingKeys::BackgroundColour),
             stored);
    QCOMPARE(colourOf(main->form1()->txtvimb, QPalette::Text), text);
    QCOMPARE(colourOf(main->form1()->txtvimb, QPalette::Base), background);
}

void TestAppearance::closeBoxChangesNothing()
{
    writeIni("[Custom Colors]\r\ntext=255\r\n");
    const QByteArray before = iniBytes();
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    const QPalette document = main->form1()->txtvimb->palette();
    QPointer<frmcolor> colours = openFrom<frmcolor>(*main, main->mnucolors);
    dialogs.answerNextColour(Qt::blue);
    colours->Command1->click();
    colours->close();
    QPointer<frmfont> font = openFrom<frmfont>(*main, main->mnufont);
    choose(font->cbofontsize, QStringLiteral("12"));
    font->Command1->click(); // Cancel
    QVERIFY(!isOpen(colours) && !isOpen(font));
    QCOMPARE(iniBytes(), before);
    QCOMPARE(main->form1()->txtvimb->palette(), document);
    QCOMPARE(main->form1()->txtvimb->font(), DocumentFont::designed());
    colours = openFrom<frmcolor>(*main, main->mnucolors);
    QCOMPARE(colourOf(colours->Picture1, QPalette::Window), QColor(Qt::red));
}

void TestAppearance::sizeListAndPreview()
{
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmfont> window = openFrom<frmfont>(*main, main->mnufont);
    // The first face is chosen at load and its sizes are listed at once, none chosen.
    QCOMPARE(listed(window->cbofonts), QFontDatabase::families());
    QCOMPARE(window->cbofonts->currentIndex(), 0);
    QVERIFY(window->cbofontsize->count() > 0);
    QCOMPARE(window->cbofontsize->currentText(), QString());

    const QFont ownFont = window->cbofontsize->font();
    const QFont designedPreview = window->Label1->font();
    choose(window->cbofonts, QStringLiteral("DejaVu Sans"));
    // At 96 dots per inch a scalable face shows only whole pixels: multiples of 0.75 point.
    QCOMPARE(listed(window->cbofontsize).join(QLatin1Char(' ')),
             QStringLiteral("6 9 12 18 24 36 48 72"));
    QCOMPARE(window->cbofontsize->font(), ownFont);
    QCOMPARE(window->Label1->font(), designedPreview);

    choose(window->cbofontsize, QStringLiteral("24"));
    QCOMPARE(window->Label1->font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(window->Label1->font().pointSizeF(), 24.0);
    const QFont chosen = window->Label1->font();
    choose(window->cbofonts, QStringLiteral("DejaVu Serif"));
    QCOMPARE(window->Label1->font(), chosen);
}

void TestAppearance::applyFont_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<double>("realised"); // 0: refused
    QTest::newRow("listed 12") << QStringLiteral("12") << 12.0;
    QTest::newRow("typed 10") << QStringLiteral("10") << 9.75;
    QTest::newRow("typed 7.50") << QStringLiteral("7.50") << 7.5;
    QTest::newRow("none chosen") << QString() << 0.0;
    QTest::newRow("zero") << QStringLiteral("0") << 0.0;
    QTest::newRow("negative") << QStringLiteral("-12") << 0.0;
    QTest::newRow("not a number") << QStringLiteral("12pt") << 0.0;
    QTest::newRow("absurd") << QStringLiteral("1e300") << 0.0;
}

void TestAppearance::applyFont()
{
    QFETCH(QString, size);
    QFETCH(double, realised);
    const QString face = QStringLiteral("DejaVu Sans Mono");
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmfont> window = openFrom<frmfont>(*main, main->mnufont);
    choose(window->cbofonts, face);
    window->cbofontsize->setEditText(size);
    window->cmdapply->click();
    if (realised == 0.0) {
        QCOMPARE(dialogs.messages(), QStringList{kAskForSize});
        QVERIFY(isOpen(window));
        QCOMPARE(main->form1()->txtvimb->font(), DocumentFont::designed());
        QVERIFY(iniBytes().isEmpty());
        return;
    }
    QVERIFY(dialogs.asked.isEmpty());
    QVERIFY(!isOpen(window));
    QCOMPARE(stored(SettingKeys::FontName), face.toUtf8());
    QCOMPARE(stored(SettingKeys::FontSize), size.toUtf8());
    // The document shows it now, and again when its window is next created.
    for (int creation = 0; creation < 2; ++creation) {
        const QFontInfo font(main->form1()->txtvimb->font());
        QCOMPARE(font.family(), face);
        QCOMPARE(font.pointSizeF(), realised);
        main->form1()->close();
    }
}

void TestAppearance::unusableStoredFont_data()
{
    // A usable stored font is applied at creation: see applyFont.
    QTest::addColumn<QByteArray>("ini");
    QTest::newRow("no face") << QByteArray("Font Size=18");
    QTest::newRow("no size") << QByteArray("Font Name=DejaVu Serif");
    QTest::newRow("size not a number") << QByteArray("Font Name=DejaVu Serif\r\nFont Size=big");
    QTest::newRow("size zero") << QByteArray("Font Name=DejaVu Serif\r\nFont Size=0");
}

void TestAppearance::unusableStoredFont()
{
    QFETCH(QByteArray, ini);
    writeIni("[Custom Font]\r\n" + ini + "\r\n");
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QCOMPARE(main->form1()->txtvimb->font(), DocumentFont::designed());
}

void TestAppearance::screenshot()
{
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    main->form1()->setText(DocumentCodec::fromForeignText(
        QStringLiteral("\u2554\u2550\u2550\u2550\u2550\u2550\u2550\u2550\u2550\u2557\r\n"
                       "\u2551 QUILRA \u2551 \u2591\u2592\u2593\u2588 red on black\r\n"
                       "\u255A\u2550\u2550\u2550\u2550\u2550\u2550\u2550\u2550\u255D\r\n")));
    const QDir folder(QDir::current().filePath(QStringLiteral("screenshots")));
    QDir().mkpath(folder.path());

    QPointer<frmcolor> colours = openFrom<frmcolor>(*main, main->mnucolors);
    dialogs.answerNextColour(Qt::red);
    colours->Command1->click();
    dialogs.answerNextColour(Qt::black);
    colours->Command2->click();
    // The whole client area, buttons included, lies inside the window's frame.
    QVERIFY(colours->rect().contains(colours->widget()->geometry()));
    QVERIFY(colours->grab().save(folder.filePath(QStringLiteral("colour-window.png"))));
    colours->Command3->click();

    QPointer<frmfont> font = openFrom<frmfont>(*main, main->mnufont);
    choose(font->cbofonts, QStringLiteral("DejaVu Sans Mono"));
    choose(font->cbofontsize, QStringLiteral("24"));
    QVERIFY(font->rect().contains(font->widget()->geometry()));
    QVERIFY(main->grab().save(folder.filePath(QStringLiteral("font-window.png"))));
    font->cmdapply->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main->grab().save(folder.filePath(QStringLiteral("red-on-black.png"))));
}

QUILRA_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
