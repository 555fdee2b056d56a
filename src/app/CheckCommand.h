#pragma once

#include <QCoreApplication>
#include <QJsonArray>
#include <QStringList>

class QTextStream;

// `quilra --check [--width N] [--json] FILE...`: what viewers would show wrongly in each file,
// one finding a line as compilers print them (file:line:column: warning: message), or all of
// them as one JSON array. A file that cannot be read is named on the error stream.
class CheckCommand
{
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    static constexpr int MaxWidth = 10000;

    CheckCommand(int width, bool json);

    // 0 when nothing was found, 1 when something was, 2 when a file could not be read.
    int run(const QStringList& files, QTextStream& output, QTextStream& errors);

private:
    // False when the file could not be read.
    bool checkFile(const QString& file, QTextStream& output, QTextStream& errors, bool& found);

    int m_width;
    bool m_json;
    QJsonArray m_array;
};
