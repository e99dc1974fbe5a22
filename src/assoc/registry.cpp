#include "assoc/registry.h"

#include <string.h>

#include "text/str.h"

bool RegKeyOpen(HKEY parent, const char* name, HKEY* key)
{
    return RegOpenKeyExA(parent, name, 0, KEY_READ, key) == ERROR_SUCCESS;
}

bool RegKeyOpenToWrite(HKEY parent, const char* name, HKEY* key)
{
    return RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key) == ERROR_SUCCESS;
}

bool RegKeyCreate(HKEY parent, const char* name, HKEY* key, bool* created)
{
    static char noClass[] = "";
    DWORD disposition = 0;
    const bool made = RegCreateKeyExA(parent, name, 0, noClass, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, NULL, key, &disposition) == ERROR_SUCCESS;
    if (created) {
        *created = made && disposition == REG_CREATED_NEW_KEY;
    }
    return made;
}

bool RegKeyClose(HKEY key)
{
    return RegCloseKey(key) == ERROR_SUCCESS;
}

bool RegKeyDelete(HKEY parent, const char* name)
{
    return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

bool RegKeyDeleteTree(HKEY parent, const char* name)
{
    return RegDeleteTreeA(parent, name) == ERROR_SUCCESS;
}

bool RegKeyExists(HKEY parent, const char* name)
{
    HKEY key;
    if (!RegKeyOpen(parent, name, &key)) {
        return false;
    }
    RegKeyClose(key);
    return true;
}

bool RegGetDefaultValue(HKEY key, char* buffer, DWORD size)
{
    if (size == 0) {
        return false;
    }
    DWORD count = size;
    const LONG status =
        RegQueryValueExA(key, NULL, NULL, NULL, reinterpret_cast<BYTE*>(buffer), &count);
    if (status == ERROR_SUCCESS) {
        return StrEndData(buffer, size, count);
    }
    if (status == ERROR_MORE_DATA) {
        // Too long: what the call left in the buffer is undefined.
        buffer[0] = '\0';
    }
    return false;
}

bool RegSetString(HKEY key, const char* name, const char* text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(strlen(text) + 1)) == ERROR_SUCCESS;
}

bool RegSetDefaultString(HKEY key, const char* text)
{
    return RegSetString(key, nullptr, text);
}
