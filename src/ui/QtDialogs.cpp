#include "QtDialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

QString QtDialogs::qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString pattern = parts.at(i + 1).trimmed();
        const QString suffix = QLatin1Char('(') + pattern + QLatin1Char(')');
        entries.append(description.endsWith(suffix) ? description
                                                    : description + QLatin1Char(' ') + suffix);
    }
    return entries.join(QStringLiteral(";;"));
}

QString QtDialogs::openFileName(QWidget* parent, const QString& title, const QString& filter)
{
    QFileDialog dialog(parent, title, QString(), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                int* filterIndex, const QString& startName,
                                const QString& defaultSuffix)
{
    const QStringList entries = qtFilter(filter).split(QStringLiteral(";;"));
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(entries);
    if (filterIndex)
        dialog.selectNameFilter(entries.value(*filterIndex));
    // The suffix goes on before the name comes back, so that whatever asks about the file next
    // names the file that is written.
    dialog.setDefaultSuffix(defaultSuffix);
    if (!startName.isEmpty())
        dialog.selectFile(startName);
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (filterIndex)
        *filterIndex = qMax(0, static_cast<int>(entries.indexOf(dialog.selectedNameFilter())));
    return accepted ? dialog.selectedFiles().constFirst() : QString();
}

QColor QtDialogs::colour(QWidget* parent, const QColor& initial)
{
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return QColor();
    return dialog.selectedColor();
}

QString QtDialogs::text(QWidget* parent, const QString& title, const QString& prompt)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? answer : QString();
}

Dialogs::Answer QtDialogs::askToSave(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

Dialogs::ChangedAnswer QtDialogs::askChangedFile(QWidget* parent, const QString& title,
                                                 const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Cancel, parent);
    QPushButton* overwrite = box.addButton(QObject::tr("&Overwrite"), QMessageBox::AcceptRole);
    QPushButton* saveAs = box.addButton(QObject::tr("Save &As..."), QMessageBox::ActionRole);
    box.setDefaultButton(saveAs);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == overwrite)
        return ChangedAnswer::Overwrite;
    if (box.clickedButton() == saveAs)
        return ChangedAnswer::SaveAs;
    return ChangedAnswer::Cancel;
}

Dialogs::RestoreAnswer QtDialogs::askRestore(QWidget* parent, const QString& title,
                                             const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* restore = box.addButton(QObject::tr("&Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QObject::tr("&Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore)
        return RestoreAnswer::Restore;
    if (box.clickedButton() == discard)
        return RestoreAnswer::Discard;
    return RestoreAnswer::Later;
}

void QtDialogs::message(QWidget* parent, Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

QCheckBox* QtDialogs::blackOnWhiteBox(bool checked)
{
    auto* box = new QCheckBox(QObject::tr("&Black on white"));
    box->setObjectName(QStringLiteral("chkblackonwhite"));
    box->setToolTip(QObject::tr("Prints the characters in black on white paper instead of in "
                                "the document's colours."));
    box->setChecked(checked);
    return box;
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer, bool& blackOnWhite)
{
    QPrintDialog dialog(&printer, parent);
    // The choice is a tab of its own among the dialog's options.
    auto* colours = new QWidget;
    colours->setWindowTitle(QObject::tr("Colours"));
    QCheckBox* box = blackOnWhiteBox(blackOnWhite);
    auto* layout = new QVBoxLayout(colours);
    layout->addWidget(box);
    layout->addStretch();
    dialog.setOptionTabs({colours});
    if (dialog.exec() != QDialog::Accepted)
        return false;
    blackOnWhite = box->isChecked();
    return true;
}

void QtDialogs::previewPrint(QWidget* parent, QPrinter& printer, bool& blackOnWhite,
                             const PrintPages& paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QCheckBox* box = blackOnWhiteBox(blackOnWhite);
    // The choice joins the preview's tool bar and redraws the pages when it changes.
    if (auto* bar = dialog.findChild<QToolBar*>())
        bar->addWidget(box);
    else
        box->setParent(&dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint, box](QPrinter* pages) { paint(*pages, box->isChecked()); });
    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>())
        QObject::connect(box, &QCheckBox::toggled, preview, &QPrintPreviewWidget::updatePreview);
    dialog.exec();
    blackOnWhite = box->isChecked();
}
