#pragma once

#include <QList>
#include <QString>
#include <utility>

// What a video file tells about itself, as the movie form's fields hold it. A fact the file
// does not tell is "".
struct MediaFacts
{
    QString runtime;       // "01:52:07"
    QString videoCodec;    // "H.264"
    QString resolution;    // "1920x1080"
    QString audioCodecs;   // every audio track: "AAC 2.0, AC-3 5.1"
    QString audioBitrates; // in the same order: "128 kb/s, 448 kb/s"
    QString languages;     // the audio tracks' languages: "English, German"
    QString subtitles;     // the subtitle tracks' languages: "French"
    QString size;          // the file's size in thousands of bytes, as "Get" gives it

    // The facts told, each with the object name of the movie field it fills, in the form's
    // order.
    QList<std::pair<QString, QString>> byField() const
    {
        const std::pair<const char*, const QString*> all[] = {
            {"txtrun", &runtime},    {"txtlan", &languages},      {"txtvidcod", &videoCodec},
            {"txtres", &resolution}, {"txtaudcod", &audioCodecs}, {"txtaudbit", &audioBitrates},
            {"txtsub", &subtitles},  {"txtnumber", &size},
        };
        QList<std::pair<QString, QString>> told;
        for (const auto& [field, value] : all) {
            if (!value->isEmpty())
                told.append({QString::fromLatin1(field), *value});
        }
        return told;
    }
};
