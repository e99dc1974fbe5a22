#include "app/move_op.h"

#include <windows.h>
#include <shellapi.h>

#include "app/clash_dialog.h"
#include "base/file_attributes.h"
#include "base/mem.h"
#include "text/chars.h"
#include "text/path.h"
#include "text/str.h"
#include "ui/message_box.h"

namespace {

// One path and two NULs: the list form the shell's file operation takes.
const size_t PATH_LIST_SIZE = PATH_BUFFER_SIZE + 1;

const char kOverwriteError[] = "上書きエラー - [nobo]";
const char kOverwriteQuestion[] = "上書き確認 - [nobo]";
const char kFileOntoFolder[] =
    "ファイルの移動に失敗しました。\n%s\n\n移動先に同名のフォルダが存在します。\n\n%s";
const char kFolderOntoFile[] =
    "フォルダの移動に失敗しました。\n%s\n\n移動先に同名のファイルが存在します。\n%s";
const char kFolderExists[] =
    "以下のフォルダは既に存在します。\n\n%s\n\n上書きしてもよろしいですか？";
const char kFileExists[] = "以下のファイルは既に存在します。\n\n%s\n\n上書きしてもよろしいですか？";
// A Yes that could not be carried out, and an item left under a temporary name.
const char kFileNotMoved[] =
    "ファイルを移動できませんでした。\n%s\n\nファイルは元の場所に残っています。";
const char kFolderNotMoved[] =
    "フォルダを移動できませんでした。\n%s\n\n移動できなかったものは元の場所に残っています。";
const char kFileParked[] =
    "ファイルを元の場所に戻せませんでした。\n%s\n\nファイルは次の名前で残っています。\n%s";
const char kFolderParked[] =
    "フォルダを元の名前に戻せませんでした。\n%s\n\nフォルダは次の名前で残っています。\n%s";

// The one call into the shell's file operation, with no owner window, no
// name mappings and no progress title. True when the shell reported success
// and nothing was cancelled.
bool ShellFileOperation(UINT function, const wchar_t* from, const wchar_t* to, FILEOP_FLAGS flags)
{
    SHFILEOPSTRUCTW op;
    MemZero(&op, sizeof op);
    op.hwnd = nullptr;
    op.wFunc = function;
    op.pFrom = from;
    op.pTo = to;
    op.fFlags = flags;
    return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

// Paths here have at most PATH_LIMIT units.
void MakePathList(wchar_t (&list)[PATH_LIST_SIZE], const wchar_t* path)
{
    StrCopyBounded(PATH_LIST_SIZE - 1, list, path);
    list[StrLen(list) + 1] = L'\0';
}

// Both before and after a move, the result is read from the file system.
bool MovedAway(const wchar_t* item, const wchar_t* destination)
{
    return PathExists(destination) && !PathExists(item);
}

// The destination is taken: let the shell move the item into the folder that
// holds the destination, so it merges with the same-named folder there (and
// asks its own questions). Handing it the destination path itself would nest
// the item inside it.
bool ShellMoveInto(const wchar_t* item, const wchar_t* destination)
{
    wchar_t into[PATH_BUFFER_SIZE + 1];
    StrCopyBounded(PATH_BUFFER_SIZE, into, destination);
    PathStripLast(into);
    PathDriveToRoot(into);

    wchar_t from[PATH_LIST_SIZE];
    wchar_t to[PATH_LIST_SIZE];
    MakePathList(from, item);
    MakePathList(to, into);

    return ShellFileOperation(FO_MOVE, from, to, FOF_ALLOWUNDO) && MovedAway(item, destination);
}

// Sends the items of a double-null list to the Recycle Bin, no questions.
// Where the bin cannot take the file (a network share, a file too large for
// it), the shell would delete it outright: it must warn instead.
void SendToRecycleBin(const wchar_t* list)
{
    ShellFileOperation(FO_DELETE, list, nullptr,
                       FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_WANTNUKEWARNING);
}

// Renames the item into folder under a name no other item has (a rename
// never replaces): parked, PATH_BUFFER_SIZE units. False when it cannot go
// there; nothing has changed then.
bool ParkIn(const wchar_t* item, const wchar_t* folder, wchar_t* parked)
{
    for (unsigned n = 0; n < 100; ++n) {
        wchar_t name[32];
        wsprintfW(name, L"~nobo%lx-%u.tmp", GetCurrentProcessId(), n);
        if (StrLen(folder) + 1 + StrLen(name) > PATH_LIMIT) {
            return false;
        }
        PathJoin(parked, folder, name);
        if (MoveFileW(item, parked)) {
            return true;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    return false;
}

// The folder that holds path, PATH_BUFFER_SIZE units.
void FolderOf(const wchar_t* path, wchar_t* folder)
{
    StrCopyBounded(PATH_BUFFER_SIZE, folder, path);
    PathStripLast(folder);
}

// Whether the old file may leave its folder is found out by its leaving:
// renamed aside and straight back, it proves what the replace will ask of it
// (a folder may take files in and let none out). Only the probe's own
// failure to come back changes anything, and that is said.
bool CanLeave(const wchar_t* path)
{
    wchar_t folder[PATH_BUFFER_SIZE];
    wchar_t aside[PATH_BUFFER_SIZE];
    FolderOf(path, folder);
    if (!ParkIn(path, folder, aside)) {
        return false;
    }
    if (!MoveFileW(aside, path)) {
        ShowPathMessage(nullptr, MB_OK, kOverwriteError, kFileParked, path, aside);
        return false;
    }
    return true;
}

// The old file leaves only once the item has reached its folder: should the
// item be unable to move there (locked, a folder that takes nothing in or
// gives nothing out), nothing changes. The old file goes to the Recycle Bin
// under its own name, so that Restore puts it back where it was. Whatever
// fails after that, the item goes back where it was, or, should another
// program take its place meanwhile, stays beside the old file under its
// parked name, which a box then names: nothing is ever lost unnoticed.
MoveOutcome ReplaceFile(const wchar_t* item, const wchar_t* destination)
{
    wchar_t folder[PATH_BUFFER_SIZE];
    wchar_t parked[PATH_BUFFER_SIZE];
    FolderOf(destination, folder);
    // Where ids are not kept across a rename (FAT), the probe may give the
    // old file another: the file the question named is known by the id it
    // has after it.
    FileIdentity left;
    if (!CanLeave(destination) || !ReadFileIdentity(destination, &left)) {
        return MOVE_FAILED;
    }
    if (!ParkIn(item, folder, parked)) {
        return MOVE_FAILED;
    }
    FileIdentity now;
    const bool same = ReadFileIdentity(destination, &now) && SameFileIdentity(now, left);
    if (same) {
        wchar_t list[PATH_LIST_SIZE];
        MakePathList(list, destination);
        SendToRecycleBin(list);
    }
    // Still there: the bin could not take it and the user kept it when the
    // shell asked to delete it for good. Nothing may replace it.
    bool taken = false;
    if (same && MoveByRename(parked, destination, &taken)) {
        return MOVE_DONE;
    }
    if (!MoveFileW(parked, item)) {
        ShowPathMessage(nullptr, MB_OK, kOverwriteError, kFileParked, item, parked);
    }
    return MOVE_STAYED;
}

// A folder whose destination is its own parent (X\X moved up into X).
bool IsOwnParent(const wchar_t* item, const FileIdentity& asked)
{
    wchar_t parent[PATH_BUFFER_SIZE];
    FolderOf(item, parent);
    FileIdentity parentIdentity;
    return ReadFileIdentity(parent, &parentIdentity) && SameFileIdentity(parentIdentity, asked);
}

struct ClashCase {
    bool question;
    const char* caption;
    const char* text;
    bool namesItem;  // the item, then the destination; else the destination alone
};

// By ClashKind.
const ClashCase CLASH_CASES[] = {
    {false, kOverwriteError, kFileOntoFolder, true},
    {false, kOverwriteError, kFolderOntoFile, true},
    {true, kOverwriteQuestion, kFolderExists, false},
    {true, kOverwriteQuestion, kFileExists, false},
};

// A run of one item asks in a message box; a longer one in the dialog that
// can answer for the rest of the run, and remembers such an answer for the
// clashes of the same kind.
int Ask(ClashKind kind, const wchar_t* item, const wchar_t* destination, ClashPolicy* policy)
{
    if (policy->remembered[kind]) {
        return policy->remembered[kind];
    }
    const ClashCase& c = CLASH_CASES[kind];
    const wchar_t* first = c.namesItem ? item : destination;
    const wchar_t* second = c.namesItem ? destination : nullptr;
    if (!policy->many) {
        return ShowPathMessage(nullptr, c.question ? MB_YESNO : MB_OK, c.caption, c.text, first,
                               second);
    }
    bool forRest = false;
    const int answer =
        AskClash(c.caption, c.text, first, second, c.question, policy->laterItems, &forRest);
    if (answer == IDCANCEL) {
        policy->cancelled = true;
    } else if (forRest && answer > 0) {
        policy->remembered[kind] = answer;
    }
    return answer;
}

}  // namespace

// A rename that succeeded has taken the item from its old name: only the new
// one is looked at. A look at the old name would cost a folder scan on a
// case-blind system and could only err (a neighbour whose name differs in
// case). The shell's move is checked both ways: it can report success and
// leave the item where it was.
bool MoveByRename(const wchar_t* item, const wchar_t* destination, bool* taken)
{
    if (MoveFileW(item, destination)) {
        *taken = false;
        return PathExists(destination);
    }
    *taken = PathExists(destination);
    return false;
}

// What stands there is read once, before the question: its kind decides the
// box, and its identity is what a Yes applies to. Gone or unreadable since
// the rename found the place taken: nothing to ask about, nothing moves.
int ResolveMoveConflict(const wchar_t* item, const wchar_t* destination, FileIdentity* asked,
                        ClashPolicy* policy)
{
    if (!ReadFileIdentity(destination, asked)) {
        return IDNO;
    }
    if (asked->folder && PathIsFile(item)) {
        Ask(CLASH_FILE_ONTO_FOLDER, item, destination, policy);
        return IDNO;
    }
    if (!asked->folder && PathIsFolder(item)) {
        Ask(CLASH_FOLDER_ONTO_FILE, item, destination, policy);
        return IDNO;
    }
    // The item itself gone: no question.
    if (asked->folder ? !PathIsFolder(item) : !PathIsFile(item)) {
        return IDNO;
    }
    return Ask(asked->folder ? CLASH_FOLDERS : CLASH_FILES, item, destination, policy);
}

// The user may take seconds to answer, and another program may change the
// destination meanwhile: the answer was about the item the question named.
MoveOutcome MoveItem(const wchar_t* item, const wchar_t* destination, const FileIdentity& asked,
                     wchar_t* parked)
{
    FileIdentity now;
    if (!ReadFileIdentity(destination, &now)) {
        // Nothing left to replace: the item simply moves there.
        bool taken = false;
        return MoveByRename(item, destination, &taken) ? MOVE_DONE : MOVE_FAILED;
    }
    if (!SameFileIdentity(now, asked)) {
        return MOVE_STAYED;
    }
    if (!asked.folder) {
        return ReplaceFile(item, destination);
    }
    // Its children are to move up instead, one by one, as items of their
    // own. Until they have, it is parked in place under a temporary name,
    // which frees its own name for a child of that name.
    if (IsOwnParent(item, asked)) {
        wchar_t parent[PATH_BUFFER_SIZE];
        FolderOf(item, parent);
        return ParkIn(item, parent, parked) ? MOVE_DISSOLVING : MOVE_FAILED;
    }
    return ShellMoveInto(item, destination) ? MOVE_DONE : MOVE_FAILED;
}

MoveOutcome MoveNumbered(const wchar_t* item, const wchar_t* destination, bool folder)
{
    wchar_t into[PATH_BUFFER_SIZE];
    FolderOf(destination, into);
    // The units a name may take: the path stays within PATH_LIMIT.
    const size_t room = PATH_LIMIT - StrLen(into);
    for (unsigned n = 2; n < 100000; ++n) {
        wchar_t name[PATH_BUFFER_SIZE];
        wchar_t numbered[PATH_BUFFER_SIZE];
        if (!PathNumberedName(name, room, PathFindName(destination), n, folder)) {
            return MOVE_FAILED;
        }
        PathJoin(numbered, into, name);
        // A name taken meanwhile: the next number.
        bool taken = false;
        if (MoveByRename(item, numbered, &taken)) {
            return MOVE_DONE;
        }
        if (!taken) {
            return MOVE_FAILED;
        }
    }
    return MOVE_FAILED;
}

void ReportNotMoved(const wchar_t* item, bool folder)
{
    // An item gone meanwhile was moved by someone else: no promise was broken.
    if (PathExists(item)) {
        ShowPathMessage(nullptr, MB_OK, kOverwriteError, folder ? kFolderNotMoved : kFileNotMoved,
                        item, nullptr);
    }
}

bool FinishDoubledFolder(const wchar_t* parked, const wchar_t* folder)
{
    // Emptied: it goes. Anything left keeps it, under its own name.
    if (RemoveDirectoryW(parked)) {
        return true;
    }
    if (!MoveFileW(parked, folder)) {
        ShowPathMessage(nullptr, MB_OK, kOverwriteError, kFolderParked, folder, parked);
    }
    return false;
}
