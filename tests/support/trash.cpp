#include "support/trash.h"

#include <windows.h>

#include "support/scratch.h"

std::string TrashFilesFolder()
{
    char unix[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("XDG_DATA_HOME", unix, sizeof unix);
    if (n == 0 || n >= sizeof unix) return "";
    // Wine maps the Unix root to drive Z:.
    std::string path = std::string("Z:") + unix + "/Trash/files";
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::vector<std::string> TrashedContents()
{
    std::vector<std::string> contents;
    const std::string folder = TrashFilesFolder();
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return contents;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            contents.push_back(ReadFileBytes(folder + "\\" + fd.cFileName));
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return contents;
}
