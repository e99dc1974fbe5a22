#include "base/file_attributes.h"

#include <windows.h>

bool PathExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The second read can find the path gone; INVALID_FILE_ATTRIBUTES has every
// bit set, so it must not be taken for a directory.
static bool HasDirectoryBit(const char* path, bool wanted)
{
    const DWORD a = GetFileAttributesA(path);
    if (a == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    return ((a & FILE_ATTRIBUTE_DIRECTORY) != 0) == wanted;
}

bool PathIsFolder(const char* path)
{
    return PathExists(path) && HasDirectoryBit(path, true);
}

bool PathIsFile(const char* path)
{
    return PathExists(path) && HasDirectoryBit(path, false);
}
