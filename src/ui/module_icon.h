#pragma once
// A module's icons, as the shell shows its file, given to a dialog as its own.
#include <windows.h>

struct WindowIcons {
    HICON large;   // ICON_BIG; null when there is none
    HICON little;  // ICON_SMALL
};

// Gives the window the module's large and small icons. They must outlive the
// window: the caller keeps them in icons and destroys them with
// DestroyWindowIcons once the window is gone.
void SetModuleIcons(HWND window, HMODULE module, WindowIcons* icons);
void DestroyWindowIcons(WindowIcons* icons);
