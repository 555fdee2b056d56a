#pragma once

#include <QAbstractUndoItem>
#include <QByteArray>

class NfoDocument;

// A new SAUCE trailer as a step of the text's undo history: undo puts the old trailer back,
// redo the new one, and the document counts as modified as for an edit of its text.
class TrailerChange : public QAbstractUndoItem
{
public:
    TrailerChange(NfoDocument& document, QByteArray before, QByteArray after);

    void undo() override;
    void redo() override;

private:
    NfoDocument& m_document;
    QByteArray m_before;
    QByteArray m_after;
};
