#include "FixedKeys.h"

uchar FixedKeys::code(int index)
{
    // The keys run through the upper codes from 0xA0, except four that the design set apart:
    // 0xA1 twice and no 0xA3, the letter i instead of 0xAD, 0xCC twice and no 0xCD, and 0xF1
    // instead of 0xE1.
    switch (index) {
    case 2:
        return 0xA1;
    case 3:
        return 0xA2;
    case 13:
        return 0x69;
    case 45:
        return 0xCC;
    case 65:
        return 0xF1;
    default:
        return static_cast<uchar>(0xA0 + index);
    }
}
