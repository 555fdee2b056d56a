#include "about/frmabout.h"
#include "appearance/frmcolor.h"
#include "appearance/frmfont.h"
#include "generator/frmmovie.h"
#include "palette/Form2.h"
#include "support/ProgramHarness.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

namespace {

QString describe(const QWidget* widget)
{
    const QString name = widget->objectName();
    return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

// The caption as drawn: "&&" is one "&", a lone "&" marks the access key.
QString shownText(QString text)
{
    text.replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u'\x01', u'&');
    return text;
}

// The controls whose text is wider or taller than they are.
QStringList cutTexts(const QWidget* window)
{
    QStringList cut;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const QRect room = label->contentsRect();
        const QFontMetrics metrics = label->fontMetrics();
        const bool fits =
            label->wordWrap()
                ? label->heightForWidth(label->width()) <= label->height()
                : metrics.horizontalAdvance(shownText(label->text())) <= room.width() &&
                      metrics.height() <= room.height() + 2;
        if (!fits)
            cut << describe(label) + u": "_s + label->text();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty())
            continue;
        const bool box =
            qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button);
        const int need =
            box ? button->sizeHint().width()
                : button->fontMetrics().horizontalAdvance(shownText(button->text())) + 4;
        if (need > button->width())
            cut << describe(button) + u": "_s + button->text();
    }
    for (const QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (group->fontMetrics().horizontalAdvance(shownText(group->title())) + 8 > group->width())
            cut << describe(group) + u": "_s + group->title();
    }
    return cut;
}

// Pairs of visible sibling controls that overlap by more than the pixel or two that designed
// neighbours share when their places grow, by their names.
QSet<QString> overlaps(const QWidget* window)
{
    QSet<QString> pairs;
    for (const QWidget* parent : window->findChildren<QWidget*>()) {
        QList<const QWidget*> children;
        for (const QObject* child : parent->children()) {
            const auto* widget = qobject_cast<const QWidget*>(child);
            if (widget && !widget->isWindow() && widget->isVisibleTo(window))
                children.append(widget);
        }
        for (int i = 0; i < children.size(); ++i)
            for (int j = i + 1; j < children.size(); ++j)
                if (children[i]->geometry().intersected(children[j]->geometry()).width() > 2 &&
                    children[i]->geometry().intersected(children[j]->geometry()).height() > 2)
                    pairs.insert(describe(children[i]) + u" over "_s + describe(children[j]));
    }
    return pairs;
}

} // namespace

// Every window at the desktop font's sizes: no text cut, no control over another that the
// designed size does not have, every window reachable in the work area and on the screen.
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
        const QSet<QString> designed = overlapsAt(window, 9);
        QFont font = m_desktop;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        auto&& [dialogs, main] = StartedProgram();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        ChildWindow* child = open(main.get(), window);
        QVERIFY(child);
        const QStringList cut = cutTexts(child);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u" | "_s)));
        const QStringList over = (overlaps(child) - designed).values();
        QVERIFY2(over.isEmpty(), qPrintable(over.join(u" | "_s)));
        // The main window is on the screen; the child is in the work area, or the work area
        // scrolls to it.
        const QRect free = main->screen()->availableGeometry();
        QVERIFY2(free.contains(main->frameGeometry()),
                 qPrintable(u"%1x%2 on %3x%4, at least %5x%6"_s.arg(main->frameGeometry().width())
                                .arg(main->frameGeometry().height())
                                .arg(free.width())
                                .arg(free.height())
                                .arg(main->minimumSizeHint().width())
                                .arg(main->minimumSizeHint().height())));
        auto* area = main->findChild<QMdiArea*>();
        QVERIFY(child->width() <= area->viewport()->width() ||
                area->horizontalScrollBar()->maximum() > 0);
        QVERIFY(child->height() <= area->viewport()->height() ||
                area->verticalScrollBar()->maximum() > 0);
    }

private:
    static ChildWindow* open(MDIForm1* main, const QString& item)
    {
        main->findChild<QAction*>(item)->trigger();
        for (ChildWindow* window : main->findChildren<ChildWindow*>())
            if (window->objectName() != u"Form1"_s && !window->isClosing() && window->isVisible())
                return window;
        return nullptr;
    }

    QSet<QString> overlapsAt(const QString& window, double points)
    {
        QFont font = m_desktop;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        auto&& [dialogs, main] = StartedProgram();
        main->show();
        if (!QTest::qWaitForWindowExposed(main.get()))
            return {};
        ChildWindow* child = open(main.get(), window);
        return child ? overlaps(child) : QSet<QString>();
    }

    const QFont m_desktop = QApplication::font();
};

QUILRA_TEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
