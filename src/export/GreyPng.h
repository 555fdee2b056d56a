#pragma once

#include <QByteArray>
#include <QtGlobal>

// A PNG file of grey pixels, one byte a pixel (0 black, 255 white), deflated as a whole: the
// small pictures of thumbnails, whose shades come from averaging the pixels of a larger one.
class GreyPng
{
public:
    // `pixels` holds `height` rows of `width` bytes; "" when they do not or zlib failed.
    static QByteArray encode(int width, int height, const QByteArray& pixels);
};
