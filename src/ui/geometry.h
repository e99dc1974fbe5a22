#pragma once
// Small stateless helpers to measure, place and query windows.
// Wnd... take a window; DlgItem... take a dialog and a control id and act on
// GetDlgItem's window. Getters measure the outer rectangle in screen
// coordinates; movers convert to the parent's client area only for real
// child windows (an owned dialog keeps screen coordinates).
#include <windows.h>

// On a handle that is not a window these report zeros.
void WndGetPos(HWND hwnd, POINT* out);
void WndGetSize(HWND hwnd, SIZE* out);
int WndGetWidth(HWND hwnd);
int WndGetHeight(HWND hwnd);
int WndGetTop(HWND hwnd);
int WndGetBottom(HWND hwnd);  // the first screen row below the window
int DlgItemTop(HWND hDlg, int id);
int DlgItemBottom(HWND hDlg, int id);
// A screen point becomes an offset from the window's outer top-left corner.
void WndOffsetFrom(HWND hwnd, POINT* pt);

bool WndResizeTo(HWND hwnd, int cx, int cy);
bool WndMoveBy(HWND hwnd, int dx, int dy);
bool DlgItemMoveBy(HWND hDlg, int id, int dy);
bool WndResizeBy(HWND hwnd, int dcx, int dcy);
// One step of a deferred pass: moves and resizes the control by the deltas.
// *batch becomes what DeferWindowPos returns, null included.
void DeferMoveResizeBy(HDWP* batch, HWND hDlg, int id, int dx, int dy, int dcx, int dcy);
// Centres the window on the mouse cursor, kept inside the work area (a window
// larger than it sticks to its left and top edges).
void WndCenterOnCursor(HWND hwnd);
// Moves a top-level window that has grown past an edge back inside the work
// area of its monitor, by the same rules.
void WndKeepInWorkArea(HWND hwnd);

// Shows without activating; true when the window was visible before.
bool WndShow(HWND hwnd, bool show);
bool DlgItemShow(HWND hDlg, int id, bool show);
// True when the control was disabled before.
bool DlgItemEnable(HWND hDlg, int id, bool enable);
bool IsLiveWindow(HWND hwnd);
bool IsLiveDlgItem(HWND hDlg, int id);
bool WndInvalidate(HWND hwnd);
// which: ICON_BIG or ICON_SMALL. Returns the icon of that kind set before.
LRESULT SetWindowIcon(HWND hwnd, WPARAM which, HICON icon);

// The window text in a malloc block (free with MemFree), the empty string for
// no text; null only when memory runs out.
char* WndGetTextAlloc(HWND hwnd);
// False, and out untouched, for a window that draws with the system font.
bool WndGetFontInfo(HWND hwnd, LOGFONTA* out);

bool GetCursorClientPos(HWND hwnd, POINT* out);
// Left and top edges are inside, right and bottom edges outside.
bool IsCursorInClient(HWND hwnd);
bool GetWorkArea(RECT* out);
