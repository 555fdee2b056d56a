#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn in code so that no image file has to travel with it.
class ProgramArt
{
public:
    // A dark tile with a shaded "Q", at the usual icon sizes.
    static QIcon programIcon();
    static QPixmap iconPixmap(int size);

    // The about box's picture: 100 x 150 pixels of shade and block art around the "Q".
    static QPixmap aboutPicture();

    // The greeting's picture: 640 x 480 pixels of night sky with a shaded heart, dark enough
    // that the pale words over it stand out.
    static QPixmap greetingPicture();
};
