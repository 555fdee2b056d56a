#pragma once

#include <QString>

// The program's contacts with the desktop shell.
namespace Module1 {

// Makes the program the handler of files with the extension: the class name that holds the
// open command and the icon, the command line ("%1" stands for the file's path), the extension
// without its dot, the verb ("" means "Open") and the icon ("" writes none). Windows gets these
// registry values as they are; a freedesktop.org desktop gets the same association made of
// the extension and the running executable. Silent: nothing is reported, whatever happens.
void AssociateExtension(const QString& className, const QString& commandLine,
                        const QString& extension, const QString& verb, const QString& icon);

// Hands the address to the desktop's handler of web addresses, normally the default browser,
// and returns at once. As with the Windows shell, a result above 32 means the desktop took the
// request; no caller needs it.
int OpenUrl(const QString& address);

} // namespace Module1
