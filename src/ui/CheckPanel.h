#pragma once

#include "documents/NfoChecker.h"

#include <QTimer>
#include <QWidget>

class DocumentEditor;
class NfoDocument;
class QLabel;
class QListWidget;
class QPushButton;

// Edit > Check NFO: the panel under the text that lists what viewers would show wrongly.
// Choosing a finding selects its place in the text; Fix applies the safe fix of the chosen
// finding's kind to the whole document as one undo step. While the panel is open, the text is
// checked again once edits pause.
class CheckPanel : public QWidget
{
    Q_OBJECT

public:
    // The pause after an edit before the text is checked again.
    static constexpr int RecheckDelayMs = 500;

    CheckPanel(NfoDocument& document, DocumentEditor* editor, QWidget* parent = nullptr);

    QLabel* const lblfindings;
    QListWidget* const lstfindings;
    QPushButton* const cmdfix;
    QPushButton* const cmdclose;

    // Shows the panel with the findings of the text as it is now.
    void open();
    void check();
    const QList<NfoChecker::Finding>& findings() const { return m_findings; }
    // Applies the fix of a kind of finding, then checks again.
    void fix(NfoChecker::Kind kind);

private:
    void choose(int row);
    void showFix(int row);
    void recheckLater();
    qint64 contentSize() const;

    NfoDocument& m_document;
    DocumentEditor* m_editor;
    QList<NfoChecker::Finding> m_findings;
    QTimer m_recheck;
};
