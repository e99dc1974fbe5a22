#include "assoc/registry.h"

#include "text/chars.h"
#include "text/str.h"

namespace {

// The status as the wrappers report it.
bool Succeeded(LONG status)
{
    if (status != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(status));
    }
    return status == ERROR_SUCCESS;
}

bool RegSetText(HKEY key, const wchar_t* name, DWORD type, const wchar_t* text)
{
    const DWORD bytes = static_cast<DWORD>((StrLen(text) + 1) * sizeof(wchar_t));
    return Succeeded(
        RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(text), bytes));
}

}  // namespace

HKEY ClassesKey(int place)
{
    // Kept for the process's life: a standard user's handle to the machine's
    // classes reads, an administrator's writes too. Made where it is missing
    // (Windows always has both; a fresh Wine prefix lacks the user's).
    static HKEY keys[PLACE_COUNT];
    if (!keys[place]) {
        RegCreateKeyExW(place == PLACE_USER ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                        L"Software\\Classes", 0, nullptr, REG_OPTION_NON_VOLATILE,
                        MAXIMUM_ALLOWED | KEY_WOW64_64KEY, nullptr, &keys[place], nullptr);
    }
    return keys[place];
}

bool RegKeyOpen(HKEY parent, const wchar_t* name, HKEY* key)
{
    return Succeeded(RegOpenKeyExW(parent, name, 0, KEY_READ | KEY_WOW64_64KEY, key));
}

bool RegKeyOpenToWrite(HKEY parent, const wchar_t* name, HKEY* key)
{
    return Succeeded(RegOpenKeyExW(parent, name, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, key));
}

bool RegKeyCreate(HKEY parent, const wchar_t* name, HKEY* key, bool* created)
{
    static wchar_t noClass[] = L"";
    DWORD disposition = 0;
    const bool made =
        Succeeded(RegCreateKeyExW(parent, name, 0, noClass, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS | KEY_WOW64_64KEY, NULL, key, &disposition));
    if (created) {
        *created = made && disposition == REG_CREATED_NEW_KEY;
    }
    return made;
}

bool RegKeyClose(HKEY key)
{
    return RegCloseKey(key) == ERROR_SUCCESS;
}

bool RegKeyDelete(HKEY parent, const wchar_t* name)
{
    return Succeeded(RegDeleteKeyExW(parent, name, KEY_WOW64_64KEY, 0));
}

bool RegKeyExists(HKEY parent, const wchar_t* name)
{
    HKEY key;
    return RegKeyOpen(parent, name, &key) && RegKeyClose(key);
}

bool RegKeyDeleteTree(HKEY parent, const wchar_t* name)
{
    HKEY key;
    if (!RegKeyOpenToWrite(parent, name, &key)) {
        return RegKeyMissing();
    }
    // Emptied through its own handle, then deleted: both in the view it was
    // opened in (RegDeleteTree by name would look in the program's own).
    RegDeleteTreeW(key, nullptr);
    RegKeyClose(key);
    return RegKeyDelete(parent, name);
}

bool RegKeyDeleteIfEmpty(HKEY parent, const wchar_t* name)
{
    HKEY key;
    if (!RegKeyOpen(parent, name, &key)) {
        return false;
    }
    DWORD subkeys = 1;
    DWORD values = 1;
    const bool empty =
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
        subkeys == 0 && values == 0;
    RegKeyClose(key);
    return empty && RegKeyDelete(parent, name);
}

bool RegKeyMissing()
{
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
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
