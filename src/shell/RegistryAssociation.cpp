#include "RegistryAssociation.h"

#include "AssociationKeys.h"

#include <shlobj.h>
#include <windows.h>

namespace {

void setDefaultValue(const AssociationKeys::Entry& entry)
{
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, entry.key.c_str(), &key) != ERROR_SUCCESS)
        return;
    // The size counts the terminating NUL, as REG_SZ expects.
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.value.c_str()),
                   static_cast<DWORD>(entry.value.size() + 1));
    RegCloseKey(key);
}

} // namespace

void RegistryAssociation::write(const std::string& className, const std::string& commandLine,
                                const std::string& extension, const std::string& verb,
                                const std::string& icon)
{
    for (const auto& entry :
         AssociationKeys::forExtension(className, commandLine, extension, verb, icon))
        setDefaultValue(entry);
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
