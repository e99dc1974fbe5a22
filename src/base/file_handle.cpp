#include "base/file_handle.h"

namespace {

const DWORD SHARE_ALL = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// No data access: this open is never refused for sharing. Folders need the
// backup flag to be opened at all.
bool ItemIdentity(const wchar_t* path, BY_HANDLE_FILE_INFORMATION* info)
{
    HANDLE h = CreateFileW(path, 0, SHARE_ALL, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool ok = GetFileInformationByHandle(h, info) != FALSE;
    CloseHandle(h);
    return ok;
}

}  // namespace

bool PathsReachSameItem(const wchar_t* a, const wchar_t* b)
{
    BY_HANDLE_FILE_INFORMATION x;
    BY_HANDLE_FILE_INFORMATION y;
    return ItemIdentity(a, &x) && ItemIdentity(b, &y) &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

HANDLE HoldForMove(const wchar_t* path)
{
    return CreateFileW(path, DELETE, SHARE_ALL, nullptr, OPEN_EXISTING, 0, nullptr);
}

void ReleaseHold(HANDLE held)
{
    if (held != INVALID_HANDLE_VALUE) {
        CloseHandle(held);
    }
}
