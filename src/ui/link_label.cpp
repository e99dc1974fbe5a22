#include "ui/link_label.h"

#include "base/mem.h"
#include "ui/geometry.h"

#include <string.h>

namespace {

// Per-control state, as window properties of the control.
const char LLPROP_ORIGINALPROC[] = "LLPROP_ORIGINALPROC";  // the procedure before attach
const char LLPROP_CONTROLSTATE[] = "LLPROP_CONTROLSTATE";  // STATE_HOT while hot, else 0
const char LLPROP_CURSOR[] = "LLPROP_CURSOR";              // the hand cursor, owned
const char LLPROP_FONT[] = "LLPROP_FONT";                  // the underlined font, owned

const UINT_PTR LEAVE_TIMER_ID = 1;
// The shortest period the system allows: the leave is noticed at once.
const UINT LEAVE_TIMER_PERIOD = 0;
const UINT_PTR STATE_HOT = 1;
const COLORREF TEXT_COLOUR_COLD = RGB(0, 0, 255);
const COLORREF TEXT_COLOUR_HOT = RGB(255, 0, 0);

const int HAND_SIZE = 32;
const int HAND_HOT_X = 7;
const int HAND_HOT_Y = 0;
const int HAND_ROW_BYTES = HAND_SIZE / 8;

// The hand, top down, a row of each plane; the rows below it keep the screen.
// The leftmost pixel is the top bit. Per pixel, AND 1 / XOR 0 keeps the
// screen, AND 0 / XOR 0 is black, AND 0 / XOR 1 is white.
struct HandRow {
    BYTE andBits[HAND_ROW_BYTES];
    BYTE xorBits[HAND_ROW_BYTES];
};
// clang-format off
const HandRow HAND_ROWS[] = {
    {{0xFC, 0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00, 0x00}},  // ......##
    {{0xF8, 0x7F, 0xFF, 0xFF}, {0x03, 0x00, 0x00, 0x00}},  // .....#oo#
    {{0xF8, 0x7F, 0xFF, 0xFF}, {0x03, 0x00, 0x00, 0x00}},  // .....#oo#
    {{0xF8, 0x7F, 0xFF, 0xFF}, {0x03, 0x00, 0x00, 0x00}},  // .....#oo#
    {{0xF8, 0x7F, 0xFF, 0xFF}, {0x03, 0x00, 0x00, 0x00}},  // .....#oo#
    {{0xF8, 0x1F, 0xFF, 0xFF}, {0x03, 0x00, 0x00, 0x00}},  // .....#oo###
    {{0xF8, 0x03, 0xFF, 0xFF}, {0x03, 0x60, 0x00, 0x00}},  // .....#oo#oo###
    {{0xF8, 0x00, 0xFF, 0xFF}, {0x03, 0x6C, 0x00, 0x00}},  // .....#oo#oo#oo##
    {{0xF8, 0x00, 0x7F, 0xFF}, {0x03, 0x6D, 0x00, 0x00}},  // .....#oo#oo#oo#o#
    {{0x88, 0x00, 0x3F, 0xFF}, {0x03, 0x6D, 0x80, 0x00}},  // .###.#oo#oo#oo#oo#
    {{0x80, 0x00, 0x3F, 0xFF}, {0x33, 0xFD, 0x80, 0x00}},  // .#oo##oooooooo#oo#
    {{0x80, 0x00, 0x3F, 0xFF}, {0x3B, 0xFF, 0x80, 0x00}},  // .#ooo#ooooooooooo#
    {{0xC0, 0x00, 0x3F, 0xFF}, {0x1B, 0xFF, 0x80, 0x00}},  // ..#oo#ooooooooooo#
    {{0xE0, 0x00, 0x3F, 0xFF}, {0x0B, 0xFF, 0x80, 0x00}},  // ...#o#ooooooooooo#
    {{0xE0, 0x00, 0x3F, 0xFF}, {0x0F, 0xFF, 0x80, 0x00}},  // ...#ooooooooooooo#
    {{0xF0, 0x00, 0x3F, 0xFF}, {0x07, 0xFF, 0x80, 0x00}},  // ....#oooooooooooo#
    {{0xF0, 0x00, 0x7F, 0xFF}, {0x07, 0xFF, 0x00, 0x00}},  // ....#ooooooooooo#
    {{0xF8, 0x00, 0x7F, 0xFF}, {0x03, 0xFF, 0x00, 0x00}},  // .....#oooooooooo#
    {{0xF8, 0x00, 0x7F, 0xFF}, {0x03, 0xFF, 0x00, 0x00}},  // .....#oooooooooo#
    {{0xFC, 0x00, 0xFF, 0xFF}, {0x01, 0xFE, 0x00, 0x00}},  // ......#oooooooo#
    {{0xFC, 0x00, 0xFF, 0xFF}, {0x01, 0xFE, 0x00, 0x00}},  // ......#oooooooo#
    {{0xFC, 0x00, 0xFF, 0xFF}, {0x00, 0x00, 0x00, 0x00}},  // ......##########
};
// clang-format on

WNDPROC OriginalProc(HWND hwnd)
{
    return reinterpret_cast<WNDPROC>(GetPropA(hwnd, LLPROP_ORIGINALPROC));
}

UINT_PTR ControlState(HWND hwnd)
{
    return reinterpret_cast<UINT_PTR>(GetPropA(hwnd, LLPROP_CONTROLSTATE));
}

bool SetControlState(HWND hwnd, UINT_PTR state)
{
    return SetPropA(hwnd, LLPROP_CONTROLSTATE, reinterpret_cast<HANDLE>(state)) != 0;
}

bool IsHot(HWND hwnd)
{
    return (ControlState(hwnd) & STATE_HOT) != 0;
}

LRESULT CallPrevious(WNDPROC previous, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // No previous procedure only once detached, when a later subclass still
    // forwards to us.
    if (previous == nullptr) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

LRESULT PassOn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallPrevious(OriginalProc(hwnd), hwnd, msg, wParam, lParam);
}

void PaintText(HWND hwnd, HDC dc)
{
    char* text = WndGetTextAlloc(hwnd);
    if (text == nullptr) {
        return;
    }
    SetTextColor(dc, IsHot(hwnd) ? TEXT_COLOUR_HOT : TEXT_COLOUR_COLD);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    if (font != nullptr) {
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        // Alignment styles are deliberately ignored: one line from the corner.
        TextOutA(dc, 0, 0, text, static_cast<int>(strlen(text)));
    }
    MemFree(text);
}

LRESULT Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc != nullptr) {
        const int saved = SaveDC(dc);
        RECT client = {0, 0, 0, 0};
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        // The frame marks a press only while the link is hot as well.
        if (GetCapture() == hwnd && IsHot(hwnd)) {
            FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        }
        PaintText(hwnd, dc);
        RestoreDC(dc, saved);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT OnButtonUp(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Only the position at release counts, and only after a press on us.
    if (GetCapture() == hwnd) {
        ReleaseCapture();
        if (IsCursorInClient(hwnd)) {
            LinkLabelNotifyParent(hwnd, LLN_CLICKED, 0, 0);
        }
    }
    return PassOn(hwnd, msg, wParam, lParam);
}

// Hover and leave come back from the parent; their sender is not looked at.
LRESULT OnNotify(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr) {
        return PassOn(hwnd, msg, wParam, lParam);
    }
    if (header->code == LLN_MOUSELEAVE) {
        SetControlState(hwnd, 0);
        WndInvalidate(hwnd);
        return 0;
    }
    if (header->code == LLN_MOUSEHOVER) {
        // A late hover after the cursor has gone must not light the link.
        if (IsCursorInClient(hwnd)) {
            SetControlState(hwnd, STATE_HOT);
        }
        WndInvalidate(hwnd);
        return 0;
    }
    return PassOn(hwnd, msg, wParam, lParam);
}

