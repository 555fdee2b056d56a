#pragma once

#include "generator/PlaceholderRule.h"
#include "ui/ChildWindow.h"

#include <functional>

class Dialogs;
class Form1;
class MaskEdBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class UserSettings;

// The auto generator: a form for a movie release and one for an application release, each of
// which fills its template and puts the result into the document.
class frmmovie : public ChildWindow
{
    Q_OBJECT

public:
    // `templateDirectory` holds the two template files.
    frmmovie(Dialogs& dialogs, QString templateDirectory, const UserSettings& userSettings,
             std::function<Form1*()> documentWindow, QWidget* parent = nullptr);

    QTabWidget* XTab1 = nullptr;

    // "Movie Template"
    QLineEdit* txtupper = nullptr;
    QLineEdit* txttitle = nullptr;
    MaskEdBox* txtrls = nullptr;
    MaskEdBox* txtthr = nullptr;
    MaskEdBox* txtdvd = nullptr;
    MaskEdBox* txtrun = nullptr;
    QLineEdit* txtlan = nullptr;
    QLineEdit* txtlink = nullptr;
    QLineEdit* txtrate = nullptr;
    QLineEdit* txtvidcod = nullptr;
    QLineEdit* txtres = nullptr;
    QLineEdit* txtaudcod = nullptr;
    QLineEdit* txtaudbit = nullptr;
    QLineEdit* txtsub = nullptr;
    QLineEdit* txtnumber = nullptr;
    QPlainTextEdit* txtsummary = nullptr;
    QPushButton* Command4 = nullptr; // "Get"
    QPushButton* Command2 = nullptr; // "Create"

    // "Application Template"
    QLineEdit* txtapptitle = nullptr;
    QLineEdit* txtupper2 = nullptr;
    QLineEdit* txtcracker = nullptr;
    MaskEdBox* txtrls2 = nullptr;
    QLineEdit* txtserial = nullptr;
    QLineEdit* txtostype = nullptr;
    QLineEdit* txtprogtype = nullptr;
    QPlainTextEdit* txtsummary2 = nullptr;
    QPlainTextEdit* txtinstallation = nullptr;
    QPushButton* Command3 = nullptr; // "Create"

    // Asked before Create replaces the document; false (a modified document kept) stops it.
    void setReplaceGuard(std::function<bool()> mayReplace) { m_mayReplace = std::move(mayReplace); }

private:
    void buildMovieTab(QWidget* page);
    void buildApplicationTab(QWidget* page);
    void setMovieTabOrder();
    void setApplicationTabOrder();
    void highlightFields();

    void Command4_Click();
    // Fills the template of that name from the fields its rules name, replaces the document's
    // text with the result and closes the form. A template that cannot be read, or a field
    // holding a character without a code, is reported and changes nothing.
    void GenerateFromTemplate(const QString& templateFile, const QList<PlaceholderRule>& rules);

    Dialogs& m_dialogs;
    QString m_templateDirectory;
    const UserSettings& m_userSettings;
    std::function<Form1*()> m_documentWindow;
    std::function<bool()> m_mayReplace;
};
