#include "base/redirection.h"

#include <windows.h>

#include "text/chars.h"
#include "text/path.h"
#include "text/str.h"

namespace {

// Below the Windows folder: the folders whose contents are redirected, and
// the file redirected itself.
struct RedirectedPlace {
    const wchar_t* name;
    bool folder;
};

const RedirectedPlace kRedirected[] = {
    {L"System32", true},
    {L"lastgood\\System32", true},
    {L"regedit.exe", false},
};

bool RunsRedirected()
{
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

// path is place or, for a folder, lies below it; letters in any case.
bool PathIsAt(const wchar_t* path, const wchar_t* place, bool folder)
{
    const size_t n = StrLen(place);  // place fits a path buffer
    if (StrLen(path) < n) {
        return false;
    }
    wchar_t head[PATH_BUFFER_SIZE];
    StrCopyBounded(n + 1, head, path);
    return StrEqualNoCase(head, place) && (path[n] == L'\0' || (folder && path[n] == L'\\'));
}

}  // namespace

bool PathIsRedirected(const wchar_t* path)
{
    if (!RunsRedirected()) {
        return false;
    }
    wchar_t windows[PATH_BUFFER_SIZE];
    const UINT n = GetWindowsDirectoryW(windows, PATH_BUFFER_SIZE);
    if (n == 0 || n >= PATH_BUFFER_SIZE) {
        return true;  // nowhere to tell: nothing is acted on
    }
    for (const RedirectedPlace& place : kRedirected) {
        wchar_t full[PATH_BUFFER_SIZE];
        PathJoin(full, windows, place.name);
        if (PathIsAt(path, full, place.folder)) {
            return true;
        }
    }
    return false;
}
