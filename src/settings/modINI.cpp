#include "modINI.h"

#include "IniDocument.h"
#include "files/WholeFile.h"

#include <QFileInfo>

namespace {

// A settings file is a few hundred bytes; one far larger is not ours to read or rewrite.
constexpr qint64 kMaxFileSize = qint64(4) * 1024 * 1024;

std::optional<QByteArray> readAll(const QString& file)
{
    WholeFile::Contents contents = WholeFile::read(file, kMaxFileSize);
    if (contents.status != WholeFile::Status::Read)
        return std::nullopt;
    return std::move(contents.bytes);
}

} // namespace

namespace modINI {

QByteArray ReadINI(const QString& file, const QByteArray& section, const QByteArray& key,
                   const QByteArray& defaultValue)
{
    std::optional<QByteArray> value;
    if (const auto bytes = readAll(file))
        value = IniDocument::parse(*bytes).value(section, key);
    return value.value_or(defaultValue).left(MaxValueLength);
}

bool WriteINI(const QString& file, const QByteArray& section, const QByteArray& key,
              const QByteArray& value)
{
    if (!IniDocument::isSectionName(section) || !IniDocument::isKeyName(key) ||
        !IniDocument::isStorable(value))
        return false;
    QByteArray existing;
    if (QFileInfo::exists(file)) {
        // A file that is there but cannot be read is left alone rather than replaced by a file
        // holding only this one key.
        const auto bytes = readAll(file);
        if (!bytes)
            return false;
        existing = *bytes;
    }
    IniDocument doc = IniDocument::parse(existing);
    doc.setValue(section, key, value);
    return WholeFile::replace(file, doc.serialize());
}

} // namespace modINI
