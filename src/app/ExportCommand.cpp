#include "ExportCommand.h"

#include "documents/DocumentFormat.h"
#include "documents/NfoFile.h"
#include "product/Messages.h"

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
    bool allWritten = true;
    for (const QString& file : files) {
        const QString failed = exportFile(file);
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
        return info.dir().filePath(name);
    if (QFileInfo(m_output).isDir())
        return QDir(m_output).filePath(name);
    return m_output;
}

QString ExportCommand::exportFile(const QString& source)
{
    const QString target = targetFor(source);
    const QString canonical = QFileInfo(target).absoluteFilePath();
    // Neither the file itself nor what another file of this run gave may be written over.
    const QString self = QFileInfo(source).canonicalFilePath();
    if (!self.isEmpty() && self == QFileInfo(target).canonicalFilePath())
        return failure(source, QStringLiteral("the export would replace the file itself."));
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
    if (!NfoFile::write(target, result.bytes))
        return failure(target, Messages::FileNotSaved);
    m_written.insert(canonical);
    return QString();
}
