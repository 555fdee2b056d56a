#pragma once

#include <QColor>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// Every modal thing the program shows: the file, save and colour choosers, the text prompt,
// the print dialog and preview, and the message box. Windows ask through this interface and never
// open a Qt dialog themselves, so that tests answer from a script.
class Dialogs
{
public:
    enum class Icon
    {
        None,
        Information,
        Exclamation,
        Critical,
    };
    enum class Answer
    {
        Save,
        Discard,
        Cancel,
    };
    enum class ChangedAnswer
    {
        Overwrite,
        SaveAs,
        Cancel,
    };
    enum class RestoreAnswer
    {
        Restore,
        Discard,
        Later, // closed without an answer: asked again at the next start
    };

    // Paints a document's pages onto a printer, in black on white or not.
    using PrintPages = std::function<void(QPrinter& printer, bool blackOnWhite)>;

    virtual ~Dialogs() = default;

    // The chosen path, or "" when cancelled. `filter` is pairs of a description and a pattern,
    // every part separated by "|", such as "nfo file (*.nfo)|*.nfo". The open chooser accepts
    // a name that does not exist; the save chooser does not ask before replacing a file.
    // `filterIndex`, when given, is the entry of the filter the save chooser starts on, and
    // comes back as the entry chosen. The save chooser starts on `startName` (a name, or a path
    // whose folder it opens), and adds `defaultSuffix` to a chosen name that has no extension.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 int* filterIndex, const QString& startName = QString(),
                                 const QString& defaultSuffix = QString()) = 0;

    // The full colour chooser, custom colours included, started at `initial`; an invalid colour
    // when cancelled.
    virtual QColor colour(QWidget* parent, const QColor& initial) = 0;

    // A one-line text prompt with OK and Cancel; "" when cancelled.
    virtual QString text(QWidget* parent, const QString& title, const QString& prompt) = 0;

    // A question about unsaved changes, with Save, Discard and Cancel; closing it cancels.
    virtual Answer askToSave(QWidget* parent, const QString& title, const QString& text) = 0;

    // A question before a save over a file that another program changed or removed, with
    // Overwrite, Save As and Cancel; closing it cancels.
    virtual ChangedAnswer askChangedFile(QWidget* parent, const QString& title,
                                         const QString& text) = 0;

    // A question whether to restore edits that a run which ended unexpectedly left unsaved,
    // with Restore and Discard.
    virtual RestoreAnswer askRestore(QWidget* parent, const QString& title,
                                     const QString& text) = 0;

    // The print dialog: sets up `printer` and asks whether to print black on white (starting
    // on `blackOnWhite`, which comes back as chosen); false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, bool& blackOnWhite) = 0;
    // The print preview of the pages `paint` paints, with the same choice of black on white;
    // the user may print from it. `blackOnWhite` comes back as last chosen.
    virtual void previewPrint(QWidget* parent, QPrinter& printer, bool& blackOnWhite,
                              const PrintPages& paint) = 0;

    // A message box with an OK button.
    virtual void message(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
};
