#pragma once
// Measuring a window's text and fitting the window to it.
#include <windows.h>

// The window text's extent in the window's font, on one line; 0 by 0 when it
// cannot be measured.
SIZE WndGetTextExtent(HWND window);
// Widens the window to its text, never narrows it; returns the growth in pixels.
int WndGrowToText(HWND window);
