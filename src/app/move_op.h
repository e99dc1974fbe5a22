#pragma once
// Moving one item to its destination: the clash rules, the move itself and
// the check that it really happened.
#include <windows.h>

enum { PATH_LIST_SIZE = 262 };  // one path, two NULs: the shell's list form

// True when the move may go ahead: nothing at the destination, or the user
// agreed to overwrite (an old file is then sent to the Recycle Bin first, and
// false when it is still there afterwards).
bool ResolveMoveConflict(const char* item, const char* destination);

// True when the item is now at the destination and gone from its old place.
bool MoveItem(const char* item, const char* destination);

int ShowMessageF(HWND owner, UINT type, const char* caption, const char* format, ...);

// Sends the items of a double-null list to the Recycle Bin, no questions.
bool SendToRecycleBin(const char* list);
