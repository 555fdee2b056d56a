#pragma once

#include <QByteArray>
#include <QString>

// Access to INI files with the semantics of the profile-string functions. Values are 8-bit
// texts, passed through unchanged: what a caller stores is what a later read returns.
namespace modINI {

// Values read are cut to this many characters, as by a 200-character buffer.
constexpr int MaxValueLength = 199;

// The value of the key in the section of the file, or `defaultValue` when the file, the
// section or the key is absent or the file cannot be read.
QByteArray ReadINI(const QString& file, const QByteArray& section, const QByteArray& key,
                   const QByteArray& defaultValue);

// Sets the key, creating the file, the section and the key as needed. False when nothing was
// written: the file could not be read or written, or a text holds a line break or a NUL.
bool WriteINI(const QString& file, const QByteArray& section, const QByteArray& key,
              const QByteArray& value);

} // namespace modINI
