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

const ProgramSettings& stored()
{
    static const ProgramSettings settings(TestEnvironment::instance().programDirectory());
    return settings;
}

void writeIni(const QByteArray& bytes)
{
    QFile file(TestEnvironment::instance().iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray iniBytes()
{
    QFile file(TestEnvironment::instance().iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor previewOf(const QFrame* preview)
{
    return preview->palette().color(QPalette::Window);
}

// Opens a window through its menu item, as the user does.
template <class Window> QPointer<Window> openFrom(MDIForm1& main, QAction* item)
{
    item->trigger();
    // A window closed before may still wait for its deletion; the open one is the other.
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

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void storedColoursAtLoad_data();
    void storedColoursAtLoad();
    void applyStoresBothColours_data();
    void applyStoresBothColours();
    void closeBoxChangesNothing();

    void sizeListOfAFace_data();
    void sizeListOfAFace();
    void sizeBoxKeepsItsOwnFont();
    void previewFollowsSizeChoicesOnly();
    void applyStoresTheTextAsTyped_data();
    void applyStoresTheTextAsTyped();
    void unusableSizeAsksForOne_data();
    void unusableSizeAsksForOne();
    void cancelChangesNothing();
    void storedFontAtCreation_data();
    void storedFontAtCreation();
    void appliedFontHoldsAtTheNextCreation();

    void screenshot();
};

void TestAppearance::storedColoursAtLoad_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("background");
    QTest::addColumn<QColor>("textPreview");
    QTest::addColumn<QColor>("backgroundPreview");
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    QTest::newRow("absent") << QByteArray() << QByteArray() << black << white;
    QTest::newRow("255 is red, 16711680 blue")
        << QByteArray("255") << QByteArray("16711680") << QColor(255, 0, 0) << QColor(0, 0, 255);
    QTest::newRow("abc") << QByteArray("abc") << QByteArray("abc") << black << white;
    QTest::newRow("empty") << QByteArray("") << QByteArray("") << black << white;
    QTest::newRow("16777216") << QByteArray("16777216") << QByteArray("16777216") << black << white;
    QTest::newRow("-1") << QByteArray("-1") << QByteArray("-1") << black << white;
}

void TestAppearance::storedColoursAtLoad()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, background);
    QFETCH(QColor, textPreview);
    QFETCH(QColor, backgroundPreview);
    if (!text.isNull())
        stored().write(SettingKeys::TextColour, text);
    if (!background.isNull())
        stored().write(SettingKeys::BackgroundColour, background);
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmcolor> window = openFrom<frmcolor>(*main, main->mnucolors);
    QVERIFY(isOpen(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Color Picker"));
    QCOMPARE(previewOf(window->Picture1), textPreview);
    QCOMPARE(previewOf(window->Picture2), backgroundPreview);
    // The menu item brings the open window forward instead of making a second one.
    main->mnucolors->trigger();
    QCOMPARE(main->findChildren<frmcolor*>().size(), 1);
}

void TestAppearance::applyStoresBothColours_data()
{
    QTest::addColumn<QList<QColor>>("textPicks"); // invalid: the chooser was cancelled
    QTest::addColumn<QList<QColor>>("backgroundPicks");
    QTest::addColumn<QColor>("textColour");
    QTest::addColumn<QColor>("backgroundColour");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("background");
    const QColor cancel;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    QTest::newRow("no pick") << QList<QColor>() << QList<QColor>() << black << white
                             << QByteArray("0") << QByteArray("16777215");
    QTest::newRow("cancel at once") << QList<QColor>{cancel} << QList<QColor>{cancel} << black
                                    << white << QByteArray("0") << QByteArray("16777215");
    QTest::newRow("red on black") << QList<QColor>{Qt::red} << QList<QColor>{Qt::black}
                                  << QColor(Qt::red) << black << QByteArray("255")
                                  << QByteArray("0");
    QTest::newRow("pick then cancel")
        << QList<QColor>{QColor(1, 2, 3), cancel} << QList<QColor>{cancel, Qt::blue, cancel}
        << QColor(1, 2, 3) << QColor(Qt::blue) << QByteArray("197121") << QByteArray("16711680");
}

void TestAppearance::applyStoresBothColours()
{
    QFETCH(QList<QColor>, textPicks);
    QFETCH(QList<QColor>, backgroundPicks);
    QFETCH(QColor, textColour);
    QFETCH(QColor, backgroundColour);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, background);
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmcolor> window = openFrom<frmcolor>(*main, main->mnucolors);
    for (const QColor& pick : textPicks) {
        dialogs.answerNextColour(pick);
        window->Command1->click();
    }
    for (const QColor& pick : backgroundPicks) {
        dialogs.answerNextColour(pick);
        window->Command2->click();
    }
    QCOMPARE(dialogs.asked.size(), textPicks.size() + backgroundPicks.size());
    QCOMPARE(previewOf(window->Picture1), textColour);
    QCOMPARE(previewOf(window->Picture2), backgroundColour);
    window->Command3->click();

    QVERIFY(!isOpen(window));
    QCOMPARE(stored().read(SettingKeys::TextColour), text);
    QCOMPARE(stored().read(SettingKeys::BackgroundColour), background);
    const QPalette document = main->form1()->txtvimb->palette();
    QCOMPARE(document.color(QPalette::Text), textColour);
    QCOMPARE(document.color(QPalette::Base), backgroundColour);
}

void TestAppearance::closeBoxChangesNothing()
{
    writeIni("[Custom Colors]\r\ntext=255\r\n");
    const QByteArray before = iniBytes();
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    const QPalette document = main->form1()->txtvimb->palette();
    QPointer<frmcolor> window = openFrom<frmcolor>(*main, main->mnucolors);
    dialogs.answerNextColour(Qt::blue);
    window->Command1->click();
    dialogs.answerNextColour(Qt::green);
    window->Command2->click();
    window->close();
    QVERIFY(!isOpen(window));
    QCOMPARE(iniBytes(), before);
    QCOMPARE(main->form1()->txtvimb->palette(), document);
    // The next open starts again from the stored colours.
    window = openFrom<frmcolor>(*main, main->mnucolors);
    QCOMPARE(previewOf(window->Picture1), QColor(Qt::red));
    QCOMPARE(previewOf(window->Picture2), QColor(Qt::white));
}

void TestAppearance::sizeListOfAFace_data()
{
    QTest::addColumn<QString>("face");
    // At 96 dots per inch every size is realised in whole pixels, so a scalable face shows only
    // the candidates that are whole multiples of 0.75 point.
    const QStringList wholePixels = {
        QStringLiteral("6"),  QStringLiteral("9"),  QStringLiteral("12"), QStringLiteral("18"),
        QStringLiteral("24"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72")};
    QTest::addColumn<QStringList>("sizes");
    QTest::newRow("proportional") << QStringLiteral("DejaVu Sans") << wholePixels;
    QTest::newRow("fixed width") << QStringLiteral("DejaVu Sans Mono") << wholePixels;
}

void TestAppearance::sizeListOfAFace()
{
    QFETCH(QString, face);
    QFETCH(QStringList, sizes);
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmfont> window = openFrom<frmfont>(*main, main->mnufont);
    QVERIFY(isOpen(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Font Chooser"));
    // At load the first face of the platform's list is chosen and its sizes are there at once,
    // with no size chosen yet.
    QCOMPARE(window->cbofonts->count(), QFontDatabase::families().size());
    QCOMPARE(window->cbofonts->currentText(), QFontDatabase::families().first());
    QVERIFY(window->cbofontsize->count() > 0);
    QCOMPARE(window->cbofontsize->currentText(), QString());

    choose(window->cbofonts, face);
    QStringList listed;
    for (int i = 0; i < window->cbofontsize->count(); ++i)
        listed.append(window->cbofontsize->itemText(i));
    QCOMPARE(listed, sizes);
    QCOMPARE(window->cbofontsize->currentText(), QString());
}

void TestAppearance::sizeBoxKeepsItsOwnFont()
{
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmfont> window = openFrom<frmfont>(*main, main->mnufont);
    const QFont own = window->cbofontsize->font();
    choose(window->cbofonts, QStringLiteral("Px IBM VGA8"));
    QCOMPARE(window->cbofontsize->font(), own);
    QVERIFY(QFontInfo(window->cbofontsize->font()).family() != QStringLiteral("Px IBM VGA8"));
}

void TestAppearance::previewFollowsSizeChoicesOnly()
{
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmfont> window = openFrom<frmfont>(*main, main->mnufont);
    const QFont designed = window->Label1->font();
    choose(window->cbofonts, QStringLiteral("DejaVu Serif"));
    QCOMPARE(window->Label1->font(), designed);

    choose(window->cbofontsize, QStringLiteral("24"));
    QCOMPARE(window->Label1->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(window->Label1->font().pointSizeF(), 24.0);
    const QFont chosen = window->Label1->font();
    choose(window->cbofonts, QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(window->Label1->font(), chosen);
    // Nothing reaches the document or the store before Apply.
    QCOMPARE(main->form1()->txtvimb->font(), DocumentFont::designed());
    QVERIFY(!QFile::exists(TestEnvironment::instance().iniPath()));
}

void TestAppearance::applyStoresTheTextAsTyped_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("size");
    QTest::addColumn<double>("realised");
    QTest::newRow("a listed size")
        << QStringLiteral("DejaVu Sans Mono") << QStringLiteral("12") << 12.0;
    QTest::newRow("typed 10 is realised as 9.75")
        << QStringLiteral("DejaVu Serif") << QStringLiteral("10") << 9.75;
    QTest::newRow("typed with a fraction")
        << QStringLiteral("DejaVu Sans") << QStringLiteral("7.5") << 7.5;
    QTest::newRow("typed with blanks")
        << QStringLiteral("DejaVu Sans") << QStringLiteral(" 18 ") << 18.0;
}

void TestAppearance::applyStoresTheTextAsTyped()
{
    QFETCH(QString, face);
    QFETCH(QString, size);
    QFETCH(double, realised);
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmfont> window = openFrom<frmfont>(*main, main->mnufont);
    choose(window->cbofonts, face);
    window->cbofontsize->setEditText(size);
    window->cmdapply->click();

    QVERIFY(!isOpen(window));
    QVERIFY(dialogs.asked.isEmpty());
    const QFontInfo document(main->form1()->txtvimb->font());
    QCOMPARE(document.family(), face);
    QCOMPARE(document.pointSizeF(), realised);
    QCOMPARE(stored().read(SettingKeys::FontName), face.toUtf8());
    QCOMPARE(stored().read(SettingKeys::FontSize), size.toUtf8());
}

void TestAppearance::unusableSizeAsksForOne_data()
{
    QTest::addColumn<QString>("size");
    QTest::newRow("none chosen") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
    QTest::newRow("zero") << QStringLiteral("0");
    QTest::newRow("negative") << QStringLiteral("-12");
    QTest::newRow("text") << QStringLiteral("twelve");
    QTest::newRow("number then text") << QStringLiteral("12pt");
    QTest::newRow("not a number") << QStringLiteral("nan");
    QTest::newRow("infinite") << QStringLiteral("inf");
    QTest::newRow("absurdly large") << QStringLiteral("1e9");
}

void TestAppearance::unusableSizeAsksForOne()
{
    QFETCH(QString, size);
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmfont> window = openFrom<frmfont>(*main, main->mnufont);
    choose(window->cbofonts, QStringLiteral("DejaVu Sans"));
    window->cbofontsize->setEditText(size);
    window->cmdapply->click();

    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Please choose a font size.")});
    QVERIFY(isOpen(window));
    QCOMPARE(main->form1()->txtvimb->font(), DocumentFont::designed());
    QVERIFY(!QFile::exists(TestEnvironment::instance().iniPath()));
    // A size chosen afterwards goes through.
    choose(window->cbofontsize, QStringLiteral("12"));
    window->cmdapply->click();
    QVERIFY(!isOpen(window));
    QCOMPARE(stored().read(SettingKeys::FontSize), QByteArray("12"));
}

void TestAppearance::cancelChangesNothing()
{
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmfont> window = openFrom<frmfont>(*main, main->mnufont);
    choose(window->cbofonts, QStringLiteral("DejaVu Sans"));
    choose(window->cbofontsize, QStringLiteral("24"));
    window->Command1->click();
    QVERIFY(!isOpen(window));
    QCOMPARE(main->form1()->txtvimb->font(), DocumentFont::designed());
    QVERIFY(!QFile::exists(TestEnvironment::instance().iniPath()));
    // The next open starts again at the first face.
    window = openFrom<frmfont>(*main, main->mnufont);
    QCOMPARE(window->cbofonts->currentIndex(), 0);
}

void TestAppearance::storedFontAtCreation_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("family"); // empty: the designed font
    QTest::addColumn<double>("points");
    QTest::newRow("absent") << QByteArray() << QString() << 0.0;
    QTest::newRow("face and size") << QByteArray("[Custom Font]\r\nFont Name=DejaVu Sans Mono\r\n"
                                                 "Font Size=18\r\n")
                                   << QStringLiteral("DejaVu Sans Mono") << 18.0;
    QTest::newRow("no face") << QByteArray("[Custom Font]\r\nFont Size=18\r\n") << QString() << 0.0;
    QTest::newRow("no size") << QByteArray("[Custom Font]\r\nFont Name=DejaVu Sans\r\n")
                             << QString() << 0.0;
    QTest::newRow("size not a number")
        << QByteArray("[Custom Font]\r\nFont Name=DejaVu Sans\r\nFont Size=big\r\n") << QString()
        << 0.0;
    QTest::newRow("size zero") << QByteArray(
                                      "[Custom Font]\r\nFont Name=DejaVu Sans\r\nFont Size=0\r\n")
                               << QString() << 0.0;
    QTest::newRow("size negative")
        << QByteArray("[Custom Font]\r\nFont Name=DejaVu Sans\r\nFont Size=-9\r\n") << QString()
        << 0.0;
}

void TestAppearance::storedFontAtCreation()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, family);
    QFETCH(double, points);
    if (!ini.isNull())
        writeIni(ini);
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    const QFont font = main->form1()->txtvimb->font();
    if (family.isEmpty()) {
        QCOMPARE(font, DocumentFont::designed());
    } else {
        QCOMPARE(QFontInfo(font).family(), family);
        QCOMPARE(QFontInfo(font).pointSizeF(), points);
    }
}

void TestAppearance::appliedFontHoldsAtTheNextCreation()
{
    ScriptedDialogs dialogs;
    auto main = startProgram(dialogs);
    QPointer<frmfont> window = openFrom<frmfont>(*main, main->mnufont);
    choose(window->cbofonts, QStringLiteral("DejaVu Serif"));
    choose(window->cbofontsize, QStringLiteral("24"));
    window->cmdapply->click();
    main->form1()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QFontInfo font(main->form1()->txtvimb->font());
    QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(font.pointSizeF(), 24.0);
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

    const QString folder = QDir::current().filePath(QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    QPointer<frmcolor> colours = openFrom<frmcolor>(*main, main->mnucolors);
    dialogs.answerNextColour(Qt::red);
    colours->Command1->click();
    dialogs.answerNextColour(Qt::black);
    colours->Command2->click();
    // The whole client area, buttons included, lies inside the window's frame.
    QVERIFY(colours->rect().contains(colours->widget()->geometry()));
    QVERIFY(colours->grab().save(QDir(folder).filePath(QStringLiteral("colour-window.png"))));
    colours->Command3->click();
    QPointer<frmfont> font = openFrom<frmfont>(*main, main->mnufont);
    choose(font->cbofonts, QStringLiteral("DejaVu Sans Mono"));
    choose(font->cbofontsize, QStringLiteral("24"));
    QVERIFY(font->rect().contains(font->widget()->geometry()));
    // Shown beside the recoloured document, before Apply closes it.
    QVERIFY(main->grab().save(QDir(folder).filePath(QStringLiteral("font-window.png"))));
    font->cmdapply->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main->grab().save(QDir(folder).filePath(QStringLiteral("red-on-black.png"))));

    const QImage shot = main->form1()->txtvimb->viewport()->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() - 2, shot.height() - 2), QColor(Qt::black));
}

QUILRA_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
