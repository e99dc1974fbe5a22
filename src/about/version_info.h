#pragma once
// The version resource of a module's file, read through the system folder's
// version.dll.
#include <windows.h>

enum { VERSION_TEXT_SIZE = 261 };  // one string value of the block, cut to fit

// The whole version information of the module's file in a malloc block (free
// with MemFree); *translation points into it, at the first language and code
// page pair (language in the low word). Null when there is none.
void* LoadVersionBlock(HMODULE module, DWORD** translation);
// A string of the block for one translation into out (VERSION_TEXT_SIZE
// bytes); false and the empty string when the value is missing.
bool QueryVersionString(char* out, const void* block, DWORD translation, const char* name);
