#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The picture a file manager shows for an NFO file: the top of the art drawn with the VGA face,
// black on white (a thumbnailer runs where the user's settings cannot be seen), in grey shades
// when it is made smaller. Only the first 64 KB and the SAUCE trailer at the end are read, so a
// file of any size costs the same.
class Thumbnail
{
    Q_DECLARE_TR_FUNCTIONS(Thumbnail)

public:
    static constexpr qint64 HeadSize = 64 * 1024;
    // The widest top the picture shows, in characters: a classic NFO is 80 wide.
    static constexpr int MaxColumns = 80;
    static constexpr int MaxSize = 4096;

    struct Result
    {
        QByteArray png;
        QString error; // "" when made; else why not, as a sentence
    };

    explicit Thumbnail(QString facePath);

    // The PNG file of `path`, its longer side at most `size` pixels (1 to MaxSize).
    Result make(const QString& path, int size) const;

    // The bytes the picture is decided from: the whole file when it is small, else its first
    // HeadSize bytes up to their last line end, followed by a SAUCE trailer when the file ends
    // with one. False when the file cannot be read.
    static bool readHead(const QString& path, QByteArray& bytes);
    // The top of `display`: as many lines as make the art about as high as it is wide, each
    // cut at MaxColumns characters.
    static QString top(const QString& display);

private:
    QString m_facePath;
};
