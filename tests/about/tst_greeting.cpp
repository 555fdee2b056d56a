#include "about/frmpilvo.h"
#include "app/DocumentEditor.h"
#include "app/Form1.h"
#include "palette/Form2.h"
#include "support/ProgramHarness.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QByteArray kPhrase("zulo frets quimb");

bool wordsShown(frmpilvo* greeting)
{
    return !greeting->Label1->isHidden() && !greeting->Label2->isHidden() &&
           !greeting->Label3->isHidden();
}

bool wordsHidden(frmpilvo* greeting)
{
    return greeting->Label1->isHidden() && greeting->Label2->isHidden() &&
           greeting->Label3->isHidden();
}

} // namespace

class TestGreeting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void typedKey_data();
    void typedKey();
    void textWithoutAKeyOpensNothing();
    void oneWindowAtATime();
    void designedWindow();
    void wordsBlinkTogether();
};

void TestGreeting::typedKey_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("letter") << kPhrase << int(Qt::Key_X) << true << kPhrase + "x";
    QTest::newRow("Enter") << kPhrase << int(Qt::Key_Return) << true << kPhrase + "\r\n";
    QTest::newRow("Backspace") << kPhrase << int(Qt::Key_Backspace) << true
                               << QByteArray("zulo frets quim");
    QTest::newRow("arrow carries no character") << kPhrase << int(Qt::Key_Left) << false << kPhrase;
    QTest::newRow("other case") << QByteArray("Zulo frets quimb") << int(Qt::Key_X) << false
                                << QByteArray("Zulo frets quimbx");
    QTest::newRow("blank before") << " " + kPhrase << int(Qt::Key_X) << false
                                  << " " + kPhrase + "x";
    QTest::newRow("blank after") << kPhrase + " " << int(Qt::Key_X) << false << kPhrase + " x";
    QTest::newRow("line break after") << kPhrase + "\r\n"
                                      << int(Qt::Key_X) << false << kPhrase + "\r\nx";
    QTest::newRow("line break before")
        << "\r\n" + kPhrase << int(Qt::Key_X) << false << "\r\n" + kPhrase + "x";
    QTest::newRow("two blanks") << QByteArray("zulo  frets quimb") << int(Qt::Key_X) << false
                                << QByteArray("zulo  frets quimbx");
    QTest::newRow("same length, other words") << QByteArray("zulo frets quimp") << int(Qt::Key_X)
                                              << false << QByteArray("zulo frets quimpx");
}

void TestGreeting::typedKey()
{
    QFETCH(QByteArray, text);
    QFETCH(int, key);
    QFETCH(bool, opens);
    QFETCH(QByteArray, after);
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    Form1* form = window->form1();
    form->setText(text);
    form->txtvimb->moveCursor(QTextCursor::End);
    QTest::keyClick(form->txtvimb, Qt::Key(key));
    QCOMPARE(window->existingGreeting() != nullptr, opens);
    if (opens)
        QVERIFY(window->existingGreeting()->isVisible());
    // The key takes effect either way.
    QCOMPARE(form->text(), after);
}

void TestGreeting::textWithoutAKeyOpensNothing()
{
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    Form1* form = window->form1();
    // Typed up to the phrase, set whole, or completed by a palette key: nothing opens until
    // the next key.
    QTest::keyClicks(form->txtvimb, QString::fromLatin1(kPhrase));
    QVERIFY(window->existingGreeting() == nullptr);
    form->setText("zulo frets quim");
    form->appendText("b");
    QCOMPARE(form->text(), kPhrase);
    QVERIFY(window->existingGreeting() == nullptr);
    form->txtvimb->moveCursor(QTextCursor::End);
    QTest::keyClick(form->txtvimb, Qt::Key_Space);
    QVERIFY(window->existingGreeting() != nullptr);
}

void TestGreeting::oneWindowAtATime()
{
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    Form1* form = window->form1();
    auto trigger = [form] {
        form->setText(kPhrase);
        QTest::keyClick(form->txtvimb, Qt::Key_X);
    };
    trigger();
    QPointer<frmpilvo> first = window->existingGreeting();
    QVERIFY(first);
    first->Timer1->setInterval(200);
    QTRY_VERIFY(wordsHidden(first));
    // A second trigger brings the same window forward, blinking in its own rhythm.
    trigger();
    QCOMPARE(window->existingGreeting(), first.data());
    QVERIFY(first->isWindow());
    QVERIFY(first->parentWidget() == nullptr);

    // Closed, it is gone; the next trigger makes a new one with the words shown.
    first->close();
    QVERIFY(window->existingGreeting() == nullptr);
    QTRY_VERIFY(first.isNull());
    trigger();
    frmpilvo* second = window->existingGreeting();
    QVERIFY(second);
    QVERIFY(wordsShown(second));
    QVERIFY(second->Timer1->isActive());
}

void TestGreeting::designedWindow()
{
    frmpilvo greeting;
    greeting.show();
    QVERIFY(QTest::qWaitForWindowExposed(&greeting));
    QCOMPARE(greeting.windowTitle(), QStringLiteral("I Love Pilvo"));
    QCOMPARE(greeting.size(), QSize(312, 206));
    QCOMPARE(greeting.Timer1->interval(), 1000);
    QVERIFY(greeting.Timer1->isActive());
    QCOMPARE(greeting.Image1->pixmap().size(), QSize(640, 480));
    QCOMPARE(greeting.Image1->geometry(), QRect(-184, 0, 640, 480));
    const QList<QLabel*> words = {greeting.Label1, greeting.Label2, greeting.Label3};
    const QStringList texts = {QStringLiteral("I"), QStringLiteral("LOVE"),
                               QStringLiteral("PILVO")};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(words.at(i)->text(), texts.at(i));
        QCOMPARE(words.at(i)->palette().color(QPalette::WindowText), QColor(255, 192, 192));
        QCOMPARE(words.at(i)->font().pointSize(), 18);
        QVERIFY(words.at(i)->alignment() & Qt::AlignHCenter);
        QVERIFY(!words.at(i)->autoFillBackground());
        QVERIFY(words.at(i)->isVisible());
    }
    // The words lie over the picture.
    QVERIFY(greeting.children().indexOf(greeting.Image1) <
            greeting.children().indexOf(greeting.Label3));
    const QString folder = QDir::current().filePath(QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    QVERIFY(greeting.grab().save(QDir(folder).filePath(QStringLiteral("greeting.png"))));
}

void TestGreeting::wordsBlinkTogether()
{
    frmpilvo greeting;
    greeting.show();
    greeting.Timer1->setInterval(200);
    // Hidden at the first tick, shown at the next, and so on, always all three together.
    for (int tick = 0; tick < 4; ++tick) {
        QTRY_VERIFY_WITH_TIMEOUT(tick % 2 == 0 ? wordsHidden(&greeting) : wordsShown(&greeting),
                                 2000);
    }
    // Half shown (as never happens by itself) counts as not all shown: the next tick shows all.
    greeting.Label2->hide();
    QTRY_VERIFY_WITH_TIMEOUT(wordsShown(&greeting), 2000);
}

QUILRA_TEST_MAIN(TestGreeting)
#include "tst_greeting.moc"
