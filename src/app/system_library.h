#pragma once
// Loading system DLLs by full path. A DLL that is not one of Windows' KnownDLLs
// is looked for next to the program first: one planted beside nobo.exe (a
// Downloads folder) would be loaded and run. So such DLLs are never imported,
// only loaded from the system folder here.
#include <windows.h>

// The DLL of that name from the system folder, or NULL. It stays loaded.
HMODULE LoadSystemLibrary(const char* name);

// InitCommonControls of the system's comctl32.dll: registers its window classes.
bool InitCommonControlsFromSystem();
