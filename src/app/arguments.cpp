#include "app/arguments.h"

#include <windows.h>
#include <shlobj.h>
#include <stdlib.h>
#include <string.h>

#include "base/file_attributes.h"
#include "base/file_handle.h"
#include "base/mem.h"
#include "base/trace.h"
#include "text/chars.h"
#include "text/path.h"
#include "text/str.h"

namespace {

// The shell parses a path one folder at a time, and names an item's path by
// binding to each folder above it again: most of the time a run takes when
// many items are given. Items of one folder (a selection) share its parse:
// when the next item names the same folder, the folder is parsed, bound and
// named once, and each of its items is parsed inside it alone and named by
// the folder's path and the item's own parsing name. A lone item takes the
// desktop's own way, which costs less than a binding. That
// is the same parse the desktop would make element by element and the same
// path it would give, so the result does not change. Only the very same
// folder text shares it: names that differ in case may be different folders
// (a case-sensitive folder), and a wrong share moves a file nobody named.
struct FolderParse {
    wchar_t path[PATH_BUFFER_SIZE];  // the folder the previous item named; "" none
    bool tried;                      // binding it was tried
    IShellFolder* folder;
    LPITEMIDLIST idList;               // the folder's, absolute
    wchar_t parsed[PATH_BUFFER_SIZE];  // the folder's path as the shell gives it
};

void ForgetFolder(FolderParse* parse)
{
    if (parse->folder) {
        parse->folder->Release();
    }
    CoTaskMemFree(parse->idList);
    MemZero(parse, sizeof *parse);
}

bool ParseIn(IShellFolder* folder, const wchar_t* path, LPITEMIDLIST* idList)
{
    ULONG eaten = 0;
    return SUCCEEDED(folder->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(path), &eaten,
                                              idList, nullptr));
}

void BindFolder(FolderParse* parse)
{
    parse->tried = true;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) {
        return;
    }
    if (ParseIn(desktop, parse->path, &parse->idList) &&
        SHGetPathFromIDListW(parse->idList, parse->parsed)) {
        desktop->BindToObject(parse->idList, nullptr, IID_IShellFolder,
                              reinterpret_cast<void**>(&parse->folder));
    }
    desktop->Release();
}

// The item's parsing name in its folder, as the shell names it in a path:
// only a UTF-16 answer will do (an ANSI one may hold a look-alike).
bool NameInFolder(IShellFolder* folder, LPCITEMIDLIST child, wchar_t* out)
{
    STRRET name;
    if (FAILED(folder->GetDisplayNameOf(child, SHGDN_INFOLDER | SHGDN_FORPARSING, &name))) {
        return false;
    }
    if (name.uType != STRRET_WSTR) {
        return false;
    }
    const bool fits = StrLen(name.pOleStr) <= PATH_LIMIT;
    if (fits) {
        StrCopyBounded(PATH_BUFFER_SIZE, out, name.pOleStr);
    }
    CoTaskMemFree(name.pOleStr);
    return fits;
}

bool ResolveInFolder(const FolderParse* parse, wchar_t* out, const wchar_t* name)
{
    LPITEMIDLIST child = nullptr;
    if (!ParseIn(parse->folder, name, &child)) {
        return false;
    }
    wchar_t childName[PATH_BUFFER_SIZE];
    const bool named = NameInFolder(parse->folder, child, childName);
    CoTaskMemFree(child);
    // A path that would not fit is left to the plain parse.
    if (!named || StrLen(parse->parsed) + 1 + StrLen(childName) > PATH_LIMIT) {
        return false;
    }
    PathJoin(out, parse->parsed, childName);
    return true;
}

// nextShares: the next candidate names the very same folder, so the first
// item of a selection already binds it.
bool ResolveCandidate(FolderParse* parse, wchar_t* out, const wchar_t* path, bool nextShares)
{
    wchar_t folder[PATH_BUFFER_SIZE];
    StrCopyBounded(PATH_BUFFER_SIZE, folder, path);
    const wchar_t* name = PathStripLast(folder);
    // A folder without a parent ("", "C:") is left to the desktop's own reading.
    const bool plainName =
        PathFindName(folder) != folder && *name && !StrEqual(name, L".") && !StrEqual(name, L"..");
    const bool shared = plainName && StrEqual(folder, parse->path);
    if (!shared) {
        ForgetFolder(parse);
        if (plainName) {
            StrCopyBounded(PATH_BUFFER_SIZE, parse->path, folder);
        }
        if (!plainName || !nextShares) {
            return ShellResolvePath(out, path);
        }
    }
    if (!parse->tried) {
        BindFolder(parse);
    }
    return (parse->folder && ResolveInFolder(parse, out, name)) || ShellResolvePath(out, path);
}

// The argument read against the working folder, once: every later step,
// the shell's parse included, uses this one full path. The shell would read
// a relative name against the desktop folder instead.
bool FullPath(wchar_t* out, const wchar_t* argument)
{
    const DWORD n = GetFullPathNameW(argument, PATH_BUFFER_SIZE, out, nullptr);
    return n != 0 && n <= PATH_LIMIT;
}

// The two full paths have the very same folder text.
bool SameFolderText(const wchar_t* a, const wchar_t* b)
{
    const size_t n = static_cast<size_t>(PathFindName(a) - a);
    return n == static_cast<size_t>(PathFindName(b) - b) && memcmp(a, b, n * sizeof(wchar_t)) == 0;
}

// The parse gives the item's long form, which may be cut to another file's
// name when it does not fit: the two must reach the same item.
bool SameItem(const wchar_t* argument, const wchar_t* parsed)
{
    return StrEqual(argument, parsed) || PathsReachSameItem(argument, parsed);
}

}  // namespace

struct ArgumentParse {
    FolderParse folder;
};

ArgumentParse* StartArgumentParse()
{
    ArgumentParse* parse = static_cast<ArgumentParse*>(malloc(sizeof(ArgumentParse)));
    if (parse) {
        MemZero(parse, sizeof *parse);
    }
    return parse;
}

void EndArgumentParse(ArgumentParse* parse)
{
    if (parse) {
        ForgetFolder(&parse->folder);
        MemFree(parse);
    }
}

bool ResolveArgument(ArgumentParse* parse, int candidates, wchar_t** argv, int i, wchar_t* out)
{
    if (PathHasStrippedName(argv[i])) {
        // Candidates start at argument 1.
        GetTraceSink()("argv[%2d] ignored: a name ends in a dot or a space\r\n", i + 1);
        return false;
    }
    wchar_t full[PATH_BUFFER_SIZE];
    wchar_t next[PATH_BUFFER_SIZE];
    if (!FullPath(full, argv[i]) || !PathExists(full)) {
        return false;
    }
    const bool nextShares = i + 1 < candidates && !PathHasStrippedName(argv[i + 1]) &&
                            FullPath(next, argv[i + 1]) && SameFolderText(full, next);
    return ResolveCandidate(&parse->folder, out, full, nextShares) && SameItem(full, out);
}

bool ShellResolvePath(wchar_t* out, const wchar_t* path)
{
    out[0] = L'\0';
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
    const bool ok = ParseIn(desktop, path, &idList) && SHGetPathFromIDListW(idList, out) != FALSE;
    if (idList != nullptr) {
        allocator->Free(idList);
    }
    desktop->Release();
    allocator->Release();
    if (!ok) {
        out[0] = L'\0';
    }
    return ok;
}
