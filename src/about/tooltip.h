#pragma once
// The About box's tooltip over the link.
#include <windows.h>

// A tooltip owned by owner, gone with it; null when it cannot be made.
HWND CreateTooltipWindow(HWND owner, HINSTANCE instance);
// Shows "サポートサイトへ" over the tool window, a child of owner.
bool TooltipAddTool(HWND tooltip, HWND owner, HWND tool);
