#pragma once
// Moving one item to its destination: the clash rules, the move itself and
// the check that it really happened.

// True when the move may go ahead: nothing at the destination, or the user
// agreed to overwrite (an old file is then sent to the Recycle Bin first, and
// false when it is still there afterwards).
bool ResolveMoveConflict(const char* item, const char* destination);

// True when the item is now at the destination and gone from its old place.
bool MoveItem(const char* item, const char* destination);
