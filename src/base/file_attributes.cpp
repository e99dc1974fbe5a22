#include "base/file_attributes.h"

#include <windows.h>

bool PathExists(const wchar_t* path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

// One read answers both whether the path exists and what it is: two reads
// could disagree when the path goes meanwhile. INVALID_FILE_ATTRIBUTES has
// every bit set, so it must not be taken for a directory.
static bool HasDirectoryBit(const wchar_t* path, bool wanted)
{
    const DWORD a = GetFileAttributesW(path);
    if (a == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    return ((a & FILE_ATTRIBUTE_DIRECTORY) != 0) == wanted;
}

bool PathIsFolder(const wchar_t* path)
{
    return HasDirectoryBit(path, true);
}

bool PathIsFile(const wchar_t* path)
{
    return HasDirectoryBit(path, false);
}
