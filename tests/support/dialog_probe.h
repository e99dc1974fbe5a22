#pragma once
// Reading and pressing the controls of a live dialog from a test.
#include <windows.h>

#include <ostream>
#include <string>

#include "about/dialog_template.h"

// So tests can EXPECT_EQ rectangles and read them in a failure.
bool operator==(const RECT& a, const RECT& b);
void PrintTo(const RECT& r, std::ostream* out);

// The control's text in code page 932.
std::string ItemText(HWND dlg, int id);
// A real click (BM_CLICK): auto checkboxes toggle, the dialog gets BN_CLICKED.
void ClickItem(HWND dlg, int id);
LONG_PTR ItemStyle(HWND dlg, int id);
// The control's rectangle as x, y in the dialog's client area, cx, cy.
RECT ItemPlacement(HWND dlg, int id);
// x, y, cx, cy in dialog units to pixels, as the dialog manager places them.
RECT UnitsToPixels(HWND dlg, RECT units);
SIZE OuterSize(HWND hwnd);
// Resizes without moving; the window's own limits apply.
void ResizeTo(HWND hwnd, int cx, int cy);
// The ids of the Tab cycle from the first tab stop, space-separated.
std::string TabOrder(HWND dlg);
// Items first to first + count - 1 of a menu as "<id><text> ", a separator as
// "<id>- ". first -1: nothing.
std::string DescribeMenuItems(HMENU menu, int first, int count);
// The first position holding the command id, or -1.
int MenuItemPosition(HMENU menu, UINT id);
// The visible top-level window of that process with this caption, or null.
HWND FindTopWindow(DWORD processId, const std::string& caption);
// The id of the control that has the keyboard focus in the dialog's thread
// (any process), or 0.
int FocusedItemId(HWND dlg);
// Dispatches what has been posted to the window, until it hides.
void DispatchPosted(HWND hwnd);

// A modeless dialog built at run time from items (MS Shell Dlg 8, DS_SETFONT
// added) and moved to screen (x, y); null if it did not open.
HWND OpenTemplateDialog(DWORD style, int cx, int cy, const DialogItemSpec* items, int count,
                        HWND owner, DLGPROC proc, int x, int y);

// A point of a window's client area: offsets from its left/top corner, or from
// its right/bottom edge (which lies just outside).
struct ClientSpot {
    const char* name;
    int x, y;
    bool fromRight, fromBottom;
    bool inside;
};
// Puts the real cursor on the spot; false if it landed elsewhere. at: the client point.
bool PutCursorOn(HWND hwnd, const ClientSpot& spot, POINT* at = nullptr);
