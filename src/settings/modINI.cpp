#include "modINI.h"

#include "IniDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

std::optional<QByteArray> readAll(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    return in.readAll();
}

} // namespace

namespace modINI {

QByteArray ReadINI(const QString& file, const QByteArray& section, const QByteArray& key,
                   const QByteArray& defaultValue)
{
    const QFileInfo info(file);
    std::optional<QByteArray> value;
    if (info.isFile()) {
        if (const auto bytes = readAll(file))
            value = IniDocument::parse(*bytes).value(section, key);
    }
    return value.value_or(defaultValue).left(MaxValueLength);
}

bool WriteINI(const QString& file, const QByteArray& section, const QByteArray& key,
              const QByteArray& value)
{
    if (!IniDocument::isStorable(section) || !IniDocument::isStorable(key) ||
        !IniDocument::isStorable(value))
        return false;
    QByteArray existing;
    if (QFileInfo::exists(file)) {
        // A file that is there but cannot be read is left alone rather than replaced by a file
        // holding only this one key.
        const auto bytes = QFileInfo(file).isFile() ? readAll(file) : std::nullopt;
        if (!bytes)
            return false;
        existing = *bytes;
    }
    IniDocument doc = IniDocument::parse(existing);
    doc.setValue(section, key, value);
    QSaveFile out(file);
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(doc.serialize());
    return out.commit();
}

} // namespace modINI
