#pragma once
// The path of a module's file.
#include <windows.h>

// Into out (size units), exact in UTF-16. False, and the empty string, when
// there is none or it does not fit: a cut path names another file.
bool GetModulePath(HMODULE module, wchar_t* out, DWORD size);
