#pragma once

#include <QCoreApplication>
#include <QString>

// The texts of the messages the program shows in more than one place, each kept once, in the
// user's language.
namespace Messages {

// A fixed message: its English text, translated (context "Messages") each time it is used as a
// QString, so that it follows the translation installed at start-up.
struct Text
{
    const char* english;

    QString text() const { return QCoreApplication::translate("Messages", english); }
    operator QString() const { return text(); }
    friend QString operator+(const Text& message, QChar ch) { return message.text() + ch; }
    friend QString operator+(const Text& message, const QString& more)
    {
        return message.text() + more;
    }
};

inline constexpr Text FileNotFound{QT_TRANSLATE_NOOP("Messages", "File not found.")};
inline constexpr Text FileNotSaved{QT_TRANSLATE_NOOP("Messages", "File could not be saved.")};
inline constexpr Text FileTooLarge{QT_TRANSLATE_NOOP("Messages", "File is too large to open.")};
inline constexpr Text TemplateNotFound{QT_TRANSLATE_NOOP("Messages", "Template file not found.")};

// "code page 437" as in a sentence, in the user's language.
inline QString codePage437()
{
    return QCoreApplication::translate("Messages", "code page 437");
}

// A character that the document cannot hold, quoted, and what happened instead. `encoding`
// names the document's encoding as in a sentence ("code page 437", "UTF-8").
inline QString notInserted(const QString& character, const QString& encoding = codePage437())
{
    return QCoreApplication::translate("Messages", "\"%1\" has no code in %2 and was not inserted.")
        .arg(character, encoding);
}

inline QString keyNotAssigned(const QString& character)
{
    return QCoreApplication::translate(
               "Messages", "\"%1\" has no code in code page 437, so the key was not assigned.")
        .arg(character);
}

inline QString notGenerated(const QString& character, const QString& encoding = codePage437())
{
    return QCoreApplication::translate("Messages",
                                       "\"%1\" has no code in %2, so it cannot go into the NFO "
                                       "file. Nothing was changed.")
        .arg(character, encoding);
}

inline QString nothingChanged()
{
    return QCoreApplication::translate("Messages", "Nothing was changed.");
}

// A field whose text holds a character that has no code, named as the user knows the field;
// `outcome`, when given, follows as a sentence of its own.
inline QString fieldNotGenerated(const QString& field, const QString& character,
                                 const QString& outcome = nothingChanged())
{
    const QString text =
        QCoreApplication::translate("Messages", "The field \"%1\" holds \"%2\", which has "
                                                "no code in code page 437, so it cannot go "
                                                "into the NFO file.")
            .arg(field, character);
    return outcome.isEmpty() ? text : text + QLatin1Char(' ') + outcome;
}

inline QString notConverted(const QString& character, const QString& encoding)
{
    return QCoreApplication::translate("Messages",
                                       "\"%1\" has no code in %2, so the file was not saved.")
        .arg(character, encoding);
}

inline QString notReadable(const QString& encoding)
{
    return QCoreApplication::translate(
               "Messages", "The document cannot be read as %1 without losing characters.")
        .arg(encoding);
}

} // namespace Messages
