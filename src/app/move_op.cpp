#include "app/move_op.h"

#include <windows.h>
#include <shellapi.h>

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

    if (!ShellFileOperation(FO_MOVE, from, to, FOF_ALLOWUNDO)) {
        return false;
    }
    return MovedAway(item, destination);
}

// Sends the items of a double-null list to the Recycle Bin, no questions.
// Where the bin cannot take the file (a network share, a file too large for
// it), the shell would delete it outright: it must warn instead.
void SendToRecycleBin(const wchar_t* list)
{
    ShellFileOperation(FO_DELETE, list, nullptr,
                       FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_WANTNUKEWARNING);
}

// Renames the item into the destination's folder under a name no other item
// has (a rename never replaces): parked, PATH_BUFFER_SIZE units. False when
// it cannot go there; nothing has changed then.
bool ParkBeside(const wchar_t* item, const wchar_t* destination, wchar_t* parked)
{
    wchar_t folder[PATH_BUFFER_SIZE];
    StrCopyBounded(PATH_BUFFER_SIZE, folder, destination);
    PathStripLast(folder);
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

// The old file leaves only once the item has reached its folder: should the
// item be unable to move there (locked, a folder that takes nothing in or
// gives nothing out), nothing changes. The old file goes to the Recycle Bin
// under its own name, so that Restore puts it back where it was. Whatever
// fails after that, the item goes back where it was, or at worst stays
// beside the old file under its parked name: nothing is ever lost.
bool ReplaceFile(const wchar_t* item, const wchar_t* destination, const FileIdentity& asked)
{
    wchar_t parked[PATH_BUFFER_SIZE];
    if (!ParkBeside(item, destination, parked)) {
        return false;
    }
    FileIdentity now;
    const bool same = ReadFileIdentity(destination, &now) && SameFileIdentity(now, asked);
    if (same) {
        wchar_t list[PATH_LIST_SIZE];
        MakePathList(list, destination);
        SendToRecycleBin(list);
    }
    // Still there: the bin could not take it and the user kept it when the
    // shell asked to delete it for good. Nothing may replace it.
    bool taken = false;
    if (same && MoveByRename(parked, destination, &taken)) {
        return true;
    }
    MoveFileW(parked, item);
    return false;
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
bool ResolveMoveConflict(const wchar_t* item, const wchar_t* destination, FileIdentity* asked)
{
    if (!ReadFileIdentity(destination, asked)) {
        return false;
    }
    if (asked->folder && PathIsFile(item)) {
        ShowPathMessage(nullptr, MB_OK, kOverwriteError, kFileOntoFolder, item, destination);
        return false;
    }
    if (!asked->folder && PathIsFolder(item)) {
        ShowPathMessage(nullptr, MB_OK, kOverwriteError, kFolderOntoFile, item, destination);
        return false;
    }
    // The item itself gone: no question.
    if (asked->folder ? !PathIsFolder(item) : !PathIsFile(item)) {
        return false;
    }
    return ShowPathMessage(nullptr, MB_YESNO, kOverwriteQuestion,
                           asked->folder ? kFolderExists : kFileExists, destination,
                           nullptr) == IDYES;
}

// The user may take seconds to answer, and another program may change the
// destination meanwhile: the answer was about the item the question named.
bool MoveItem(const wchar_t* item, const wchar_t* destination, const FileIdentity& asked)
{
    FileIdentity now;
    if (!ReadFileIdentity(destination, &now)) {
        // Nothing left to replace: the item simply moves there.
        bool taken = false;
        return MoveByRename(item, destination, &taken);
    }
    if (!SameFileIdentity(now, asked)) {
        return false;
    }
    return asked.folder ? ShellMoveInto(item, destination) : ReplaceFile(item, destination, asked);
}
