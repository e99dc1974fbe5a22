#include "app/arguments.h"

#include <windows.h>
#include <shlobj.h>
#include <stdlib.h>
#include <string.h>

#include "app/argument_filter.h"
#include "base/file_attributes.h"
#include "base/file_handle.h"
#include "base/mem.h"
#include "base/trace.h"
#include "text/path.h"
#include "text/str.h"

namespace {

// The shell parses a path one folder at a time, which is most of the time a
// run takes when many items are given. Items of one folder (a selection)
// share its parse: once a second item names the folder the previous one
// named, the folder is parsed and bound once, and each further item is parsed
// inside it alone. That is the same parse the desktop would make element by
// element, so the result does not change. Only the very same folder text
// shares it: names that differ in case may be different folders (a
// case-sensitive folder), and a wrong share moves a file nobody named.
struct FolderParse {
    char path[PATH_BUFFER_SIZE];  // the folder the previous item named; "" none
    bool tried;                   // binding it was tried
    IShellFolder* folder;
    LPITEMIDLIST idList;  // the folder's, absolute
};

void ForgetFolder(FolderParse* parse)
{
    if (parse->folder) {
        parse->folder->Release();
    }
    CoTaskMemFree(parse->idList);
    MemZero(parse, sizeof *parse);
}

bool ParseIn(IShellFolder* folder, const char* path, LPITEMIDLIST* idList)
{
    WCHAR wide[MAX_PATH];
    ULONG eaten = 0;
    return MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) &&
           SUCCEEDED(folder->ParseDisplayName(nullptr, nullptr, wide, &eaten, idList, nullptr));
}

void BindFolder(FolderParse* parse)
{
    parse->tried = true;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) {
        return;
    }
    if (ParseIn(desktop, parse->path, &parse->idList)) {
        desktop->BindToObject(parse->idList, nullptr, IID_IShellFolder,
                              reinterpret_cast<void**>(&parse->folder));
    }
    desktop->Release();
}

bool ResolveInFolder(const FolderParse* parse, char* out, const char* name)
{
    LPITEMIDLIST child = nullptr;
    if (!ParseIn(parse->folder, name, &child)) {
        return false;
    }
    LPITEMIDLIST full = ILCombine(parse->idList, child);
    const bool ok = full && SHGetPathFromIDListA(full, out);
    CoTaskMemFree(full);
    CoTaskMemFree(child);
    if (!ok) {
        out[0] = '\0';
    }
    return ok;
}

bool ResolveCandidate(FolderParse* parse, char* out, const char* path)
{
    char folder[PATH_BUFFER_SIZE];
    if (strlen(path) >= sizeof folder) {
        return ShellResolvePath(out, path);
    }
    StrCopyBounded(sizeof folder, folder, path);
    const char* name = PathStripLast(folder);
    // A folder without a parent ("", "C:") is left to the desktop's own reading.
    const bool plainName =
        PathFindName(folder) != folder && *name && !StrEqual(name, ".") && !StrEqual(name, "..");
    if (!plainName || !StrEqual(folder, parse->path)) {
        ForgetFolder(parse);
        if (plainName) {
            StrCopyBounded(sizeof parse->path, parse->path, folder);
        }
        return ShellResolvePath(out, path);
    }
    if (!parse->tried) {
        BindFolder(parse);
    }
    return (parse->folder && ResolveInFolder(parse, out, name)) || ShellResolvePath(out, path);
}

// The argument read against the working folder, once: every later step,
// the shell's parse included, uses this one full path. The shell would read
// a relative name against the desktop folder instead.
bool FullPath(char* out, const char* argument)
{
    WCHAR wide[MAX_PATH];
    WCHAR full[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, argument, -1, wide, MAX_PATH)) {
        return false;
    }
    const DWORD n = GetFullPathNameW(wide, MAX_PATH, full, nullptr);
    // The working folder itself may have no exact form in the ANSI code page.
    return n != 0 && n < MAX_PATH && ExactAnsiForm(full, out, PATH_BUFFER_SIZE) > 0;
}

// The parse gives the item's long form, which may be cut to another file's
// name when it does not fit: the two must reach the same item.
bool SameItem(const char* argument, const char* parsed)
{
    return StrEqual(argument, parsed) || PathsReachSameItem(argument, parsed);
}

}  // namespace

void FreeArgumentList(char** list, int count)
{
    for (int i = 0; i < count; ++i) {
        MemFree(list[i]);
    }
    MemFree(list);
}

char** ResolveArguments(int candidates, char** argv, int* resolved)
{
    char** list = static_cast<char**>(malloc((candidates + 1) * sizeof(char*)));
    if (!list) {
        return nullptr;
    }
    *resolved = 0;
    FolderParse parse = {};
    for (int i = 0; i < candidates; ++i) {
        if (PathHasStrippedName(argv[i])) {
            // Candidates start at argument 1.
            GetTraceSink()("argv[%2d] ignored: a name ends in a dot or a space\r\n", i + 1);
            continue;
        }
        char full[PATH_BUFFER_SIZE];
        char path[PATH_BUFFER_SIZE];
        if (!FullPath(full, argv[i]) || !PathExists(full)) {
            continue;
        }
        if (!ResolveCandidate(&parse, path, full) || !SameItem(full, path)) {
            continue;
        }
        char* copy = static_cast<char*>(malloc(strlen(path) + 1));
        if (!copy) {
            ForgetFolder(&parse);
            FreeArgumentList(list, *resolved);
            return nullptr;
        }
        strcpy(copy, path);
        list[(*resolved)++] = copy;
    }
    ForgetFolder(&parse);
    list[*resolved] = nullptr;
    return list;
}

bool ShellResolvePath(char* out, const char* path)
{
    out[0] = '\0';
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) {
        return false;
    }
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) {
        allocator->Release();
        return false;
    }
    LPITEMIDLIST idList = nullptr;
    const bool ok = ParseIn(desktop, path, &idList) && SHGetPathFromIDListA(idList, out) != FALSE;
    if (idList != nullptr) {
        allocator->Free(idList);
    }
    desktop->Release();
    allocator->Release();
    if (!ok) {
        out[0] = '\0';
    }
    return ok;
}
