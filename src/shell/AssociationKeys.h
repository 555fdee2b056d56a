#pragma once

#include <string>
#include <vector>

// Which registry keys under HKEY_CLASSES_ROOT make a program the handler of a file extension,
// and the default value each one gets. Plain C++ without Qt, so that the Windows build and the
// cross-compiled check of the registry writer share it with the tests on every platform.
class AssociationKeys
{
public:
    struct Entry
    {
        std::string key;   // path under HKEY_CLASSES_ROOT, parts joined with backslashes
        std::string value; // the key's default value, a REG_SZ text
    };

    // The keys in the order they are written: the extension key naming the class, the class's
    // open command under the verb ("" means "Open"), and the icon unless it is empty.
    static std::vector<Entry> forExtension(const std::string& className,
                                           const std::string& commandLine,
                                           const std::string& extension, const std::string& verb,
                                           const std::string& icon);
};
