#pragma once

#include <QString>

// The texts of the messages the program shows in more than one place, each kept once.
namespace Messages {

inline const QString FileNotFound = QStringLiteral("File not found.");
inline const QString FileNotSaved = QStringLiteral("File could not be saved.");
inline const QString FileTooLarge = QStringLiteral("File is too large to open.");
inline const QString TemplateNotFound = QStringLiteral("Template file not found.");

// A character that the document cannot hold, quoted, and what happened instead.
inline QString notInserted(const QString& character)
{
    return QStringLiteral("\"%1\" has no code in code page 437 and was not inserted.")
        .arg(character);
}

inline QString keyNotAssigned(const QString& character)
{
    return QStringLiteral("\"%1\" has no code in code page 437, so the key was not assigned.")
        .arg(character);
}

inline QString notGenerated(const QString& character)
{
    return QStringLiteral("\"%1\" has no code in code page 437, so it cannot go into the NFO "
                          "file. Nothing was changed.")
        .arg(character);
}

} // namespace Messages
