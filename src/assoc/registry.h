#pragma once
// One boolean wrapper per registry call, in UTF-16: true exactly when the
// call returned ERROR_SUCCESS. Keys opened only to be read ask for read
// access alone, so a standard user sees what is registered. Values read are
// the default (unnamed) ones; values written are strings. view: 0, or
// KEY_WOW64_64KEY for where 64-bit programs look (a 32-bit program is
// otherwise shown its own copy of keys such as HKEY_CLASSES_ROOT\CLSID).
#include <windows.h>

// Read access only.
bool RegKeyOpen(HKEY parent, const wchar_t* name, HKEY* key, REGSAM view = 0);
// Full access: to set values in it, create or delete below it.
bool RegKeyOpenToWrite(HKEY parent, const wchar_t* name, HKEY* key, REGSAM view = 0);
// Opens the key when it already exists; created tells which happened (may be null).
bool RegKeyCreate(HKEY parent, const wchar_t* name, HKEY* key, bool* created = nullptr,
                  REGSAM view = 0);
bool RegKeyClose(HKEY key);
bool RegKeyDelete(HKEY parent, const wchar_t* name, REGSAM view = 0);
// The key with everything under it (name null: what is under key itself).
bool RegKeyDeleteTree(HKEY parent, const wchar_t* name);
// A key that exists but cannot even be read counts as missing.
bool RegKeyExists(HKEY parent, const wchar_t* name);

// Reads the default value into size units and always leaves a terminated
// string. Nothing to read (no value, no key): false, the buffer unchanged.
// Data that fits with a terminator after it: true, terminated after the data
// (its type is not looked at). Data that does not fit: false, the empty string.
bool RegGetDefaultValue(HKEY key, wchar_t* buffer, DWORD size);
// Stores text as REG_SZ with its terminator, under name (null: the default value).
bool RegSetString(HKEY key, const wchar_t* name, const wchar_t* text);
// The default value, as REG_EXPAND_SZ when it is one already (its %NAME%
// references stay expandable), else as REG_SZ.
bool RegSetDefaultString(HKEY key, const wchar_t* text);
