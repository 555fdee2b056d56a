#pragma once

#include "documents/SauceTrailer.h"

#include <QDialog>

class NfoDocument;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// File > Properties: the document's SAUCE record to edit (title, author, group, date,
// comments, width and font), to add to a file without one, or to remove. OK writes the record
// as SAUCE 00 lays it out, for the text as it is, as one undo step that marks the document
// modified; Remove Record takes it away the same way. It opens without blocking.
class SauceDialog : public QDialog
{
    Q_OBJECT

public:
    SauceDialog(NfoDocument& document, const QString& today, QWidget* parent = nullptr);

    QLineEdit* const txttitle;
    QLineEdit* const txtauthor;
    QLineEdit* const txtgroup;
    QLineEdit* const txtdate;
    QPlainTextEdit* const txtcomments;
    QSpinBox* const spnwidth;
    QComboBox* const cbofont;
    QLabel* const lblproblem;
    QPushButton* const cmdok;
    QPushButton* const cmdremove;

    // The fields as the boxes hold them.
    SauceTrailer::Fields fields() const;
    // Writes the record into the document and closes; says what is wrong and stays open when
    // a field holds a character code page 437 does not have or the date is not CCYYMMDD.
    void save();
    void removeRecord();

private:
    void fill(const SauceTrailer::Fields& fields);
    QString problem() const;

    NfoDocument& m_document;
};
