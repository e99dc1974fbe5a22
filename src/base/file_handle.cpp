#include "base/file_handle.h"

bool ReadFileIdentity(const wchar_t* path, FileIdentity* identity)
{
    // No data access: this open is never refused for sharing. Folders need
    // the backup flag to be opened at all.
    HANDLE h = CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info;
    const bool ok = GetFileInformationByHandle(h, &info) != FALSE;
    CloseHandle(h);
    if (ok) {
        identity->folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        identity->volume = info.dwVolumeSerialNumber;
        identity->indexHigh = info.nFileIndexHigh;
        identity->indexLow = info.nFileIndexLow;
    }
    return ok;
}

bool SameFileIdentity(const FileIdentity& a, const FileIdentity& b)
{
    return a.folder == b.folder && a.volume == b.volume && a.indexHigh == b.indexHigh &&
           a.indexLow == b.indexLow;
}

bool PathsReachSameItem(const wchar_t* a, const wchar_t* b)
{
    FileIdentity x;
    FileIdentity y;
    return ReadFileIdentity(a, &x) && ReadFileIdentity(b, &y) && SameFileIdentity(x, y);
}
