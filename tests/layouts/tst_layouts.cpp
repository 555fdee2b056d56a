#include "support/ProgramHarness.h"
#include "ui/ChildWindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

namespace {

int advance(const QWidget* widget, QString text) // "&&" draws "&", a lone "&" marks a key
{
    text.replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u'\x01', u'&');
    return widget->fontMetrics().horizontalAdvance(text);
}

// The captions wider or taller than their controls.
QStringList cutTexts(const QWidget* window)
{
    QStringList cut;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                              : advance(label, label->text()) > room.width() ||
                                    label->fontMetrics().height() > room.height() + 2)
            cut << label->text();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if ((button->inherits("QCheckBox") ? button->sizeHint().width()
                                           : advance(button, button->text()) + 4) > button->width())
            cut << button->text();
    for (const QGroupBox* group : window->findChildren<QGroupBox*>())
        if (advance(group, group->title()) + 8 > group->width())
            cut << group->title();
    return cut;
}

// Siblings over each other by more than the pixel or two designed neighbours share when grown.
QSet<QString> overlaps(const QWidget* window)
{
    const auto name = [](const QWidget* w) {
        return w->objectName().isEmpty() ? w->property("text").toString() : w->objectName();
    };
    QSet<QString> pairs;
    for (const QWidget* parent : window->findChildren<QWidget*>()) {
        const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* a : children)
            for (const QWidget* b : children) {
                const QRect common = a->geometry().intersected(b->geometry());
                if (a < b && a->isVisibleTo(window) && b->isVisibleTo(window) && !a->isWindow() &&
                    !b->isWindow() && common.width() > 2 && common.height() > 2)
                    pairs.insert(qMin(name(a), name(b)) + u" over "_s + qMax(name(a), name(b)));
            }
    }
    return pairs;
}

} // namespace

// Windows at 8 to 14 points (and, run again by CTest, at one and a half and twice the size): no
// caption cut, no new overlap, the main window on the screen and every window in the work area.
class TestLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }
    void cleanup() { QApplication::setFont(m_desktop); }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<double>("points");
        for (const char* window : {"mnucolors", "mnufont", "mnuabout", "mnuauto", "mnucustom"})
            for (const double points : {8.0, 12.0, 14.0})
                QTest::addRow("%s at %g pt", window, points)
                    << QString::fromLatin1(window) << points;
    }
    void windows()
    {
        QFETCH(QString, window);
        QFETCH(double, points);
        const QSet<QString> designed = overlaps(open(window, 9));
        const ChildWindow* child = open(window, points);
        const QStringList cut = cutTexts(child);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u" | "_s)));
        const QStringList over = (overlaps(child) - designed).values();
        QVERIFY2(over.isEmpty(), qPrintable(over.join(u" | "_s)));
        QVERIFY(m_main->screen()->availableGeometry().contains(m_main->frameGeometry()));
        // The window in the work area whole, frame and close box; it scrolls what does not fit.
        const QSize room = m_main->findChild<QMdiArea*>()->viewport()->size();
        QVERIFY(QRect(QPoint(), room).contains(child->geometry()));
    }

private:
    // The window the item opens in a program started at that desktop font.
    ChildWindow* open(const QString& item, double points)
    {
        QFont font = m_desktop;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        m_main = startProgram(m_dialogs);
        m_main->show();
        static_cast<void>(QTest::qWaitForWindowExposed(m_main.get())); // the checks tell
        m_main->findChild<QAction*>(item)->trigger();
        const QList<ChildWindow*> windows = m_main->findChildren<ChildWindow*>();
        return *std::find_if(windows.cbegin(), windows.cend(), [](const ChildWindow* window) {
            return window->objectName() != u"Form1"_s && !window->isClosing();
        });
    }

    const QFont m_desktop = QApplication::font();
    ScriptedDialogs m_dialogs;
    std::unique_ptr<MDIForm1> m_main;
};

QUILRA_TEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
