#include "ExportCommand.h"

#include "ansi/AnsiInterpreter.h"
#include "documents/DocumentFormat.h"
#include "documents/NfoFile.h"
#include "files/InputFiles.h"
#include "product/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

QString failure(const QString& path, const QString& why)
{
    return QStringLiteral("quilra: %1: %2").arg(QDir::toNativeSeparators(path), why);
}

} // namespace

ExportCommand::ExportCommand(DocumentExport& exporter, DocumentExport::Options options,
                             QString output)
    : m_exporter(exporter), m_options(std::move(options)), m_output(std::move(output))
{
}

bool ExportCommand::run(const QStringList& files, QTextStream& errors)
{
    // Every input is taken down before the first file is written.
    const InputFiles inputs(files);
    bool allWritten = true;
    for (const QString& file : files) {
        m_note.clear();
        const QString failed = exportFile(file, inputs);
        if (!m_note.isEmpty())
            errors << failure(file, m_note) << '\n';
        if (failed.isEmpty())
            continue;
        errors << failed << '\n';
        errors.flush();
        allWritten = false;
    }
    return allWritten;
}

QString ExportCommand::targetFor(const QString& source) const
{
    const QFileInfo info(source);
    const QString name =
        info.completeBaseName() + QLatin1Char('.') + DocumentExport::suffix(m_options.format);
    if (m_output.isEmpty())
        return QDir::cleanPath(info.dir().filePath(name));
    if (QFileInfo(m_output).isDir())
        return QDir(m_output).filePath(name);
    return m_output;
}

QString ExportCommand::refusal(const QString& source, const QString& target,
                               const InputFiles& inputs)
{
    if (InputFiles({source}).contains(target))
        return QCoreApplication::translate("ExportCommand",
                                           "the export would replace the file itself.");
    return inputs.refusal(target);
}

QString ExportCommand::exportFile(const QString& source, const InputFiles& inputs)
{
    const QString target = targetFor(source);
    const QString canonical = QFileInfo(target).absoluteFilePath();
    // No input of this run is written over (by identity of file, not by name), nor a link, a
    // device, a pipe or a socket; nor what another file of this run gave.
    const QString refused = refusal(source, target, inputs);
    if (!refused.isEmpty())
        return failure(source, refused);
    if (m_written.contains(canonical))
        return failure(source, QStringLiteral("%1 was written from another file already.")
                                   .arg(QDir::toNativeSeparators(target)));

    NfoFile::Contents file = NfoFile::read(source);
    if (file.status != NfoFile::Status::Read) {
        const bool tooLarge = file.status == NfoFile::Status::TooLarge;
        return failure(source, tooLarge ? Messages::FileTooLarge : Messages::FileNotFound);
    }
    DocumentExport::Options options = m_options;
    options.title = QFileInfo(source).fileName();
    // The export goes into a file beside the target, which replaces it only when complete: a
    // failed export leaves no half-written picture and any old file as it was. The rename
    // replaces a link put there since the check, never the file it points to.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return failure(target, Messages::FileNotSaved);
    const QString error = write(file.bytes, options, out);
    if (!error.isEmpty()) {
        out.cancelWriting();
        return failure(source, error);
    }
    if (!out.commit())
        return failure(target, Messages::FileNotSaved);
    m_written.insert(canonical);
    return QString();
}

QString ExportCommand::write(QByteArray& bytes, const DocumentExport::Options& options,
                             QIODevice& out)
{
    // ANSI art is drawn in its colours; any other file as the document window shows it.
    if (const std::optional<AnsiArt::Settings> ansi = AnsiArt::detect(bytes)) {
        const AnsiCanvas canvas = AnsiInterpreter::interpret(bytes, *ansi);
        bytes = QByteArray();
        if (canvas.truncated())
            m_note = QCoreApplication::translate("ExportCommand",
                                                 "the art draws more than %1 rows; the export "
                                                 "stops there.")
                         .arg(canvas.maxRows());
        return m_exporter.write(canvas, options, out, {});
    }
    const QString display = DocumentFormat::open(bytes).display;
    bytes = QByteArray();
    return m_exporter.write(display, options, out, {});
}
