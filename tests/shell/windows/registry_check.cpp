// Runs the Windows registry writer of the file association for real (under Wine on Linux) and
// reads back what it left under HKEY_CLASSES_ROOT.
#include "shell/RegistryAssociation.h"

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>
#include <windows.h>

namespace {

// "path" -> "key" for every key, "path|name" -> the value's bytes for every value.
using Tree = std::map<std::string, std::string>;
int failures = 0;

void check(bool ok, const std::string& what)
{
    if (!ok) {
        ++failures;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

// A string value as stored: its text and exactly one terminating NUL.
std::string sz(const std::string& text)
{
    return text + '\0';
}

void read(const std::string& path, Tree& out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    out[path] = "key";
    char name[256];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof(name), dataSize = sizeof(data), type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) !=
            ERROR_SUCCESS)
            break;
        const std::string bytes(reinterpret_cast<char*>(data), dataSize);
        out[path + "|" + name] = type == REG_SZ ? bytes : "type " + std::to_string(type);
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof(name);
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        read(path + "\\" + name, out);
    }
    RegCloseKey(key);
}

Tree tree(std::initializer_list<const char*> roots)
{
    Tree out;
    for (const char* root : roots)
        read(root, out);
    return out;
}

void expectValue(const Tree& keys, const std::string& path, const std::string& text,
                 const std::string& name = "")
{
    const auto found = keys.find(path + "|" + name);
    check(found != keys.end() && found->second == sz(text), path + "|" + name + ": " + text);
}

void setValue(const char* path, const char* name, const std::string& text)
{
    check(RegSetKeyValueA(HKEY_CLASSES_ROOT, path, name, REG_SZ, text.c_str(),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS,
          std::string("could not prepare ") + path);
}

} // namespace

int main()
{
    // The first line tells the runner that Wine started the program at all.
    std::printf("registry check: started\n");
    std::fflush(stdout);

    // An .nfo key that named another program's class, with a value and that class: the key is
    // taken over, the rest of the other program stays.
    setValue(".nfo", nullptr, "OtherViewer.nfo");
    setValue(".nfo", "Content Type", "text/plain");
    setValue("OtherViewer.nfo\\Shell\\Open\\Command", nullptr, "other.exe \"%1\"");
    const std::string command = "C:\\Program Files\\Quilra\\Quilra.exe %1";
    const std::string icon = "C:\\Program Files\\Quilra\\Quilra.exe,-1";
    RegistryAssociation::write(".nfo", command, "nfo", "", icon);
    const Tree once = tree({".nfo", "OtherViewer.nfo"});
    expectValue(once, ".nfo", ".nfo");
    expectValue(once, ".nfo\\Shell\\Open\\Command", command);
    expectValue(once, ".nfo\\DefaultIcon", icon);
    expectValue(once, ".nfo", "text/plain", "Content Type");
    expectValue(once, "OtherViewer.nfo\\Shell\\Open\\Command", "other.exe \"%1\"");
    RegistryAssociation::write(".nfo", command, "nfo", "", icon);
    check(tree({".nfo", "OtherViewer.nfo"}) == once, "a second run leaves what the first left");

    // An empty verb means Open; an empty icon writes no DefaultIcon. Named verbs and separate
    // classes are the shared key texts' part: see tst_shelltexts.
    RegistryAssociation::write(".qtx", "viewer.exe %1", "qtx", "", "");
    const Tree other = tree({".qtx"});
    expectValue(other, ".qtx", ".qtx");
    expectValue(other, ".qtx\\Shell\\Open\\Command", "viewer.exe %1");
    check(other.count(".qtx\\DefaultIcon") == 0, "an empty icon writes no DefaultIcon");

    std::printf("registry check: %d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}
