#pragma once

#include "MediaFacts.h"

#include <QString>

// Reads a video file's facts for the movie form with MediaInfo. The MediaInfo library is
// loaded at the first read, not when the program starts, and a read looks only at what
// MediaInfo needs to name the tracks: the headers and a little of the data, at most 64 MiB of
// any file, never a whole pass over one of many gigabytes.
class MediaProbe
{
public:
    enum class Status
    {
        Read,
        NoFacts,        // missing, a folder, unreadable, or no video and no audio track
        LibraryMissing, // MediaInfo could not be loaded
    };

    struct Result
    {
        Status status = Status::NoFacts;
        MediaFacts facts;
    };

    static Result read(const QString& path);

    // What the user is told when `status` is not Read; `name` names the file.
    static QString message(Status status, const QString& name);
};
