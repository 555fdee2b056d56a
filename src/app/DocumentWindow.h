#pragma once

#include <QObject>
#include <QPointer>

class DocumentAppearance;
class Form1;
class NfoDocument;
class QMdiArea;

// The one document window, a view of the document: made when first needed and whenever the
// document changes from outside while it is closed, it fills the work area. Closing it drops
// the document.
class DocumentWindow : public QObject
{
    Q_OBJECT

public:
    DocumentWindow(NfoDocument& document, DocumentAppearance& appearance, QMdiArea& workArea,
                   QObject* parent = nullptr);

    // The window, made (empty or showing the document) when there is none.
    Form1* get();
    // The window when it is open, else nullptr; never makes one.
    Form1* existing() const;
    // Fills the work area with the window, unless the user minimised or maximised it.
    void fillWorkArea();

Q_SIGNALS:
    void created(Form1* window);
    void closed();

private:
    NfoDocument& m_document;
    DocumentAppearance& m_appearance;
    QMdiArea& m_workArea;
    QPointer<Form1> m_window;
};
