#include "app/move_up.h"

#include <windows.h>
#include <shellapi.h>

#include "app/move_op.h"
#include "base/file_attributes.h"
#include "base/file_handle.h"
#include "text/path.h"
#include "text/str.h"

namespace {

// The parent (folder) and its parent (left in folder) are both folders.
bool FoldersFound(wchar_t* folder, FolderTests* tests)
{
    if (StrEqual(folder, tests->parent)) {
        PathStripLast(folder);
        return tests->found;
    }
    StrCopyBounded(PATH_BUFFER_SIZE, tests->parent, folder);
    tests->found = PathIsFolder(folder);
    PathStripLast(folder);
    tests->found = tests->found && PathIsFolder(folder);
    return tests->found;
}

}  // namespace

void MoveUp(const wchar_t* item, unsigned flags, FolderTests* tests)
{
    // One spare unit: "C:" may become "C:\" below.
    wchar_t folder[PATH_BUFFER_SIZE + 1];
    wchar_t destination[PATH_BUFFER_SIZE];
    StrCopyBounded(PATH_BUFFER_SIZE, folder, item);
    PathStripLast(folder);
    if (!FoldersFound(folder, tests)) {
        return;
    }
    PathJoin(destination, folder, PathFindName(item));
    if (StrEqualNoCase(item, destination)) {
        return;
    }
    // The clash rules apply only where the plain rename found the place taken.
    bool taken = false;
    HANDLE held = INVALID_HANDLE_VALUE;
    const bool moved =
        MoveByRename(item, destination, &taken) ||
        (taken && ResolveMoveConflict(item, destination, &held) && MoveItem(item, destination));
    ReleaseHold(held);
    if (moved && (flags & OPTF_OPEN)) {
        // "C:" would open the drive's current folder, not its root.
        PathDriveToRoot(folder);
        ShellExecuteW(nullptr, L"open", folder, nullptr, nullptr, SW_SHOWNORMAL);
    }
}
