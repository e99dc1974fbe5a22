#pragma once
// Files opened for what their handle proves, never for their data.
#include <windows.h>

// True when both paths reach one and the same file or folder (one volume, one
// file index). A path that cannot be opened reaches nothing.
bool PathsReachSameItem(const wchar_t* a, const wchar_t* b);

// Opens a file so that it can be moved and nobody can lock it meanwhile
// (delete access, full sharing: any later open must share deletion).
// INVALID_HANDLE_VALUE when it cannot be moved now (open elsewhere without
// sharing, no right to delete it, gone).
HANDLE HoldForMove(const wchar_t* path);
void ReleaseHold(HANDLE held);
