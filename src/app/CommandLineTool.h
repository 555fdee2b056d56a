#pragma once

#include "settings/ProgramSettings.h"

#include <QCommandLineParser>
#include <QStringList>

class QTextStream;

// The program as a tool without a window: `quilra --export FORMAT [...] FILE...`,
// `quilra --generate KIND [...] --output OUT.nfo`, `--help` and `--version`. Arguments that name
// none of its options keep their first meaning, the one NFO file to open in the window. Each
// command is an option of the one parser and a class of its own that this one calls.
class CommandLineTool
{
public:
    // `settings` gives the stored document colours, `templateDirectory` the shipped templates,
    // `storedLink` the stored credit-link option.
    CommandLineTool(ProgramSettings settings, QString templateDirectory, QString storedLink,
                    QTextStream& output, QTextStream& errors);

    // main()'s arguments, as the application object would give them, before one exists.
    static QStringList arguments(int argc, char* argv[]);
    // True when an argument is one of the tool's options.
    static bool handles(const QStringList& arguments);
    // Runs the tool under an application object that needs no display; the exit status.
    static int main(int argc, char* argv[]);

    // The exit status: 0 when all was done, 1 when a file failed, 2 for arguments that say
    // nothing the tool can do.
    int run(const QStringList& arguments);

private:
    // The options of the tool's commands; --help and --version come from the parser.
    static QList<QCommandLineOption> commandOptions();
    int usageError(const QString& text);
    int exportFiles();
    int generateFile();

    ProgramSettings m_settings;
    QString m_templateDirectory;
    QString m_storedLink;
    QTextStream& m_output;
    QTextStream& m_errors;
    QCommandLineParser m_parser;
};
