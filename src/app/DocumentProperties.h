#pragma once

#include <QCoreApplication>

class Dialogs;
class NfoDocument;
class QWidget;

// File > Properties: what the document's SAUCE record says of it.
class DocumentProperties
{
    Q_DECLARE_TR_FUNCTIONS(MDIForm1)

public:
    static void show(Dialogs& dialogs, QWidget* parent, const NfoDocument& document);
};
