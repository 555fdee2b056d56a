#pragma once

#include <string>

// Writes a file association into the Windows registry under HKEY_CLASSES_ROOT and tells the
// shell to drop its cached associations. Built only for Windows; the texts are in the system's
// 8-bit code page. Nothing is checked or reported: a key that cannot be created is skipped and
// the shell is notified all the same.
class RegistryAssociation
{
public:
    static void write(const std::string& className, const std::string& commandLine,
                      const std::string& extension, const std::string& verb,
                      const std::string& icon);
};
