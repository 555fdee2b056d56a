#pragma once

#include "generator/PlaceholderRule.h"
#include "ui/ChildWindow.h"

#include <array>
#include <functional>

class Config;
class Dialogs;
class DesignedScale;
class DocumentAppearance;
class NfoDocument;
class MaskEdBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The auto generator: a form for a movie release and one for an application release, each of
// which fills its template and puts the result into the document. Beside them the preview shows
// the NFO that Create would make, in the document's font and colours, as the fields change.
class frmmovie : public ChildWindow
{
    Q_OBJECT

public:
    // `templateDirectory` holds the two template files.
    // Create replaces the text of `document`; the preview is drawn in `appearance`.
    frmmovie(Dialogs& dialogs, QString templateDirectory, Config& config, NfoDocument& document,
             DocumentAppearance& appearance, QWidget* parent = nullptr);

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
    QPushButton* Command4 = nullptr;     // "Get"
    QPushButton* Command2 = nullptr;     // "Create"
    QPushButton* cmdtemplate = nullptr;  // "Template…"
    QPushButton* cmdfromvideo = nullptr; // "From Video…"

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
    QPushButton* Command3 = nullptr;     // "Create"
    QPushButton* cmdtemplate2 = nullptr; // "Template…"

    QLabel* lblpreview = nullptr;
    QPlainTextEdit* txtpreview = nullptr;

    enum Tab
    {
        MovieTab,
        ApplicationTab,
    };
    // The template the tab fills: the shipped one until "Template…" chose another.
    QString templatePath(Tab tab) const { return m_templates.at(tab); }

    // Asked before Create replaces the document; false (a modified document kept) stops it.
    void setReplaceGuard(std::function<bool()> mayReplace) { m_mayReplace = std::move(mayReplace); }

Q_SIGNALS:
    // A note for the status bar, such as which fields "From Video…" filled and which it kept.
    void statusMessage(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // What Create would make, or why it cannot: the message, and for a character without a
    // code the character and the field that holds it, at which position.
    struct Generated
    {
        QByteArray bytes;
        QString message;
        QString refused;
        QWidget* field = nullptr;
        int position = -1;
    };

    void buildMovieTab(QWidget* page, const DesignedScale& scale);
    void buildApplicationTab(QWidget* page, const DesignedScale& scale);
    void buildPreview(QWidget* client, const DesignedScale& scale);
    void setMovieTabOrder();
    void setApplicationTabOrder();
    void highlightFields();
    void watchFields();

    static const QList<PlaceholderRule>& rulesOf(Tab tab);
    Generated generate(Tab tab) const;
    // The field's label as the form shows it, without its colon.
    QString fieldCaption(const QWidget* field) const;
    void focusField(QWidget* field, int position);

    void Command4_Click();
    void chooseTemplate(Tab tab);
    // Fills the movie fields that are still empty from a chosen video file's facts; a field
    // that holds text keeps it. A file without facts is reported and changes nothing.
    void cmdfromvideo_Click();
    // Which fields a video file filled and which kept their text, as the status bar says it.
    static QString fillReport(const QString& file, const QStringList& filled,
                              const QStringList& kept);
    // Fills the tab's template from its fields, replaces the document's text with the result
    // and closes the form. A template that cannot be read, or a field holding a character
    // without a code, is reported (that field gets the focus) and changes nothing.
    void GenerateFromTemplate(Tab tab);

    void updatePreview();
    void styleLikeDocument();
    // Makes room for the form and its preview: the main window grows where the screen allows,
    // else the preview narrows.
    void fitIntoWorkArea();

    Dialogs& m_dialogs;
    QString m_templateDirectory;
    Config& m_config;
    NfoDocument& m_document;
    DocumentAppearance& m_appearance;
    std::function<bool()> m_mayReplace;
    std::array<QString, 2> m_templates;
    QString m_previewText;
    bool m_fitted = false;
};
