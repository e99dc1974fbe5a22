#pragma once
// Loading system DLLs by full path. A DLL that is not one of Windows' KnownDLLs
// is looked for next to the program first: one planted beside nobo.exe (a
// Downloads folder) would be loaded and run. So such DLLs are never imported,
// only loaded from the system folder here.
#include <windows.h>

// The DLL of that name from the system folder, or NULL; its own imports are
// looked for there too. The caller frees it, or keeps it for the process.
HMODULE LoadSystemLibrary(const char* name);

// GetProcAddress as the type the export really has (FARPROC takes no arguments).
template <typename Proc>
Proc GetSystemProc(HMODULE dll, const char* name)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

// InitCommonControls of the system's comctl32.dll: registers its window classes.
bool InitCommonControlsFromSystem();
