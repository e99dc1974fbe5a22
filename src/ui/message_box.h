#pragma once
// Message boxes with a formatted text.
#include <windows.h>

// MessageBoxA with the text formatted from format and the rest (cut to 1023
// bytes); returns what MessageBoxA returns.
int ShowMessageF(HWND owner, UINT type, const char* caption, const char* format, ...);

// The caption and text of a box about paths, in UTF-16.
struct PathMessage {
    WCHAR caption[128];
    WCHAR text[1024];
};
void FormatPathMessage(const char* caption, const char* format, const wchar_t* first,
                       const wchar_t* second, PathMessage* out);

// A box about paths, which may hold any character: caption and format are
// this program's Shift-JIS texts, each "%s" of the format takes the next path
// (first, then second; null: none) exactly, in UTF-16. The text is cut to
// 1023 units. Returns what MessageBoxW returns.
int ShowPathMessage(HWND owner, UINT type, const char* caption, const char* format,
                    const wchar_t* first, const wchar_t* second);
