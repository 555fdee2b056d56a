#include "Module1.h"

#include <QDesktopServices>
#include <QUrl>

#ifdef Q_OS_WIN
#include "RegistryAssociation.h"
#else
#include "XdgAssociation.h"
#endif

namespace Module1 {

namespace {

// The Windows shell's answers: above 32 for a request taken, SE_ERR_NOASSOC when no program
// handles the address.
constexpr int kAccepted = 33;
constexpr int kNoHandler = 31;

} // namespace

void AssociateExtension(const QString& className, const QString& commandLine,
                        const QString& extension, const QString& verb, const QString& icon)
{
#ifdef Q_OS_WIN
    RegistryAssociation::write(className.toLocal8Bit().toStdString(),
                               commandLine.toLocal8Bit().toStdString(),
                               extension.toLocal8Bit().toStdString(),
                               verb.toLocal8Bit().toStdString(), icon.toLocal8Bit().toStdString());
#else
    // The command line and the icon name a Windows installation; here the entry starts the
    // executable that is running, wherever it lies, with its own icon.
    Q_UNUSED(className);
    Q_UNUSED(commandLine);
    Q_UNUSED(verb);
    Q_UNUSED(icon);
    XdgAssociation::forCurrentUser().write(XdgAssociationTexts(extension));
#endif
}

int OpenUrl(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address)) ? kAccepted : kNoHandler;
}

} // namespace Module1
