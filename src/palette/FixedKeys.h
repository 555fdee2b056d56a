#pragma once

#include <QtGlobal>

// The palette's 80 fixed keys: ten columns by eight rows, key i in row i / 10 and column i % 10.
// Each key inserts one code, fixed by the window's design.
class FixedKeys
{
public:
    static constexpr int Count = 80;
    static constexpr int Columns = 10;

    // The code that key `index` (0 to 79) inserts.
    static uchar code(int index);
};
