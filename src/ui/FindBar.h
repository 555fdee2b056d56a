#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>

class DocumentEditor;
class NfoDocument;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The bar under the document that finds text as it is typed: every match highlighted, the
// caret's one selected, a count such as "3 of 17", and, opened for replacing, a second field
// with Replace and Replace All. It searches the characters the user sees, whatever the
// document's encoding, and never opens a dialog.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    explicit FindBar(DocumentEditor* editor, QWidget* parent = nullptr);

    QLineEdit* txtfind = nullptr;
    QCheckBox* chkcase = nullptr;
    QLabel* lblcount = nullptr;
    QPushButton* cmdprevious = nullptr;
    QPushButton* cmdnext = nullptr;
    QLineEdit* txtreplace = nullptr;
    QPushButton* cmdreplace = nullptr;
    QPushButton* cmdreplaceall = nullptr;
    QPushButton* cmdclose = nullptr;

    // Shows the bar with the find field focused; `replacing` shows the replace field too.
    void open(bool replacing);
    void close();
    // The next or previous match, round the end; a closed bar opens instead.
    void findNext();
    void findPrevious();
    void replace();
    void replaceAll();
    void replaceEveryMatch(NfoDocument& document, qsizetype needleLength);

    // The positions of every match in the document, in order.
    QList<int> matches() const { return m_matches; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void select(int index);
    void showCount();
    bool currentIsMatch() const;

    DocumentEditor* m_editor;
    QList<int> m_matches;
    int m_current = -1;
    bool m_stale = true;
    QTimer m_research;
};
