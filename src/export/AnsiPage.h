#pragma once

#include "ansi/AnsiCanvas.h"

#include <QByteArray>
#include <QString>

// ANSI art as a web page: its drawn characters in a <pre>, each run of cells of the same
// colours a <span> in those colours, on the black of the art's screen.
class AnsiPage
{
public:
    static QByteArray write(const AnsiCanvas& canvas, const QString& title);
};
