#pragma once
// The free system resources line of the About box.
#include <windows.h>

// The percentage of free system resources from the optional system library
// "rsrc32.dll"; false when it is not there or lacks the export. out may be null.
bool GetFreeSystemResources(int* out);
// Fills the control with that percentage; empty, and false, without it.
bool SetFreeResourcesText(HWND control);
