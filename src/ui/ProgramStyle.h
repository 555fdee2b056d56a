#pragma once

#include <QProxyStyle>

// The desktop's style as the program uses it: a window's menu button shows the program's icon,
// as each of its windows sets anyway, and the other standard icons are read from the style
// only when one is first drawn or measured (see DeferredStyleIcon). Set on the application
// before the main window is built, so that building the menu bar and the document window
// loads no image file, and so no image plugin.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
