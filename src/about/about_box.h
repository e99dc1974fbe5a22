#pragma once
// The About box, and the module icon reader the dialogs share.
#include <windows.h>

struct AboutBoxParams {
    const char* url;  // the support site: the link's text and what a click opens
};

// Shows the About box modally, owned by owner, or brings the open one to the
// front. Always true.
bool ShowAboutBox(HWND owner, const AboutBoxParams* params);

// The shell icon of a module's file, or of a file: large for 0, small for 1.
// The caller destroys it with DestroyIcon.
HICON GetModuleIcon(HMODULE module, int small);
HICON GetFileIcon(const char* path, int small);
