#pragma once

#include <QCoreApplication>
#include <QString>

// The command-line options of generating without a window (the file to write is the tool's
// shared --output): name, the name of the value as the
// help shows it, and the help text. BatchGeneration does the work.
namespace BatchOptions {

struct Option
{
    QString name;
    QString valueName;
    const char* help; // the English text; translated in the context "BatchOptions"

    QString helpText() const { return QCoreApplication::translate("BatchOptions", help); }
};

inline const Option Generate{
    QStringLiteral("generate"), QStringLiteral("movie|application"),
    QT_TRANSLATE_NOOP("BatchOptions",
                      "Generate a movie or an application NFO file from its template without "
                      "opening a window, and write it to the file named by --output.")};

inline const Option Field{
    QStringLiteral("field"), QStringLiteral("NAME=VALUE"),
    QT_TRANSLATE_NOOP("BatchOptions",
                      "With --generate: fill the placeholder $NAME$ with VALUE, such as "
                      "title=\"My Movie\". May be given many times; it overrides the same name in "
                      "--fields. A field not given takes its default text.")};

inline const Option Fields{
    QStringLiteral("fields"), QStringLiteral("FILE"),
    QT_TRANSLATE_NOOP("BatchOptions",
                      "With --generate: read NAME=VALUE lines from the section [movie] or "
                      "[application] of the INI file FILE.")};

inline const Option Template{
    QStringLiteral("template"), QStringLiteral("FILE"),
    QT_TRANSLATE_NOOP("BatchOptions",
                      "With --generate: fill FILE instead of the shipped template; it uses the "
                      "same placeholders.")};

inline const Option Link{
    QStringLiteral("link"), QStringLiteral("yes|no"),
    QT_TRANSLATE_NOOP("BatchOptions",
                      "With --generate: end the NFO with the Quilra credit footer (yes) or not "
                      "(no). Without it, the \"Allow Quilra Link\" setting decides.")};

inline const Option Media{
    QStringLiteral("media"), QStringLiteral("FILE"),
    QT_TRANSLATE_NOOP("BatchOptions",
                      "With --generate movie: fill runtime, language, videocodec, resolution, "
                      "audiocodec, audiobitrate, subtitles and files from what the video FILE "
                      "tells; --field and --fields win over it. A file that tells nothing is an "
                      "error.")};

} // namespace BatchOptions
