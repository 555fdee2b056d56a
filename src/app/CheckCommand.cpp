#include "CheckCommand.h"

#include "documents/NfoChecker.h"
#include "documents/NfoFile.h"
#include "product/Messages.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

CheckCommand::CheckCommand(int width, bool json) : m_width(width), m_json(json) {}

int CheckCommand::run(const QStringList& files, QTextStream& output, QTextStream& errors)
{
    bool found = false;
    bool allRead = true;
    for (const QString& file : files)
        allRead = checkFile(file, output, errors, found) && allRead;
    if (m_json)
        output << QJsonDocument(m_array).toJson(QJsonDocument::Indented);
    output.flush();
    if (!allRead)
        return 2;
    return found ? 1 : 0;
}

bool CheckCommand::checkFile(const QString& file, QTextStream& output, QTextStream& errors,
                             bool& found)
{
    const QString name = QDir::toNativeSeparators(file);
    NfoFile::Contents contents = NfoFile::read(file);
    if (contents.status != NfoFile::Status::Read) {
        const bool tooLarge = contents.status == NfoFile::Status::TooLarge;
        errors << "quilra: " << name << ": "
               << (tooLarge ? Messages::FileTooLarge : Messages::FileNotFound) << '\n';
        errors.flush();
        return false;
    }
    const DocumentFormat::Opened opened = DocumentFormat::open(contents.bytes);
    const qint64 contentSize = contents.bytes.size() - opened.trailer.size();
    contents.bytes = QByteArray();
    const QList<NfoChecker::Finding> findings = NfoChecker(m_width).check(opened, contentSize);
    found = found || !findings.isEmpty();
    for (const NfoChecker::Finding& finding : findings) {
        if (!m_json) {
            output << name << ':' << finding.line << ':' << finding.column
                   << ": warning: " << finding.message << '\n';
            continue;
        }
        const bool fixable = NfoChecker::hasFix(finding.kind, opened.display);
        m_array.append(QJsonObject{
            {QStringLiteral("file"), name},
            {QStringLiteral("line"), finding.line},
            {QStringLiteral("column"), finding.column},
            {QStringLiteral("kind"), NfoChecker::kindName(finding.kind)},
            {QStringLiteral("message"), finding.message},
            {QStringLiteral("fix"),
             fixable ? QJsonValue(NfoChecker::fixName(finding.kind)) : QJsonValue()},
        });
    }
    return true;
}
