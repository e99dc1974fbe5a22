#pragma once
// Files opened for what their handle proves, never for their data.
#include <windows.h>

// What a path reaches: a file or a folder, and which one (one volume, one
// file index). Two paths reach the same item exactly when these are equal;
// a name that was replaced by another item meanwhile gives another index.
struct FileIdentity {
    bool folder;
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;
};

// False when the path reaches nothing that can be opened.
bool ReadFileIdentity(const wchar_t* path, FileIdentity* identity);
bool SameFileIdentity(const FileIdentity& a, const FileIdentity& b);

// True when both paths reach one and the same file or folder.
bool PathsReachSameItem(const wchar_t* a, const wchar_t* b);
