#pragma once

class NfoDocument;
class QWidget;
class SauceDialog;

// File > Properties: the document's SAUCE record to edit, add or remove, in a dialog that
// opens without blocking and closes itself.
class DocumentProperties
{
public:
    static SauceDialog* show(QWidget* parent, NfoDocument& document);
};
