#pragma once

#include <QString>

// The texts of the messages the program shows in more than one place, each kept once.
namespace Messages {

inline const QString FileNotFound = QStringLiteral("File not found.");
inline const QString FileNotSaved = QStringLiteral("File could not be saved.");
inline const QString FileTooLarge = QStringLiteral("File is too large to open.");
inline const QString TemplateNotFound = QStringLiteral("Template file not found.");

// A character that the document cannot hold, quoted, and what happened instead. `encoding`
// names the document's encoding as in a sentence ("code page 437", "UTF-8").
inline QString notInserted(const QString& character,
                           const QString& encoding = QStringLiteral("code page 437"))
{
    return QStringLiteral("\"%1\" has no code in %2 and was not inserted.")
        .arg(character, encoding);
}

inline QString keyNotAssigned(const QString& character)
{
    return QStringLiteral("\"%1\" has no code in code page 437, so the key was not assigned.")
        .arg(character);
}

inline QString notGenerated(const QString& character,
                            const QString& encoding = QStringLiteral("code page 437"))
{
    return QStringLiteral("\"%1\" has no code in %2, so it cannot go into the NFO file. "
                          "Nothing was changed.")
        .arg(character, encoding);
}

// A field whose text holds a character that has no code, named as the user knows the field;
// `outcome`, when given, follows as a sentence of its own.
inline QString fieldNotGenerated(const QString& field, const QString& character,
                                 const QString& outcome = QStringLiteral("Nothing was changed."))
{
    const QString text = QStringLiteral("The field \"%1\" holds \"%2\", which has no code in "
                                        "code page 437, so it cannot go into the NFO file.")
                             .arg(field, character);
    return outcome.isEmpty() ? text : text + QLatin1Char(' ') + outcome;
}

inline QString notConverted(const QString& character, const QString& encoding)
{
    return QStringLiteral("\"%1\" has no code in %2, so the file was not saved.")
        .arg(character, encoding);
}

inline QString notReadable(const QString& encoding)
{
    return QStringLiteral("The document cannot be read as %1 without losing characters.")
        .arg(encoding);
}

} // namespace Messages
