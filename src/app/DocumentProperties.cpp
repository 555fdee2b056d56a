#include "DocumentProperties.h"

#include "documents/SauceTrailer.h"
#include "ui/NfoDocument.h"
#include "ui/SauceDialog.h"

#include <QDate>

SauceDialog* DocumentProperties::show(QWidget* parent, NfoDocument& document)
{
    const QDate today = QDate::currentDate();
    auto* dialog = new SauceDialog(
        document, SauceTrailer::dateOf(today.year(), today.month(), today.day()), parent);
    dialog->open();
    return dialog;
}
