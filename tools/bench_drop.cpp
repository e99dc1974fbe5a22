// scripts/bench's driver for Explorer's two ways with the files of a folder:
//   bench_drop FOLDER [NOBO.EXE]
// one drop of them all on nobo's drop target (COM starts its server, or finds
// it running), or with NOBO.EXE one process per file, all started at once.
// Prints the microseconds from the start until the last file has left the
// folder. A drop waits first until no nobo.exe runs when NOBO.EXE is "-".
#include "support/explorer.h"

#include <shellapi.h>
#include <stdio.h>

#include <algorithm>

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
    std::vector<HANDLE> processes(files.size());
    for (size_t i = 0; !drop && i < files.size(); ++i) {
        // Under Wine a new process now and then dies in its start-up, before
        // nobo.exe ran (ERROR_INTERNAL_ERROR, docs/wine.md): said, and started again.
        for (int tries = 0; tries < 5 && !processes[i]; ++tries) {
            std::wstring line =
                L"\"" + std::wstring(argv[2]) + L"\" \"" + argv[1] + L"\\" + files[i] + L"\"";
            STARTUPINFOW si = {};
            si.cb = sizeof si;
            PROCESS_INFORMATION pi;
            if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                               &pi)) {
                CloseHandle(pi.hThread), processes[i] = pi.hProcess;
                continue;
            }
            const DWORD error = GetLastError();
            fwprintf(stderr, L"bench_drop: %ls: CreateProcessW failed with %lu\n", files[i].c_str(),
                     error);
            if (error != ERROR_INTERNAL_ERROR) break;
        }
    }
    // A minute at most: a file left behind ends the run, and scripts/bench says so.
    while (Files(argv[1]).size() && GetTickCount() - start < 60000) Sleep(1);
    printf("%lu\n", 1000 * (GetTickCount() - start));
    // What became of each file left: its nobo.exe's exit code (259: still
    // running), or none started.
    for (const std::wstring& name : Files(argv[1])) {
        const size_t i = std::find(files.begin(), files.end(), name) - files.begin();
        const bool ran = !drop && i < processes.size() && processes[i];
        DWORD code = 0;
        if (ran) GetExitCodeProcess(processes[i], &code);
        fwprintf(stderr,
                 drop  ? L"bench_drop: %ls left\n"
                 : ran ? L"bench_drop: %ls left, its nobo.exe's exit code %lu\n"
                       : L"bench_drop: %ls left, no nobo.exe started for it\n",
                 name.c_str(), code);
    }
    for (HANDLE process : processes)
        if (process) CloseHandle(process);
    DWORD result = 0;
    if (dropped) WaitForSingleObject(dropped, INFINITE), GetExitCodeThread(dropped, &result);
    if (result) fprintf(stderr, "bench_drop: the drop failed with 0x%08lx\n", result);
    return 0;
}
