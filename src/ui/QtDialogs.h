#pragma once

#include "Dialogs.h"

class QCheckBox;

// The dialogs as Qt shows them.
class QtDialogs : public Dialogs
{
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         int* filterIndex, const QString& startName,
                         const QString& defaultSuffix) override;
    QColor colour(QWidget* parent, const QColor& initial) override;
    QString text(QWidget* parent, const QString& title, const QString& prompt) override;
    Answer askToSave(QWidget* parent, const QString& title, const QString& text) override;
    ChangedAnswer askChangedFile(QWidget* parent, const QString& title,
                                 const QString& text) override;
    RestoreAnswer askRestore(QWidget* parent, const QString& title, const QString& text) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, bool& blackOnWhite) override;
    void previewPrint(QWidget* parent, QPrinter& printer, bool& blackOnWhite,
                      const PrintPages& paint) override;
    void message(QWidget* parent, Icon icon, const QString& title, const QString& text) override;

    // A filter of "description|pattern" pairs in the form a Qt file dialog takes:
    // "nfo file (*.nfo)|*.nfo" gives "nfo file (*.nfo)", "all files *|*" gives "all files * (*)".
    static QString qtFilter(const QString& filter);

private:
    // The print dialog's and the preview's choice to print black on white.
    static QCheckBox* blackOnWhiteBox(bool checked);
};
