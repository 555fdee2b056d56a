// Runs the Windows registry writer of the file association for real (under Wine on Linux) and
// reads back what it left under HKEY_CLASSES_ROOT.
#include "shell/RegistryAssociation.h"

#include <cstdio>
#include <string>
#include <windows.h>

namespace {

int failures = 0;

void expect(const std::string& found, const std::string& expected, const char* what)
{
    if (found == expected)
        return;
    ++failures;
    std::printf("FAIL: %s: \"%s\", expected \"%s\"\n", what, found.c_str(), expected.c_str());
}

// A value's bytes as stored (a string value: its text and exactly one NUL), or with `name` "*"
// how many subkeys and values the key has; "<none>" when there is no such key or value.
std::string stored(const char* path, const char* name = nullptr)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<none>";
    BYTE data[1024];
    DWORD size = sizeof(data), type = 0, subkeys = 0, values = 0;
    std::string found = "<none>";
    if (name && name == std::string("*")) {
        if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                             nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            found = std::to_string(subkeys) + "/" + std::to_string(values);
    } else if (RegQueryValueExA(key, name, nullptr, &type, data, &size) == ERROR_SUCCESS) {
        found = std::string(reinterpret_cast<char*>(data), size);
        found += type == REG_SZ ? "" : " (not a string)";
    }
    RegCloseKey(key);
    return found;
}

} // namespace

int main()
{
    // The first line tells the runner that Wine started the program at all.
    std::printf("registry check: started\n");
    std::fflush(stdout);

    // An .nfo key that named another program's class, with a value and that class: the key is
    // taken over, the rest of the other program stays. Two runs leave what one leaves.
    RegSetKeyValueA(HKEY_CLASSES_ROOT, ".nfo", nullptr, REG_SZ, "OtherViewer.nfo", 16);
    RegSetKeyValueA(HKEY_CLASSES_ROOT, ".nfo", "Content Type", REG_SZ, "text/plain", 11);
    RegSetKeyValueA(HKEY_CLASSES_ROOT, "OtherViewer.nfo\\Shell\\Open\\Command", nullptr, REG_SZ,
                    "other.exe", 10);
    const std::string exe = "C:\\Program Files\\Quilra\\Quilra.exe";
    for (int run = 0; run < 2; ++run) {
        RegistryAssociation::write(".nfo", exe + " %1", "nfo", "", exe + ",-1");
        expect(stored(".nfo"), std::string(".nfo", 5), "the class");
        expect(stored(".nfo", "Content Type"), std::string("text/plain", 11), "Content Type");
        expect(stored(".nfo\\Shell\\Open\\Command"), exe + " %1" + '\0', "the open command");
        expect(stored(".nfo\\DefaultIcon"), exe + ",-1" + '\0', "the icon");
        expect(stored(".nfo", "*") + stored(".nfo\\Shell", "*") + stored(".nfo\\Shell\\Open", "*"),
               "2/21/01/0", "the keys and values under .nfo");
        expect(stored("OtherViewer.nfo\\Shell\\Open\\Command"), std::string("other.exe", 10),
               "the other program's command");
    }
    // An empty icon writes no DefaultIcon.
    RegistryAssociation::write(".qtx", "viewer.exe %1", "qtx", "", "");
    expect(stored(".qtx", "*"), "1/1", "an empty icon writes no DefaultIcon");

    std::printf("registry check: %d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}
