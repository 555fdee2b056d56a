#pragma once

#include "export/DocumentExport.h"
#include "settings/ProgramSettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

class QIODevice;
class QTextStream;

// The program as a tool without a window: `quilra --export FORMAT [...] FILE...`,
// `quilra --generate KIND [...] --output OUT.nfo`, `quilra --thumbnail SIZE INPUT OUTPUT`,
// `quilra --check [--width N] [--json] FILE...`, `quilra --sauce FILE`,
// `--help` and `--version`. Arguments without a leading dash (or after `--`) keep their first
// meaning, the one NFO file to open in the window. Each command is an option of the one parser
// and a class of its own that this one calls.
class CommandLineTool
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    // `settings` gives the stored document colours, `templateDirectory` the shipped templates,
    // `storedLink` the stored credit-link option.
    CommandLineTool(ProgramSettings settings, QString templateDirectory, QString storedLink,
                    QTextStream& output, QTextStream& errors);

    // main()'s arguments, as the application object would give them, before one exists.
    static QStringList arguments(int argc, char* argv[]);
    // True when an argument before `--` is an option, known or not: an unknown one is the
    // tool's error to report, never a file for the window.
    static bool handles(const QStringList& arguments);
    // Runs the tool under an application object that needs no display; the exit status.
    static int main(int argc, char* argv[]);

    // The exit status: 0 when all was done, 1 when a file failed, 2 for arguments that say
    // nothing the tool can do. Bytes for standard output (`--output -`) go to `standardOutput`
    // when given, else to the output stream's device.
    int run(const QStringList& arguments, QIODevice* standardOutput = nullptr);

private:
    // The options of the tool's commands; --help and --version come from the parser.
    static QList<QCommandLineOption> commandOptions();
    int usageError(const QString& text);
    int exportFiles();
    int exportToStandardOutput(const DocumentExport::Options& options, const QString& file);
    int generateFile();
    int makeThumbnail();
    int checkFiles();
    int printSauce();
    static bool writeThumbnail(const QString& path, const QByteArray& png);
    // Writes `bytes` to standard output; false when it could not take them all.
    bool writeStandardOutput(const QByteArray& bytes);

    ProgramSettings m_settings;
    QString m_templateDirectory;
    QString m_storedLink;
    QTextStream& m_output;
    QTextStream& m_errors;
    QCommandLineParser m_parser;
    QIODevice* m_standardOutput = nullptr;
};
