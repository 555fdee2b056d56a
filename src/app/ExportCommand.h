#pragma once

#include "export/DocumentExport.h"

#include <QSet>
#include <QStringList>

class InputFiles;
class QIODevice;
class QTextStream;

// `quilra --export`: each NFO or ANSI file written in the chosen form, beside it (art.nfo gives
// art.png) or where the output path says: a folder, or the target itself for a single file.
// A file that fails is named on one line with the reason, and the others are still written.
class ExportCommand
{
public:
    // `output` is "" (beside each file), a folder, or for one file the target's path.
    ExportCommand(DocumentExport& exporter, DocumentExport::Options options, QString output);

    // True when every file was written; a line for each that was not goes to `errors`.
    bool run(const QStringList& files, QTextStream& errors);

private:
    QString targetFor(const QString& source) const;
    // "" when done, else the line that says what failed.
    QString exportFile(const QString& source, const InputFiles& inputs);
    // "" when the target may be written, else why not.
    static QString refusal(const QString& source, const QString& target, const InputFiles& inputs);
    // The file's bytes, which it releases, exported into `out`: "" when done, else why not.
    QString write(QByteArray& bytes, const DocumentExport::Options& options, QIODevice& out);

    DocumentExport& m_exporter;
    DocumentExport::Options m_options;
    QString m_output;
    QSet<QString> m_written;
    QString m_note; // about the file being exported, such as art cut at the row limit
};
