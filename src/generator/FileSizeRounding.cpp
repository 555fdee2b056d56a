#include "FileSizeRounding.h"

qint64 FileSizeRounding::thousands(qint64 bytes)
{
    if (bytes <= 0)
        return 0;
    const qint64 whole = bytes / 1000;
    const qint64 rest = bytes % 1000;
    if (rest > 500 || (rest == 500 && whole % 2 == 1))
        return whole + 1;
    return whole;
}
