#pragma once

#include <QCoreApplication>
#include <QString>

class QTextStream;

// `quilra --sauce FILE`: the fields of the file's SAUCE record as name=value lines.
class SauceCommand
{
    Q_DECLARE_TR_FUNCTIONS(SauceCommand)

public:
    // 0 when the record was printed, 1 when the file has none, 2 when it cannot be read.
    static int run(const QString& file, QTextStream& output, QTextStream& errors);
};
