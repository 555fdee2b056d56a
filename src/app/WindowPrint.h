#pragma once

#include <QCoreApplication>

class Dialogs;
class DocumentAppearance;
class NfoDocument;
class QPrinter;
class QStatusBar;
class QWidget;

// File > Print and Print Preview: the document on paper as the VGA face draws it, the widest
// line across the page, in its colours or black on white as the user chooses in the dialog.
// The print runs beside the window, which stays responsive, with its progress and a Cancel
// button in the status bar; the preview paints on demand inside its dialog. It reports on its
// own and never touches the document.
class WindowPrint
{
    Q_DECLARE_TR_FUNCTIONS(MDIForm1)

public:
    // `blackOnWhite` is the choice the dialogs start on, kept for the next print of the run.
    WindowPrint(Dialogs& dialogs, QWidget* parent, QStatusBar& statusBar,
                const NfoDocument& document, const DocumentAppearance& appearance,
                bool& blackOnWhite);

    void print();
    void preview();

private:
    // Paints the document's pages onto the printer: "" when done, else why not.
    QString paint(QPrinter& printer, bool blackOnWhite) const;
    void prepare(QPrinter& printer) const;
    // Removes what a cancelled print left as a file.
    static void discard(const QPrinter& printer);
    void report(const QString& error) const;
    static QString noFace();

    Dialogs& m_dialogs;
    QWidget* m_parent;
    QStatusBar& m_statusBar;
    const NfoDocument& m_document;
    const DocumentAppearance& m_appearance;
    bool& m_blackOnWhite;
};
