#pragma once
// One item moved up one level.
#include "app/move_op.h"
#include "text/path.h"

enum {
    OPTF_OPEN = 2,  // "/open": open the destination folder after each move
};

// What the folder tests of the previous item found. Items of one folder (a
// selection) share their parent and its parent, and a move takes nothing
// from either: the tests are made once per parent. Should another program
// take a folder meanwhile, the rename fails there and the item stays, as the
// test would have left it.
struct FolderTests {
    wchar_t parent[PATH_BUFFER_SIZE];  // the parent tested; "" none yet
    bool found;                        // it and its parent are folders
};

// Moves the item into its grandparent folder; flags: OPTF_... . True when
// the item is a folder moving up into its own parent (X\X into X): it is
// parked there (parked, PATH_BUFFER_SIZE units) for its children to move up.
// Its clashes are asked, or answered, as the run's clashes decide.
bool MoveUp(const wchar_t* item, unsigned flags, FolderTests* tests, ClashPolicy* clashes,
            wchar_t* parked);

// Opens the folder an item moves up into (its grandparent) in Explorer.
void OpenDestinationOf(const wchar_t* item);
