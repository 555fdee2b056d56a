#include "about/frmabout.h"
#include "support/ProgramHarness.h"

#include <QLabel>

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void descriptionFitsItsBox()
    {
        // The whole description shows, its last sentence too, above the web address.
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
};

QUILRA_TEST_MAIN(TestAbout)
#include "tst_about.moc"
