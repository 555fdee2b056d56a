#include "about/frmabout.h"
#include "support/ProgramHarness.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QLabel>

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void descriptionFitsItsBox()
    {
        // The whole description shows, its last sentence too, above the web address; at the
        // designed 8.25-point font in the designed box.
        QFont font = QApplication::font();
        font.setPointSizeF(8.25);
        QApplication::setFont(font);
        auto&& [dialogs, window] = StartedProgram();
        auto* about = openThrough<frmabout>(window.get(), window->mnuabout);
        const QLabel* text = about->lblvimb;
        QVERIFY(text->text().endsWith("please visit the Quilra website."));
        QCOMPARE(text->width(), 177);
        QVERIFY2(text->heightForWidth(177) <= text->height(),
                 qPrintable(QString::number(text->heightForWidth(177))));
        QVERIFY(text->geometry().bottom() < about->Label1->geometry().top());
        QVERIFY(about->Label1->geometry().bottom() < about->widget()->height());
    }

    void typedKey_data()
    {
        // The text before the key decides: exactly the phrase, and a key that carries a character.
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opens");
        const QByteArray phrase = "zulo frets quimb";
        QTest::newRow("letter") << phrase << int(Qt::Key_X) << true;
        QTest::newRow("Enter") << phrase << int(Qt::Key_Return) << true;
        QTest::newRow("arrow, no character") << phrase << int(Qt::Key_Left) << false;
        const std::pair<const char*, QByteArray> others[] = {
            {"other case", "Zulo frets quimb"},     {"blank before", " " + phrase},
            {"blank after", phrase + " "},          {"line break after", phrase + "\r\n"},
            {"line break before", "\r\n" + phrase}, {"same length", "zulo frets quimp"}};
        for (const auto& [name, other] : others)
            QTest::newRow(name) << other << int(Qt::Key_X) << false;
    }
    void typedKey()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, key);
        QFETCH(bool, opens);
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText(text);
        window->form1()->txtvimb->moveCursor(QTextCursor::End);
        QTest::keyClick(window->form1()->txtvimb, Qt::Key(key));
        QCOMPARE(window->existingGreeting() != nullptr, opens);
        // The key takes effect either way.
        QCOMPARE(window->form1()->text() != text, key != Qt::Key_Left);
    }
};

QUILRA_TEST_MAIN(TestAbout)
#include "tst_about.moc"
