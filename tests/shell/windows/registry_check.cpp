// Runs the Windows registry writer of the file association for real (under Wine on Linux) and
// reads back what it left under HKEY_CLASSES_ROOT.
#include "shell/RegistryAssociation.h"

#include <cstdio>
#include <map>
#include <string>
#include <windows.h>

namespace {

int failures = 0;

void check(bool ok, const std::string& what)
{
    if (!ok) {
        ++failures;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

bool keyExists(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// The value as "type:text", or "missing"; the size must count exactly one terminating NUL.
std::string readValue(const std::string& path, const char* name = nullptr)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "missing";
    char data[1024] = {};
    DWORD size = sizeof(data) - 1;
    DWORD type = 0;
    const LONG result =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return "missing";
    const std::string text(data);
    if (type == REG_SZ && size != text.size() + 1)
        return "badsize:" + text;
    return (type == REG_SZ ? "sz:" : "other:") + text;
}

void setValue(const std::string& path, const char* name, const std::string& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, path.c_str(), &key) != ERROR_SUCCESS) {
        check(false, "could not prepare " + path);
        return;
    }
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

// Every value and subkey below a key, flattened to "path|name" -> "type:data".
void snapshot(const std::string& path, std::map<std::string, std::string>& out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    out[path + "|"] = "key";
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof(name);
        BYTE data[1024];
        DWORD dataSize = sizeof(data);
        DWORD type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) !=
            ERROR_SUCCESS)
            break;
        out[path + "|" + name] =
            std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), dataSize);
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof(name);
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        snapshot(path + "\\" + name, out);
    }
    RegCloseKey(key);
}

const std::string kCommand = "C:\\Program Files\\Quilra\\Quilra.exe %1";
const std::string kIcon = "C:\\Program Files\\Quilra\\Quilra.exe,-1";

void associateNfo()
{
    RegistryAssociation::write(".nfo", kCommand, "nfo", "", kIcon);
}

void checkProgramValues()
{
    // An .nfo key that named another class before, with a value and a class of that other
    // program: the key is taken over, the rest of the other program stays.
    setValue(".nfo", nullptr, "OtherViewer.nfo");
    setValue(".nfo", "Content Type", "text/plain");
    setValue("OtherViewer.nfo\\Shell\\Open\\Command", nullptr, "other.exe \"%1\"");
    associateNfo();
    check(readValue(".nfo") == "sz:.nfo", ".nfo names itself: " + readValue(".nfo"));
    check(readValue(".nfo\\Shell\\Open\\Command") == "sz:" + kCommand,
          "open command: " + readValue(".nfo\\Shell\\Open\\Command"));
    check(readValue(".nfo\\DefaultIcon") == "sz:" + kIcon,
          "icon: " + readValue(".nfo\\DefaultIcon"));
    check(readValue(".nfo", "Content Type") == "sz:text/plain", "other value of .nfo kept");
    check(readValue("OtherViewer.nfo\\Shell\\Open\\Command") == "sz:other.exe \"%1\"",
          "the other class's key is untouched");
}

void checkSecondRunChangesNothing()
{
    std::map<std::string, std::string> once;
    snapshot(".nfo", once);
    snapshot("OtherViewer.nfo", once);
    associateNfo();
    std::map<std::string, std::string> twice;
    snapshot(".nfo", twice);
    snapshot("OtherViewer.nfo", twice);
    check(once.size() >= 4, "the snapshot sees the keys");
    check(once == twice, "a second run leaves what the first left");
}

void checkEmptyIconAndVerbs()
{
    RegistryAssociation::write(".qtx", "viewer.exe %1", "qtx", "", "");
    check(readValue(".qtx") == "sz:.qtx", "extension key with an empty icon");
    check(readValue(".qtx\\Shell\\Open\\Command") == "sz:viewer.exe %1",
          "an empty verb means Open");
    check(!keyExists(".qtx\\DefaultIcon"), "an empty icon writes no DefaultIcon");

    RegistryAssociation::write("QtxFile", "editor.exe %1", "qte", "Edit", "editor.exe,0");
    check(readValue(".qte") == "sz:QtxFile", "the extension names a separate class");
    check(readValue("QtxFile\\Shell\\Edit\\Command") == "sz:editor.exe %1", "a named verb");
    check(!keyExists("QtxFile\\Shell\\Open"), "a named verb writes no Open");
    check(readValue("QtxFile\\DefaultIcon") == "sz:editor.exe,0", "icon of a separate class");
}

} // namespace

int main()
{
    // The first line tells the runner that Wine started the program at all.
    std::printf("registry check: started\n");
    std::fflush(stdout);
    checkProgramValues();
    checkSecondRunChangesNothing();
    checkEmptyIconAndVerbs();
    std::printf("registry check: %d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}
