#include "ExportCommand.h"

#include "documents/DocumentFormat.h"
#include "documents/NfoFile.h"
#include "product/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
        const QString failed = exportFile(file, inputs);
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
    const QString refused = refusal(source, target, inputs);
    if (!refused.isEmpty())
        return failure(source, refused);
    // What another file of this run gave is not written over either.
    if (m_written.contains(canonical))
        return failure(source, QStringLiteral("%1 was written from another file already.")
                                   .arg(QDir::toNativeSeparators(target)));

    NfoFile::Contents file = NfoFile::read(source);
    if (file.status != NfoFile::Status::Read) {
        const bool tooLarge = file.status == NfoFile::Status::TooLarge;
        return failure(source, tooLarge ? Messages::FileTooLarge : Messages::FileNotFound);
    }
    DocumentFormat::Opened opened = DocumentFormat::open(file.bytes);
    file.bytes = QByteArray();
    DocumentExport::Options options = m_options;
    options.title = QFileInfo(source).fileName();
    const DocumentExport::Result result = m_exporter.render(opened.display, options);
    if (!result.error.isEmpty())
        return failure(source, result.error);
    // A link or a device put there since the check is refused all the same.
    const WholeFile::Replaced written =
        WholeFile::replace(target, result.bytes, WholeFile::Links::Refuse);
    if (written.outcome == WholeFile::Outcome::Refused)
        return failure(source, WholeFile::refusal(target, written.kind));
    if (!written.written())
        return failure(target, Messages::FileNotSaved);
    m_written.insert(canonical);
    return QString();
}
