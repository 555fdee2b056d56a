#pragma once

#include <QtGlobal>

// A file's size as the generator states it.
class FileSizeRounding
{
public:
    // The size in thousands of bytes, rounded to the nearest whole number and, exactly halfway,
    // to the even one (1,500 gives 2, 2,500 gives 2). Whole-number arithmetic, so every size a
    // file system can report is exact.
    static qint64 thousands(qint64 bytes);
};
