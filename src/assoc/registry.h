#pragma once
// One boolean wrapper per registry call, in UTF-16: true exactly when the
// call returned ERROR_SUCCESS; on failure the thread's last error is the
// call's status (a success leaves it, as the registry calls themselves do),
// so a caller can tell a key that is missing from one it may not open. Keys
// opened only to be read ask for read access alone, so a standard user sees
// what is registered. Values read are the default (unnamed) ones; values
// written are strings. Every call works in the view 64-bit programs see (a
// 32-bit program is otherwise shown its own copy of keys such as the
// classes' CLSID).
#include <windows.h>

// Where classes are registered: the user's own
// (HKEY_CURRENT_USER\Software\Classes), which Explorer and COM read first
// and the user may change, and the machine's
// (HKEY_LOCAL_MACHINE\Software\Classes), which only an administrator may
// change. Each is read and written explicitly:
// HKEY_CLASSES_ROOT merges them (not for an elevated process) and sends a
// write to the user's where the key is there.
enum {
    PLACE_USER,
    PLACE_MACHINE,
    PLACE_COUNT,
};
// The place's classes key, opened once with what the user may do there.
HKEY ClassesKey(int place);

// Read access only.
bool RegKeyOpen(HKEY parent, const wchar_t* name, HKEY* key);
// Full access: to set values in it, create or delete below it.
bool RegKeyOpenToWrite(HKEY parent, const wchar_t* name, HKEY* key);
// Opens the key when it already exists; created tells which happened (may be null).
bool RegKeyCreate(HKEY parent, const wchar_t* name, HKEY* key, bool* created = nullptr);
bool RegKeyClose(HKEY key);
// The key, when nothing is below it.
bool RegKeyDelete(HKEY parent, const wchar_t* name);
// A key that exists but cannot even be read counts as missing.
bool RegKeyExists(HKEY parent, const wchar_t* name);
// The key with everything under it. True when it is gone (also when it was).
bool RegKeyDeleteTree(HKEY parent, const wchar_t* name);
// The key, when it holds neither values nor subkeys.
bool RegKeyDeleteIfEmpty(HKEY parent, const wchar_t* name);
// After a failed call: whether it failed because the key does not exist
// (rather than, say, for lack of rights).
bool RegKeyMissing();

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
