// scripts/bench's driver for Explorer's two ways with the files of a folder:
//   bench_drop FOLDER [NOBO.EXE]
// one drop of them all on nobo's drop target (COM starts its server, or finds
// it running), or with NOBO.EXE one process per file, all started at once.
// Prints the microseconds from the start until the last file has left the
// folder. A drop waits first until no nobo.exe runs when NOBO.EXE is "-".
#include "support/explorer.h"

#include <shellapi.h>
#include <stdio.h>

namespace {

// Listed, never opened: a file open without delete sharing cannot be renamed.
std::vector<std::wstring> Files(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileW(h, &fd))
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
    FindClose(h);
    return names;
}

}  // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const bool drop = argc == 2 || (argc == 3 && !lstrcmpW(argv[2], L"-"));
    while (argc == 3 && NoboProcesses().size()) Sleep(10);
    const std::vector<std::wstring> files = Files(argv[1]);
    const DWORD start = GetTickCount();
    HANDLE dropped = drop ? DropSelection("*", argv[1], files) : nullptr;
    for (size_t i = 0; !drop && i < files.size(); ++i) {
        std::wstring line =
            L"\"" + std::wstring(argv[2]) + L"\" \"" + argv[1] + L"\\" + files[i] + L"\"";
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi;
        if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                           &pi))
            CloseHandle(pi.hThread), CloseHandle(pi.hProcess);
    }
    // A minute at most: a file left behind ends the run, and scripts/bench says so.
    while (Files(argv[1]).size() && GetTickCount() - start < 60000) Sleep(1);
    printf("%lu\n", 1000 * (GetTickCount() - start));
    if (dropped) WaitForSingleObject(dropped, INFINITE);
    return 0;
}
