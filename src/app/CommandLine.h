#pragma once

#include <QStringList>

// The program's one command-line argument, the path of an NFO file.
class CommandLine
{
public:
    // The text after the program's own name: the arguments joined by single blanks, without the
    // `--` that ends the options.
    static QString argumentText(const QStringList& arguments);

    // The path the argument text names: when it starts with a double quote, its first and last
    // characters are dropped, whatever the last one is. "" when it names no file (also for a
    // lone quote).
    static QString documentPath(const QString& argumentText);
};
