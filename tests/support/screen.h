#pragma once
// nobo's About box opened from outside, and what a person does and sees there:
// real mouse input (SendInput) and the pixels the screen shows.
#include <windows.h>

#include "support/program.h"

// The About box's texts, as its template numbers them.
enum { ABOUT_PRODUCT = 101, ABOUT_LINK = 102, ABOUT_RESOURCES = 103 };
// nobo started without arguments: its setup dialog is asked for the About box
// as its system menu command would; the box, or null when none came.
HWND OpenAboutBox(Program& nobo);
// A point of a window's client area in screen coordinates.
POINT OnScreen(HWND window, int x, int y);
// The mouse moved to a screen point as the hardware would move it, and there
// a button pressed or released (buttons: MOUSEEVENTF_LEFTDOWN, ...).
void Mouse(POINT at, DWORD buttons = 0);
// How many pixels of a window's client area the screen shows in a colour.
size_t CountColour(HWND window, COLORREF colour);
