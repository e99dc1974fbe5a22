#pragma once
// The icon the shell shows for a module's file, for dialogs to show as theirs.
#include <windows.h>

// Large for small 0, small for 1; null when there is none. The caller destroys
// it with DestroyIcon.
HICON GetModuleIcon(HMODULE module, int small);
