#pragma once
// One item moved up one level.

enum {
    OPTF_OPEN = 2,  // "/open": open the destination folder after each move
};

// Moves the item into its grandparent folder; flags: OPTF_...
void MoveUp(const wchar_t* item, unsigned flags);
