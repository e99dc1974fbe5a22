#include "support/files.h"

#include "support/explorer.h"
#include "support/program.h"

#include <windows.h>

#include <algorithm>

namespace {

// Full paths without Win32's reading: names ending in a dot or a space, and
// paths past MAX_PATH, are made, read and removed as they are.
std::wstring Raw(const std::string& path)
{
    return Widen(path.size() > 2 && path[1] == ':' ? "\\\\?\\" + path : path);
}

void List(const std::string& root, const std::string& relative, std::vector<std::string>* out)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(Raw(root + "\\" + relative + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = Narrow(fd.cFileName);
        if (name == "." || name == "..") continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out->push_back(relative + name + "\\");
            List(root, relative + name + "\\", out);
        } else {
            out->push_back(relative + name + "=" + ReadBytes(root + "\\" + relative + name));
        }
    } while (FindNextFileW(h, &fd));
    FindClose(h);
}

}  // namespace

Scratch::Scratch(const char* tag)
{
    static unsigned serial = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "nobo-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++serial);
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

Scratch::~Scratch()
{
    // A program still running from inside (a failed row's restarted nobo) would
    // keep its file, and the folder, in the bed's Temp: it is ended first.
    const std::wstring inside = Widen(path_) + L"\\";
    for (DWORD id : NoboProcesses()) {
        HANDLE p = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE,
                               FALSE, id);
        wchar_t image[MAX_PATH];
        DWORD n = MAX_PATH;
        if (p && QueryFullProcessImageNameW(p, 0, image, &n) &&
            !_wcsnicmp(image, inside.c_str(), inside.size()) && TerminateProcess(p, 99))
            WaitForSingleObject(p, 30000);
        if (p) CloseHandle(p);
    }
    RemoveTree(path_);
}

bool MakeTree(const std::string& root, const std::vector<std::string>& entries)
{
    bool ok = true;
    for (const std::string& entry : entries) {
        const size_t equals = entry.find('=');
        const std::string path = entry.substr(0, equals);
        // A trail byte 5C is no separator.
        for (size_t i = 0; i < path.size(); i += IsDBCSLeadByteEx(932, path[i]) ? 2 : 1)
            if (path[i] == '\\')
                CreateDirectoryW(Raw(root + "\\" + path.substr(0, i)).c_str(), nullptr);
        if (equals != std::string::npos)
            ok &= WriteBytes(root + "\\" + path, entry.substr(equals + 1));
        ok &= Exists(root + "\\" + path);
    }
    return ok;
}

std::string ListTree(const std::string& root)
{
    std::vector<std::string> all;
    List(root, "", &all);
    std::sort(all.begin(), all.end());
    std::string out;
    for (const std::string& e : all) out += (out.empty() ? "" : " ") + e;
    return out;
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE f = CreateFileW(Raw(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return ok && written == bytes.size();
}

std::string ReadBytes(const std::string& path)
{
    HANDLE f = CreateFileW(Raw(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(GetFileSize(f, nullptr), '\0');
    DWORD got = 0;
    if (!bytes.empty()) ReadFile(f, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(f);
    bytes.resize(got);
    return bytes;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesW(Raw(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RemoveTree(const std::string& path)
{
    const std::wstring raw = Raw(path);
    const DWORD a = GetFileAttributesW(raw.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return true;
    SetFileAttributesW(raw.c_str(), FILE_ATTRIBUTE_NORMAL | (a & FILE_ATTRIBUTE_DIRECTORY));
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) return DeleteFileW(raw.c_str()) != 0;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((raw + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = Narrow(fd.cFileName);
            if (name != "." && name != "..") RemoveTree(path + "\\" + name);
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    return RemoveDirectoryW(raw.c_str()) != 0;
}

// Wine's own export names a path's file on the Unix side.
std::string UnixName(const std::string& path)
{
    typedef char*(CDECL * Fn)(const wchar_t*);
    Fn name = reinterpret_cast<Fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* unix = name ? name(Widen(path).c_str()) : nullptr;
    const std::string out = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

// A Unix program started from Wine gives no process handle to wait on: the
// shell leaves its exit code in a file, which is waited for.
bool RunUnix(const std::string& command, const std::string& path)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string rc = temp + std::string("nobo-unix-") + std::to_string(GetTickCount());
    std::string line =
        "/bin/sh -c \"" + command + " '" + UnixName(path) + "'; echo $? >'" + UnixName(rc) + "'\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;  // receives no handles: nothing to close
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    WaitFor([&] { return ReadBytes(rc).find('\n') != std::string::npos; }, 30000);
    const bool ok = ReadBytes(rc) == "0\n";
    DeleteFileA(rc.c_str());
    return ok;
}

// Wine's Recycle Bin is the XDG trash of the Unix side; Z: is the Unix root.
std::vector<std::string> BinContents()
{
    std::vector<std::string> contents;
    char unix[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("XDG_DATA_HOME", unix, sizeof unix);
    if (n == 0 || n >= sizeof unix) return contents;
    std::string folder = std::string("Z:") + unix + "/Trash/files";
    std::replace(folder.begin(), folder.end(), '/', '\\');
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(Raw(folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return contents;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            contents.push_back(ReadBytes(folder + "\\" + Narrow(fd.cFileName)));
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return contents;
}
