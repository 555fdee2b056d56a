#include "DocumentProperties.h"

#include "documents/SauceRecord.h"
#include "ui/Dialogs.h"
#include "ui/NfoDocument.h"

#include <QStringList>

void DocumentProperties::show(Dialogs& dialogs, QWidget* parent, const NfoDocument& document)
{
    const auto sauce = SauceRecord::read(document.trailer());
    if (!sauce) {
        dialogs.message(parent, Dialogs::Icon::Information, tr("Properties"),
                        tr("This file has no SAUCE record."));
        return;
    }
    // CCYYMMDD as a date people read, when it is one.
    QString date = sauce->date;
    if (date.size() == 8 && date.toInt() > 0)
        date = date.left(4) + QLatin1Char('-') + date.mid(4, 2) + QLatin1Char('-') + date.mid(6);
    QStringList lines = {tr("Title: %1").arg(sauce->title), tr("Author: %1").arg(sauce->author),
                         tr("Group: %1").arg(sauce->group), tr("Date: %1").arg(date),
                         tr("Font: %1").arg(sauce->font)};
    if (!sauce->comments.isEmpty())
        lines << QString() << sauce->comments;
    if (sauce->damaged)
        lines << QString()
              << tr("The record is damaged: these are the fields it still holds. Save writes "
                    "it back as it was.");
    dialogs.message(parent, Dialogs::Icon::Information, tr("Properties"),
                    lines.join(QLatin1Char('\n')));
}
