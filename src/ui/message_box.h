#pragma once
// Message boxes with a formatted text.
#include <windows.h>

// MessageBoxA with the text formatted from format and the rest (cut to 1023
// bytes); returns what MessageBoxA returns.
int ShowMessageF(HWND owner, UINT type, const char* caption, const char* format, ...);
