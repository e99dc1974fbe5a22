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

// What ties the running box to its resources; lives in RunAboutBox for the
// whole modal loop, reachable from the box through PROP_ABOUTDIALOGDATA.
struct AboutDialogData {
    HICON largeIcon;  // owned: destroyed once the box has ended
    HICON smallIcon;
    const AboutBoxParams* params;
};
extern const char PROP_ABOUTDIALOGDATA[];

// ShowAboutBox with the box's end value: 1 for OK, Enter or the link, 2 for
// Esc or the close box; 0 when the open box was only brought to the front or
// no template could be made.
INT_PTR RunAboutBox(HWND owner, const AboutBoxParams* params);
// The open About box, or null.
HWND GetAboutBoxWindow();
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Product name and version of the module into static 101 and the caption;
// false, leaving them alone, when the module has no readable version block.
bool AboutSetVersionTexts(HWND dialog, HMODULE module);
// The whole version information of the module's file in a malloc block (free
// with MemFree); *translation points into it, at the first language and code
// page pair (language in the low word). Null when there is none.
void* LoadVersionBlock(HMODULE module, DWORD** translation);
// A string of the block for one translation into out (PATH_BUFFER_SIZE bytes);
// false and the empty string when the value is missing.
bool QueryVersionString(char* out, const void* block, DWORD translation, const char* name);

// The percentage of free system resources from the optional system library
// "rsrc32.dll"; false when it is not there or lacks the export. out may be null.
bool GetFreeSystemResources(int* out);
// Fills static 103 with that percentage; empty, and false, without it.
bool SetFreeResourcesText(HWND control);

// Widens statics 101 to 103 to their texts and the box by the largest
// growth, then centres the OK button. Always true.
bool AboutAutoSize(HWND dialog);
// Widens the control to its text, never narrows it; returns the growth in pixels.
int GrowToText(HWND control);
// The window text's extent in the window's font, on one line; 0 by 0 when it
// cannot be measured. Always true.
bool WndGetTextExtent(HWND window, SIZE* out);

// A tooltip owned by owner, gone with it; null when it cannot be made.
HWND CreateTooltipWindow(HWND owner, HINSTANCE instance);
// Shows "サポートサイトへ" over the tool window, a child of owner.
bool TooltipAddTool(HWND tooltip, HWND owner, HWND tool);
