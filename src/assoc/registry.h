#pragma once
// One boolean wrapper per registry call: true exactly when the call returned
// ERROR_SUCCESS. Every key is opened with full access, even for reading, and
// only default (unnamed) values are read or written.
#include <windows.h>

bool RegKeyOpen(HKEY parent, const char* name, HKEY* key);
// Opens the key when it already exists.
bool RegKeyCreate(HKEY parent, const char* name, HKEY* key);
bool RegKeyClose(HKEY key);
bool RegKeyDelete(HKEY parent, const char* name);
// A key that exists but does not open with full access counts as missing.
bool RegKeyExists(HKEY parent, const char* name);

// Reads the default value into size bytes and always leaves a terminated
// string. Nothing to read (no value, no key): false, the buffer unchanged.
// Data that fits with a terminator after it: true, terminated after the data
// (its type is not looked at). Data that does not fit: false, the empty string.
bool RegGetDefaultValue(HKEY key, char* buffer, DWORD size);
// Stores text as REG_SZ with its terminator.
bool RegSetDefaultString(HKEY key, const char* text);