LRESULT Detach(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = OriginalProc(hwnd);
    if (previous != nullptr) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
    RemovePropA(hwnd, LLPROP_ORIGINALPROC);
    RemovePropA(hwnd, LLPROP_CONTROLSTATE);
    HFONT font = static_cast<HFONT>(GetPropA(hwnd, LLPROP_FONT));
    RemovePropA(hwnd, LLPROP_FONT);
    if (font != nullptr) {
        DeleteObject(font);
    }
    HCURSOR cursor = static_cast<HCURSOR>(GetPropA(hwnd, LLPROP_CURSOR));
    RemovePropA(hwnd, LLPROP_CURSOR);
    if (cursor != nullptr) {
        DestroyCursor(cursor);
    }
    // The leave timer dies with the window.
    return CallPrevious(previous, hwnd, WM_DESTROY, wParam, lParam);
}

// The control's current font with the underline flag set; null when the
// control has no font of its own or it cannot be read or made.
HFONT LinkLabelCreateFont(HWND control)
{
    LOGFONTA info;
    if (!WndGetFontInfo(control, &info)) {
        return nullptr;
    }
    info.lfUnderline = TRUE;
    return CreateFontIndirectA(&info);
}

// A 32x32 monochrome pointing hand, hot spot on the finger tip (7, 0).
HCURSOR CreateHandCursor(HINSTANCE instance)
{
    BYTE andPlane[HAND_SIZE * HAND_ROW_BYTES];
    BYTE xorPlane[HAND_SIZE * HAND_ROW_BYTES];
    memset(andPlane, 0xFF, sizeof andPlane);
    memset(xorPlane, 0x00, sizeof xorPlane);
    const size_t rows = sizeof HAND_ROWS / sizeof HAND_ROWS[0];
    for (size_t row = 0; row < rows; ++row) {
        memcpy(andPlane + row * HAND_ROW_BYTES, HAND_ROWS[row].andBits, HAND_ROW_BYTES);
        memcpy(xorPlane + row * HAND_ROW_BYTES, HAND_ROWS[row].xorBits, HAND_ROW_BYTES);
    }
    return CreateCursor(instance, HAND_HOT_X, HAND_HOT_Y, HAND_SIZE, HAND_SIZE, andPlane, xorPlane);
}

