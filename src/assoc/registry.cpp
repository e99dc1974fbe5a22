#include "assoc/registry.h"

#include "text/chars.h"
#include "text/str.h"

namespace {

bool RegSetText(HKEY key, const wchar_t* name, DWORD type, const wchar_t* text)
{
    const DWORD bytes = static_cast<DWORD>((StrLen(text) + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(text), bytes) ==
           ERROR_SUCCESS;
}

}  // namespace

bool RegKeyOpen(HKEY parent, const wchar_t* name, HKEY* key, REGSAM view)
{
    return RegOpenKeyExW(parent, name, 0, KEY_READ | view, key) == ERROR_SUCCESS;
}

bool RegKeyOpenToWrite(HKEY parent, const wchar_t* name, HKEY* key, REGSAM view)
{
    return RegOpenKeyExW(parent, name, 0, KEY_ALL_ACCESS | view, key) == ERROR_SUCCESS;
}

bool RegKeyCreate(HKEY parent, const wchar_t* name, HKEY* key, bool* created, REGSAM view)
{
    static wchar_t noClass[] = L"";
    DWORD disposition = 0;
    const bool made =
        RegCreateKeyExW(parent, name, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS | view,
                        NULL, key, &disposition) == ERROR_SUCCESS;
    if (created) {
        *created = made && disposition == REG_CREATED_NEW_KEY;
    }
    return made;
}

bool RegKeyClose(HKEY key)
{
    return RegCloseKey(key) == ERROR_SUCCESS;
}

bool RegKeyDelete(HKEY parent, const wchar_t* name, REGSAM view)
{
    return RegDeleteKeyExW(parent, name, view, 0) == ERROR_SUCCESS;
}

bool RegKeyDeleteTree(HKEY parent, const wchar_t* name)
{
    return RegDeleteTreeW(parent, name) == ERROR_SUCCESS;
}

bool RegKeyExists(HKEY parent, const wchar_t* name)
{
    HKEY key;
    if (!RegKeyOpen(parent, name, &key)) {
        return false;
    }
    RegKeyClose(key);
    return true;
}

bool RegGetDefaultValue(HKEY key, wchar_t* buffer, DWORD size)
{
    if (size == 0) {
        return false;
    }
    DWORD bytes = size * sizeof(wchar_t);
    const LONG status =
        RegQueryValueExW(key, NULL, NULL, NULL, reinterpret_cast<BYTE*>(buffer), &bytes);
    if (status == ERROR_SUCCESS) {
        // An odd last byte is no unit of the text.
        return StrEndData(buffer, size, bytes / sizeof(wchar_t));
    }
    if (status == ERROR_MORE_DATA) {
        // Too long: what the call left in the buffer is undefined.
        buffer[0] = L'\0';
    }
    return false;
}

bool RegSetString(HKEY key, const wchar_t* name, const wchar_t* text)
{
    return RegSetText(key, name, REG_SZ, text);
}

bool RegSetDefaultString(HKEY key, const wchar_t* text)
{
    DWORD type = REG_NONE;
    const bool expandable = RegQueryValueExW(key, NULL, NULL, &type, NULL, NULL) == ERROR_SUCCESS &&
                            type == REG_EXPAND_SZ;
    return RegSetText(key, nullptr, expandable ? REG_EXPAND_SZ : REG_SZ, text);
}
