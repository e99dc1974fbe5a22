#pragma once
// Moving one item to its destination: the clash rules, the move itself and
// the check that it really happened.

#include "base/file_handle.h"

enum MoveOutcome {
    MOVE_DONE,        // the item is at its destination, gone from its old place
    MOVE_STAYED,      // nothing changed, as the answer or the situation wants
    MOVE_FAILED,      // a Yes that could not be carried out: nothing changed
    MOVE_DISSOLVING,  // a folder parked in its own parent: its children are to move up
};

// Moves the item by a plain rename, which never replaces anything: true when
// the item is now at the destination and gone from its old place; false, with
// *taken, when something stands at the destination (nothing has changed).
// Nothing at the destination is then found without looking for it first: on a
// case-blind file system a look for a missing name costs a folder scan.
bool MoveByRename(const wchar_t* item, const wchar_t* destination, bool* taken);

// The four clashes, each with its own box.
enum ClashKind {
    CLASH_FILE_ONTO_FOLDER,  // an error
    CLASH_FOLDER_ONTO_FILE,  // an error
    CLASH_FOLDERS,           // a question: merge?
    CLASH_FILES,             // a question: replace?
    CLASH_KIND_COUNT,
};

// What a run has decided about its clashes so far; zeroed at its start.
struct ClashPolicy {
    bool many;        // more than one item in the run: its clashes are asked in a dialog
    bool laterItems;  // items follow the one asked about
    int remembered[CLASH_KIND_COUNT];  // the answer given for the rest; 0: ask
    bool cancelled;                    // the rest of the run stays, nothing more is asked
};

// The destination is taken: shows the error box, or asks whether to
// overwrite, unless the run has an answer for it already. The answer: IDYES
// when the user agreed (asked is then what the question named),
// IDC_CLASH_KEEP_BOTH for the item to move under a numbered name; anything
// else leaves it (an error, a No, キャンセル, an item gone).
int ResolveMoveConflict(const wchar_t* item, const wchar_t* destination, FileIdentity* asked,
                        ClashPolicy* policy);

// After a Yes: moves the item over what the question named (asked), merging
// two folders or replacing the old file, which goes to the Recycle Bin. The
// answer holds for nothing else: when another item stands there now, nothing
// changes; when the place is free, the item simply moves there. A folder
// whose destination is its own parent is parked in place (parked,
// PATH_BUFFER_SIZE units) for its children to move up.
MoveOutcome MoveItem(const wchar_t* item, const wchar_t* destination, const FileIdentity& asked,
                     wchar_t* parked);

// Moves the item beside what stands at its destination, under the first
// free name numbered from 2 ("a (2).txt"; folder: "d (2)"). A rename never
// replaces: a name taken meanwhile makes it try the next number.
MoveOutcome MoveNumbered(const wchar_t* item, const wchar_t* destination, bool folder);

// Says that a Yes about the item could not be carried out.
void ReportNotMoved(const wchar_t* item, bool folder);

// After its children's turns: the parked folder goes when they all left,
// else it takes its own name (folder) back; should that be taken, a box names
// where it is. True when it went.
bool FinishDoubledFolder(const wchar_t* parked, const wchar_t* folder);
