#include "support/process.h"

#include <windows.h>

#include <vector>

std::string BesideTest(const char* name)
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    s.resize(s.find_last_of('\\') + 1);
    return s + name;
}

std::vector<wchar_t> EnvironmentBlock(const std::vector<std::wstring>& overrides)
{
    std::vector<std::wstring> entries;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* p = strings; *p; p += wcslen(p) + 1) entries.push_back(p);
    FreeEnvironmentStringsW(strings);
    for (const std::wstring& o : overrides) {
        const std::wstring name = o.substr(0, o.find(L'=') + 1);
        bool replaced = false;
        for (std::wstring& e : entries)
            if (_wcsnicmp(e.c_str(), name.c_str(), name.size()) == 0) e = o, replaced = true;
        if (!replaced) entries.push_back(o);
    }
    std::vector<wchar_t> block;
    for (const std::wstring& e : entries) {
        block.insert(block.end(), e.begin(), e.end());
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return block;
}

void* StartProgram(const std::wstring& commandLine, const std::vector<std::wstring>& environment,
                   unsigned long flags)
{
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    std::vector<wchar_t> env = EnvironmentBlock(environment);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT | flags, env.data(), nullptr, &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

int FinishProgram(void* process, unsigned timeoutMs)
{
    if (!process) return -1;
    int result = -2;
    if (WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        result = static_cast<int>(code);
    } else {
        TerminateProcess(process, 99);
    }
    CloseHandle(process);
    return result;
}

int RunAndWait(const std::wstring& commandLine, unsigned timeoutMs,
               const std::vector<std::wstring>& environment)
{
    return FinishProgram(StartProgram(commandLine, environment), timeoutMs);
}

std::wstring Quoted(const std::string& path)
{
    return L"\"" + Widen(path) + L"\"";
}

std::wstring Widen(const std::string& ansi)
{
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring w(n > 0 ? n : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &w[0], n);
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}

std::string Narrow(const std::wstring& wide)
{
    int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(n > 0 ? n : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &s[0], n, nullptr, nullptr);
    s.resize(n > 0 ? n - 1 : 0);
    return s;
}

// Handles this process holds. Wine's GetProcessHandleCount answers 0; the
// system handle list is counted there instead.
unsigned long ProcessHandleCount()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count) return count;
    struct Entry {
        USHORT process;
        USHORT backTrace;
        UCHAR type;
        UCHAR attributes;
        USHORT handle;
        PVOID object;
        ULONG access;
    };
    struct List {
        ULONG count;
        Entry entries[1];
    };
    typedef LONG(WINAPI * QueryFn)(ULONG, PVOID, ULONG, PULONG);
    const QueryFn query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 0;
    const ULONG kSystemHandleInformation = 16;
    std::vector<char> buffer(1 << 20);
    while (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                 nullptr) == static_cast<LONG>(0xC0000004)) {  // info length mismatch
        buffer.resize(buffer.size() * 2);
    }
    const List* list = reinterpret_cast<const List*>(buffer.data());
    const USHORT self = static_cast<USHORT>(GetCurrentProcessId());
    for (ULONG i = 0; i < list->count; ++i)
        if (list->entries[i].process == self) ++count;
    return count;
}
