#pragma once

#include <QtGlobal>
#include <array>

// The 16 colours of the VGA text mode in the order of ANSI's colour numbers: black, red,
// green, brown, blue, magenta, cyan, light grey, then their bright halves.
class VgaColours
{
public:
    static constexpr int Count = 16;
    static constexpr int Bright = 8;

    // 0xRRGGBB of colour 0 .. 15.
    static quint32 rgb(int colour) { return kColours[size_t(colour & 0x0F)]; }

private:
    static constexpr std::array<quint32, Count> kColours = {
        0x000000, 0xAA0000, 0x00AA00, 0xAA5500, 0x0000AA, 0xAA00AA, 0x00AAAA, 0xAAAAAA,
        0x555555, 0xFF5555, 0x55FF55, 0xFFFF55, 0x5555FF, 0xFF55FF, 0x55FFFF, 0xFFFFFF,
    };
};
