#include "app/move_up.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "app/move_op.h"
#include "base/file_attributes.h"
#include "base/mem.h"
#include "base/redirection.h"
#include "resource.h"
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

// Opens the folder itself, named by its item identifier list and with the
// class of every folder: a path passed as text, or looked up by its name, may
// be read again (Wine expands an environment reference in a name, %NAME%).
// The move's boxes are the program's only messages: none from the shell.
void OpenFolder(const wchar_t* folder)
{
    LPITEMIDLIST idList = ILCreateFromPathW(folder);
    if (!idList) {
        return;
    }
    SHELLEXECUTEINFOW info;
    MemZero(&info, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_IDLIST | SEE_MASK_CLASSNAME | SEE_MASK_FLAG_NO_UI;
    info.lpClass = L"Folder";
    info.lpVerb = L"open";
    info.lpIDList = idList;
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
    ILFree(idList);
}

}  // namespace

void OpenDestinationOf(const wchar_t* item)
{
    // One spare unit: "C:" would open the drive's current folder, not its root.
    wchar_t folder[PATH_BUFFER_SIZE + 1];
    StrCopyBounded(PATH_BUFFER_SIZE, folder, item);
    PathStripLast(folder);
    PathStripLast(folder);
    PathDriveToRoot(folder);
    OpenFolder(folder);
}

bool MoveUp(const wchar_t* item, unsigned flags, FolderTests* tests, ClashPolicy* clashes,
            wchar_t* parked)
{
    wchar_t folder[PATH_BUFFER_SIZE];
    wchar_t destination[PATH_BUFFER_SIZE];
    StrCopyBounded(PATH_BUFFER_SIZE, folder, item);
    PathStripLast(folder);
    if (!FoldersFound(folder, tests)) {
        return false;
    }
    PathJoin(destination, folder, PathFindName(item));
    // A redirected program would act on the item's twin, not on the item.
    if (StrEqualNoCase(item, destination) || PathIsRedirected(item) ||
        PathIsRedirected(destination)) {
        return false;
    }
    // The clash rules apply only where the plain rename found the place taken.
    bool taken = false;
    FileIdentity asked;
    MoveOutcome outcome = MOVE_STAYED;
    if (MoveByRename(item, destination, &taken)) {
        outcome = MOVE_DONE;
    } else if (taken) {
        const int answer = ResolveMoveConflict(item, destination, &asked, clashes);
        if (answer == IDYES) {
            outcome = MoveItem(item, destination, asked, parked);
        } else if (answer == IDC_CLASH_KEEP_BOTH) {
            outcome = MoveNumbered(item, destination, asked.folder);
        }
        if (outcome == MOVE_FAILED) {
            ReportNotMoved(item, asked.folder);
        }
    }
    if (outcome == MOVE_DONE && (flags & OPTF_OPEN)) {
        OpenDestinationOf(item);
    }
    return outcome == MOVE_DISSOLVING;
}
