#include "support/scratch.h"

#include "support/process.h"

#include <windows.h>

#include <algorithm>
#include <vector>

ScratchDir::ScratchDir(const char* tag)
{
    static unsigned counter;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    for (;;) {
        char name[MAX_PATH];
        wsprintfA(name, "%snobo-%s-%lu-%u", temp, tag, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            return;
        }
    }
}

ScratchDir::~ScratchDir()
{
    RemoveTree(path_);
}

std::string ScratchDir::operator/(const std::string& relative) const
{
    return path_ + "\\" + relative;
}

std::wstring LongPath(const std::string& absolutePath)
{
    return L"\\\\?\\" + Widen(absolutePath);
}

static std::string ReadAll(HANDLE h)
{
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string out;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
    CloseHandle(h);
    return out;
}

static bool WriteAll(HANDLE h, const std::string& bytes)
{
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes.size();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    return WriteAll(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr),
                    bytes);
}

bool WriteFileBytes(const std::wstring& longPath, const std::string& bytes)
{
    return WriteAll(CreateFileW(longPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr),
                    bytes);
}

std::string ReadFileBytes(const std::string& path)
{
    return ReadAll(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string ReadFileBytes(const std::wstring& longPath)
{
    return ReadAll(CreateFileW(longPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool MakeFolder(const std::wstring& longPath)
{
    return CreateDirectoryW(longPath.c_str(), nullptr) != 0;
}

bool MakeFolder(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path)
{
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

static std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string n = fd.cFileName;
        if (n != "." && n != "..") names.push_back(n);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

static std::vector<std::wstring> NamesW(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring n = fd.cFileName;
        if (n != L"." && n != L"..") names.push_back(n);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
}

std::vector<std::wstring> FilesBelow(const std::wstring& longPath)
{
    std::vector<std::wstring> files;
    for (const std::wstring& n : NamesW(longPath)) {
        const std::wstring path = longPath + L"\\" + n;
        const DWORD a = GetFileAttributesW(path.c_str());
        if (a == INVALID_FILE_ATTRIBUTES) continue;
        if (!(a & FILE_ATTRIBUTE_DIRECTORY)) {
            files.push_back(path);
            continue;
        }
        const std::vector<std::wstring> below = FilesBelow(path);
        files.insert(files.end(), below.begin(), below.end());
    }
    return files;
}

static bool RemoveTreeW(const std::wstring& path)
{
    const DWORD a = GetFileAttributesW(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return true;
    SetFileAttributesW(path.c_str(), a & ~FILE_ATTRIBUTE_READONLY);
    if (a & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::wstring& n : NamesW(path)) RemoveTreeW(path + L"\\" + n);
        RemoveDirectoryW(path.c_str());
    } else {
        DeleteFileW(path.c_str());
    }
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool RemoveTree(const std::string& path)
{
    return RemoveTreeW(LongPath(path));
}

std::string ListFolder(const std::string& path)
{
    std::string out;
    for (const std::string& n : Names(path)) {
        if (!out.empty()) out += ' ';
        out += n;
        if (IsFolder(path + "\\" + n)) out += '\\';
    }
    return out;
}
