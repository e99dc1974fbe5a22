#pragma once
// Moving one item to its destination: the clash rules, the move itself and
// the check that it really happened.

#include <windows.h>

// True when the move may go ahead: nothing at the destination, or the user
// agreed to overwrite (an old file is then sent to the Recycle Bin first, and
// false when it is still there afterwards). An item file about to replace one
// is held (held; INVALID_HANDLE_VALUE otherwise) until the caller has moved
// it and released it with ReleaseHold.
bool ResolveMoveConflict(const wchar_t* item, const wchar_t* destination, HANDLE* held);

// Moves the item by a plain rename, which never replaces anything: true when
// the item is now at the destination and gone from its old place; false, with
// *taken, when something stands at the destination (nothing has changed).
// Nothing at the destination is then found without looking for it first: on a
// case-blind file system a look for a missing name costs a folder scan.
bool MoveByRename(const wchar_t* item, const wchar_t* destination, bool* taken);

// True when the item is now at the destination and gone from its old place.
bool MoveItem(const wchar_t* item, const wchar_t* destination);
