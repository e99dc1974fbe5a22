#pragma once
// The About box: the program's icon, product name and version, a link to the
// support site and, where the system has it, the free system resources.
#include <windows.h>

#include "ui/module_icon.h"

struct AboutBoxParams {
    const char* url;  // the support site: the link's text and what a click opens
};

// Shows the About box modally, owned by owner, or brings the open one to the
// front.
void ShowAboutBox(HWND owner, const AboutBoxParams* params);

// What ties the running box to its resources; lives in RunAboutBox for the
// whole modal loop, reachable from the box through PROP_ABOUTDIALOGDATA.
struct AboutDialogData {
    WindowIcons icons;  // owned: destroyed once the box has ended
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
