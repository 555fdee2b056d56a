#include "Module1.h"

namespace Module1 {

void AssociateExtension(const QString& className, const QString& commandLine,
                        const QString& extension, const QString& verb, const QString& icon)
{
    // The association with the desktop is not written yet; start-up and "Associate Files"
    // call this already, so that they keep their order when it is.
    Q_UNUSED(className);
    Q_UNUSED(commandLine);
    Q_UNUSED(extension);
    Q_UNUSED(verb);
    Q_UNUSED(icon);
}

} // namespace Module1
