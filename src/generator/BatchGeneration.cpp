#include "BatchGeneration.h"

#include "MediaProbe.h"
#include "SubstitutionTables.h"
#include "TemplateEngine.h"
#include "documents/DocumentCodec.h"
#include "documents/NfoFile.h"
#include "files/WholeFile.h"
#include "product/Messages.h"
#include "settings/IniDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>

namespace {

// A fields file is a few lines; one far larger is not one.
constexpr qint64 kMaxFieldsFile = qint64(1024) * 1024;

const QList<PlaceholderRule>* rulesOf(const QString& kind)
{
    if (kind == QLatin1String("movie"))
        return &SubstitutionTables::movie();
    if (kind == QLatin1String("application"))
        return &SubstitutionTables::application();
    return nullptr;
}

QString templateOf(const QString& kind)
{
    return kind == QLatin1String("movie") ? SubstitutionTables::movieTemplateFile()
                                          : SubstitutionTables::applicationTemplateFile();
}

// "title" for "$title$".
QString nameOf(const PlaceholderRule& rule)
{
    return QString::fromLatin1(rule.placeholder.mid(1, rule.placeholder.size() - 2));
}

QString namesOf(const QList<PlaceholderRule>& rules)
{
    QStringList names;
    for (const PlaceholderRule& rule : rules)
        names.append(nameOf(rule));
    return names.join(QStringLiteral(", "));
}

std::optional<bool> linkChoice(const QString& link, const QString& stored)
{
    if (link.isEmpty())
        return TemplateEngine::isLinkAllowed(stored);
    if (link == QLatin1String("yes") || link == QLatin1String("no"))
        return link == QLatin1String("yes");
    return std::nullopt;
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

} // namespace

BatchGeneration::BatchGeneration(QString templateDirectory, QString storedLink)
    : m_templateDirectory(std::move(templateDirectory)), m_storedLink(std::move(storedLink))
{
}

BatchGeneration::Result BatchGeneration::run(const Request& request) const
{
    const QList<PlaceholderRule>* rules = rulesOf(request.kind);
    if (!rules)
        return {
            {},
            tr("\"%1\" is no kind of NFO to generate: use movie or application.").arg(request.kind),
            true};
    const std::optional<bool> link = linkChoice(request.link, m_storedLink);
    if (!link)
        return {{}, tr("--link takes yes or no, not \"%1\".").arg(request.link), true};

    Values values;
    QString error;
    if (!request.mediaFile.isEmpty())
        error = readMediaFile(request.mediaFile, request.kind, values);
    if (error.isEmpty() && !request.fieldsFile.isEmpty())
        error = readFieldsFile(request.fieldsFile, request.kind, *rules, values);
    if (!error.isEmpty())
        return {{}, error};
    error = readPairs(request.fields, request.kind, *rules, values);
    if (!error.isEmpty())
        return {{}, error, true};

    // Each field as the form would hold it: a value not given is the field left empty.
    TemplateEngine::Fields fields;
    for (const PlaceholderRule& rule : *rules) {
        const QString value = values.value(rule.sourceField);
        TemplateEngine::Field field;
        const QString refused =
            TemplateEngine::readField(value.isEmpty() ? rule.emptyValue : value, field);
        if (!refused.isEmpty())
            return {{},
                    Messages::fieldNotGenerated(nameOf(rule), refused, tr("Nothing was written."))};
        fields.insert(rule.sourceField, field);
    }

    const QString path = templatePath(request);
    const NfoFile::Contents file = NfoFile::read(path);
    if (file.status != NfoFile::Status::Read)
        return {{}, Messages::TemplateNotFound + QLatin1Char(' ') + path};
    return {TemplateEngine::generate(file.bytes, *rules, fields, *link), QString()};
}

QString BatchGeneration::readMediaFile(const QString& path, const QString& kind, Values& values)
{
    if (kind != QLatin1String("movie"))
        return QCoreApplication::translate("BatchGeneration",
                                           "--media fills the movie template only.");
    const MediaProbe::Result media = MediaProbe::read(path);
    if (media.status != MediaProbe::Status::Read)
        return MediaProbe::message(media.status, path);
    for (const auto& [field, value] : media.facts.byField())
        values.insert(field, value);
    return QString();
}

QStringList BatchGeneration::inputs(const Request& request) const
{
    QStringList paths{templatePath(request)};
    if (!request.fieldsFile.isEmpty())
        paths.append(request.fieldsFile);
    if (!request.mediaFile.isEmpty())
        paths.append(request.mediaFile);
    return paths;
}

QString BatchGeneration::templatePath(const Request& request) const
{
    return request.templateFile.isEmpty()
               ? QDir(m_templateDirectory).filePath(templateOf(request.kind))
               : request.templateFile;
}

QString BatchGeneration::readFieldsFile(const QString& path, const QString& kind,
                                        const QList<PlaceholderRule>& rules, Values& values)
{
    const WholeFile::Contents file = WholeFile::read(path, kMaxFieldsFile);
    if (file.status != WholeFile::Status::Read)
        return tr("The fields file %1 could not be read.").arg(path);
    const IniDocument ini = IniDocument::parse(file.bytes);
    const QByteArray section = kind.toLatin1();
    const auto keys = ini.keys(section);
    if (!keys)
        return tr("The fields file %1 has no [%2] section.").arg(path, kind);
    const bool utf8 = isUtf8(file.bytes);
    for (const QByteArray& key : *keys) {
        if (key.startsWith(';'))
            continue;
        const QByteArray value = ini.value(section, key).value_or(QByteArray());
        const QString text = utf8 ? QString::fromUtf8(value) : DocumentCodec::toDisplay(value);
        const QString error = assign(QString::fromUtf8(key), text, kind, rules, values);
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

QString BatchGeneration::readPairs(const QStringList& pairs, const QString& kind,
                                   const QList<PlaceholderRule>& rules, Values& values)
{
    for (const QString& pair : pairs) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        if (equals < 0)
            return tr("--field takes NAME=VALUE, not \"%1\".").arg(pair);
        const QString error = assign(pair.left(equals), pair.mid(equals + 1), kind, rules, values);
        if (!error.isEmpty())
            return error;
    }
    return QString();
}

QString BatchGeneration::assign(const QString& name, const QString& value, const QString& kind,
                                const QList<PlaceholderRule>& rules, Values& values)
{
    for (const PlaceholderRule& rule : rules) {
        if (name.compare(nameOf(rule), Qt::CaseInsensitive) == 0) {
            values.insert(rule.sourceField, value);
            return QString();
        }
    }
    return tr("\"%1\" is no field of the %2 template; its fields are %3.")
        .arg(name, kind, namesOf(rules));
}
