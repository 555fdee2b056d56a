#pragma once

#include "FileStamp.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Unsaved edits as kept for a restart after a crash: the document's bytes as Save would write
// them, the file they belong to ("" when untitled) and that file's stamp from when the edits
// began, so that a restored document still tells when the file changed meanwhile.
//
// Stored as a few text lines (a signature, the percent-encoded path, the stamp), a blank line
// and the bytes as they are.
struct RecoverySnapshot
{
    QString filePath;
    std::optional<FileStamp> stamp;
    QByteArray bytes;

    QByteArray toBytes() const;
    // Nothing when the bytes are not a snapshot (cut short, another file, a newer format).
    static std::optional<RecoverySnapshot> fromBytes(const QByteArray& stored);
};
