#include "about/frmpilvo.h"
#include "support/ProgramHarness.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QtWidgets>

namespace {

const QByteArray kPhrase("zulo frets quimb");

// The three words as one state: 1 all shown, 0 all hidden, -1 mixed.
int words(const frmpilvo* greeting)
{
    const int shown = !greeting->Label1->isHidden() + !greeting->Label2->isHidden() +
                      !greeting->Label3->isHidden();
    return shown == 3 ? 1 : shown == 0 ? 0 : -1;
}

} // namespace

class TestGreeting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void typedKey_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opens");
        QTest::newRow("letter") << kPhrase << int(Qt::Key_X) << true;
        QTest::newRow("Enter") << kPhrase << int(Qt::Key_Return) << true;
        QTest::newRow("Backspace") << kPhrase << int(Qt::Key_Backspace) << true;
        QTest::newRow("arrow, no character") << kPhrase << int(Qt::Key_Left) << false;
        QTest::newRow("other case") << QByteArray("Zulo frets quimb") << int(Qt::Key_X) << false;
        QTest::newRow("blank before") << " " + kPhrase << int(Qt::Key_X) << false;
        QTest::newRow("blank after") << kPhrase + " " << int(Qt::Key_X) << false;
        QTest::newRow("line break after") << kPhrase + "\r\n" << int(Qt::Key_X) << false;
        QTest::newRow("line break before") << "\r\n" + kPhrase << int(Qt::Key_X) << false;
        QTest::newRow("same length") << QByteArray("zulo frets quimp") << int(Qt::Key_X) << false;
    }
    void typedKey()
    {
        // The text before the key decides; the key takes effect either way.
        QFETCH(QByteArray, text);
        QFETCH(int, key);
        QFETCH(bool, opens);
        ScriptedDialogs dialogs;
        auto window = startProgram(dialogs);
        Form1* form = window->form1();
        form->setText(text);
        form->txtvimb->moveCursor(QTextCursor::End);
        QTest::keyClick(form->txtvimb, Qt::Key(key));
        QCOMPARE(window->existingGreeting() != nullptr, opens);
        const QByteArray after = key == Qt::Key_X        ? text + "x"
                                 : key == Qt::Key_Return ? text + "\r\n"
                                 : key == Qt::Key_Left   ? text
                                                         : text.chopped(1);
        QCOMPARE(form->text(), after);
    }

    void oneWindowThatBlinks()
    {
        ScriptedDialogs dialogs;
        auto window = startProgram(dialogs);
        Form1* form = window->form1();
        // Text that becomes the phrase without a key (here a palette key) opens nothing yet.
        form->setText(kPhrase.chopped(1));
        form->appendText("b");
        QVERIFY(window->existingGreeting() == nullptr);
        auto typeKey = [form] {
            form->setText(kPhrase);
            QTest::keyClick(form->txtvimb, Qt::Key_X);
        };
        typeKey();
        QPointer<frmpilvo> first = window->existingGreeting();
        QVERIFY(first && first->isVisible() && first->parentWidget() == nullptr);
        QDir().mkpath(QStringLiteral("screenshots"));
        QVERIFY(first->grab().save(QStringLiteral("screenshots/greeting.png")));

        // With a short timer: hidden at the first tick, shown at the next, always all three.
        first->Timer1->setInterval(200);
        QCOMPARE(words(first), 1);
        QTRY_COMPARE(words(first), 0);
        QTRY_COMPARE(words(first), 1);
        typeKey(); // brings the same window forward
        QCOMPARE(window->existingGreeting(), first.data());

        // Once closed, the next key makes a new window with the words shown.
        first->Label1->hide();
        first->close();
        QVERIFY(window->existingGreeting() == nullptr);
        QTRY_VERIFY(first.isNull());
        typeKey();
        QVERIFY(window->existingGreeting() != nullptr);
        QCOMPARE(words(window->existingGreeting()), 1);
    }
};

QUILRA_TEST_MAIN(TestGreeting)
#include "tst_greeting.moc"
