#include "DocumentFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

const QString kTerminal = QStringLiteral("Terminal");

bool systemHasTerminal()
{
    return QFontDatabase::families().contains(kTerminal, Qt::CaseInsensitive);
}

void installSubstitution()
{
    static const bool installed = [] {
        if (!systemHasTerminal()) {
            QFont::insertSubstitutions(
                kTerminal, {QStringLiteral("Px IBM VGA8"), QStringLiteral("DejaVu Sans Mono"),
                            QStringLiteral("Liberation Mono"), QStringLiteral("Monospace")});
        }
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

QString DocumentFont::family()
{
    installSubstitution();
    return kTerminal;
}

QFont DocumentFont::designed()
{
    QFont font(family());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    if (systemHasTerminal())
        font.setPointSize(9);
    else
        font.setPixelSize(16);
    return font;
}
