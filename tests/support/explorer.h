#pragma once
// Explorer's documented part when a menu entry names a drop target: the class
// read from <class>\shell\Vellanort.nobo\DropTarget\Clsid (the user's classes
// first, then the machine's), the selection's data
// object made by its folder, the object created (COM starts its server), then
// DragEnter and Drop. Plain Win32, no test framework: the bench uses it too.
#include <windows.h>

#include <string>
#include <vector>

// Drops the items (names in folder) on a thread of its own, a single-threaded
// apartment as Explorer's; the thread ends when Drop has returned, with Drop's
// result as its exit code (another failure's when it never got that far).
HANDLE DropSelection(const char* kind, const std::wstring& folder,
                     const std::vector<std::wstring>& names);
// The ids of the running processes named exe.
std::vector<DWORD> NoboProcesses(const wchar_t* exe = L"nobo.exe");