void CALLBACK LinkLabelTimerProc(HWND hwnd, UINT, UINT_PTR idEvent, DWORD)
{
    if (IsCursorInClient(hwnd)) {
        return;
    }
    KillTimer(hwnd, idEvent);
    LinkLabelNotifyParent(hwnd, LLN_MOUSELEAVE, 0, 0);
}

}  // namespace

bool LinkLabelAttach(HWND control)
{
    // A second attach would record this procedure as the previous one (every
    // message passed on would recurse without end) and leak the first font
    // and cursor.
    if (OriginalProc(control) != nullptr) {
        return false;
    }
    HFONT font = LinkLabelCreateFont(control);
    if (font == nullptr) {
        return false;
    }
    HCURSOR cursor = CreateHandCursor(GetModuleHandleA(nullptr));
    if (cursor == nullptr) {
        DeleteObject(font);
        return false;
    }
    const LONG_PTR previous =
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkLabelWndProc));
    SetPropA(control, LLPROP_ORIGINALPROC, reinterpret_cast<HANDLE>(previous));
    SetPropA(control, LLPROP_CONTROLSTATE, nullptr);
    SetPropA(control, LLPROP_CURSOR, cursor);
    SetPropA(control, LLPROP_FONT, font);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return true;
}

void LinkLabelNotifyParent(HWND control, UINT code, WPARAM wParam, LPARAM lParam)
{
    NMLINKLABEL info;
    memset(&info, 0, sizeof info);
    info.hdr.hwndFrom = control;
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    info.hdr.code = code;
    if (code == LLN_MOUSEHOVER) {
        info.wParam = wParam;
        info.lParam = lParam;
    }
    SendMessageA(GetParent(control), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
}

LRESULT CALLBACK LinkLabelWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_PAINT:
            return Paint(hwnd);
        case WM_SETCURSOR: {
            HCURSOR cursor = static_cast<HCURSOR>(GetPropA(hwnd, LLPROP_CURSOR));
            if (cursor != nullptr) {
                SetCursor(cursor);
            }
            return TRUE;
        }
        case WM_NCHITTEST:
            // A static without the notify style is transparent to the mouse.
            if (IsCursorInClient(hwnd)) {
                return HTCLIENT;
            }
            break;
        case WM_MOUSEMOVE:
            if (IsCursorInClient(hwnd)) {
                // Re-armed on every move; it stops itself once the cursor is out.
                SetTimer(hwnd, LEAVE_TIMER_ID, LEAVE_TIMER_PERIOD, LinkLabelTimerProc);
                LinkLabelNotifyParent(hwnd, LLN_MOUSEHOVER, wParam, lParam);
            }
            break;
        case WM_LBUTTONDOWN:
            SetCapture(hwnd);
            WndInvalidate(hwnd);
            break;
        case WM_LBUTTONUP:
            return OnButtonUp(hwnd, msg, wParam, lParam);
        case WM_NOTIFY:
            return OnNotify(hwnd, msg, wParam, lParam);
        case WM_DESTROY:
            return Detach(hwnd, wParam, lParam);
    }
    return PassOn(hwnd, msg, wParam, lParam);
}
