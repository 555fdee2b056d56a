#include "ProgramStyle.h"

#include "DeferredStyleIcon.h"
#include "ProgramArt.h"

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (which == SP_TitleBarMenuButton)
        return ProgramArt::programIcon();
    // An option describes one drawing: such an icon is wanted now.
    if (option)
        return QProxyStyle::standardIcon(which, option, widget);
    return QIcon(new DeferredStyleIcon(baseStyle(), which, widget));
}
