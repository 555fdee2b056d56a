#pragma once

#include <QString>

// The program's contacts with the desktop shell.
namespace Module1 {

// Makes the program the handler of files with the extension: the class name that holds the
// open command and the icon, the command line ("%1" stands for the file's path), the extension
// without its dot, the verb ("" means "Open") and the icon ("" writes none). Silent: nothing is
// reported, whatever happens.
void AssociateExtension(const QString& className, const QString& commandLine,
                        const QString& extension, const QString& verb, const QString& icon);

} // namespace Module1
