#include "ui/geometry.h"

#include <stdlib.h>

namespace {

// A window counts as a child only when its parent really contains it: an owned
// dialog has GetParent == owner but is not IsChild of it.
HWND ChildParent(HWND hwnd)
{
    HWND parent = GetParent(hwnd);
    if (parent != nullptr && IsChild(parent, hwnd)) {
        return parent;
    }
    return nullptr;
}

// Screen point to the coordinates SetWindowPos expects for hwnd.
void ToPlacementSpace(HWND hwnd, POINT* pt)
{
    HWND parent = ChildParent(hwnd);
    if (parent != nullptr) {
        ScreenToClient(parent, pt);
    }
}

// A failed GetWindowRect writes nothing: start from zeros.
RECT OuterRect(HWND hwnd)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(hwnd, &rect);
    return rect;
}

void PointOffset(POINT* pair, int dx, int dy)
{
    pair->x += dx;
    pair->y += dy;
}

// x, y in the space SetWindowPos expects (parent client for a child).
bool WndMoveTo(HWND hwnd, int x, int y)
{
    return SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE) != 0;
}

}  // namespace

void WndGetPos(HWND hwnd, POINT* out)
{
    const RECT rect = OuterRect(hwnd);
    out->x = rect.left;
    out->y = rect.top;
}

void WndGetSize(HWND hwnd, SIZE* out)
{
    const RECT rect = OuterRect(hwnd);
    out->cx = rect.right - rect.left;
    out->cy = rect.bottom - rect.top;
}

int WndGetWidth(HWND hwnd)
{
    SIZE size;
    WndGetSize(hwnd, &size);
    return size.cx;
}

int WndGetHeight(HWND hwnd)
{
    SIZE size;
    WndGetSize(hwnd, &size);
    return size.cy;
}

int WndGetTop(HWND hwnd)
{
    POINT pos;
    WndGetPos(hwnd, &pos);
    return pos.y;
}

int WndGetBottom(HWND hwnd)
{
    return WndGetTop(hwnd) + WndGetHeight(hwnd);
}

int DlgItemTop(HWND hDlg, int id)
{
    return WndGetTop(GetDlgItem(hDlg, id));
}

int DlgItemBottom(HWND hDlg, int id)
{
    return WndGetBottom(GetDlgItem(hDlg, id));
}

void WndOffsetFrom(HWND hwnd, POINT* pt)
{
    POINT origin;
    WndGetPos(hwnd, &origin);
    PointOffset(pt, -origin.x, -origin.y);
}

bool WndResizeTo(HWND hwnd, int cx, int cy)
{
    return SetWindowPos(hwnd, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE) != 0;
}

bool WndMoveBy(HWND hwnd, int dx, int dy)
{
    POINT pos;
    WndGetPos(hwnd, &pos);
    ToPlacementSpace(hwnd, &pos);
    return WndMoveTo(hwnd, pos.x + dx, pos.y + dy);
}

bool DlgItemMoveBy(HWND hDlg, int id, int dy)
{
    return WndMoveBy(GetDlgItem(hDlg, id), 0, dy);
}

bool WndResizeBy(HWND hwnd, int dcx, int dcy)
{
    SIZE size;
    WndGetSize(hwnd, &size);
    return WndResizeTo(hwnd, size.cx + dcx, size.cy + dcy);
}

void DeferMoveResizeBy(HDWP* batch, HWND hDlg, int id, int dx, int dy, int dcx, int dcy)
{
    HWND item = GetDlgItem(hDlg, id);
    POINT pos;
    SIZE size;
    WndGetPos(item, &pos);
    ToPlacementSpace(item, &pos);
    WndGetSize(item, &size);
    // On failure DeferWindowPos has already freed the batch: keep its null.
    *batch = DeferWindowPos(*batch, item, nullptr, pos.x + dx, pos.y + dy, size.cx + dcx,
                            size.cy + dcy, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// Left and top last: a window larger than the area keeps its caption and
// left edge reachable and runs over on the right and bottom.
void ClampIntoArea(POINT* p, const SIZE& size, const RECT& area)
{
    if (p->x + size.cx > area.right) {
        p->x = area.right - size.cx;
    }
    if (p->x < area.left) {
        p->x = area.left;
    }
    if (p->y + size.cy > area.bottom) {
        p->y = area.bottom - size.cy;
    }
    if (p->y < area.top) {
        p->y = area.top;
    }
}

}  // namespace

void WndCenterOnCursor(HWND hwnd)
{
    SIZE size;
    WndGetSize(hwnd, &size);
    POINT p = {0, 0};
    GetCursorPos(&p);
    PointOffset(&p, -(size.cx / 2), -(size.cy / 2));

    RECT area;
    if (!GetWorkArea(&area)) {
        SetRect(&area, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    ClampIntoArea(&p, size, area);
    ToPlacementSpace(hwnd, &p);
    WndMoveTo(hwnd, p.x, p.y);
}

void WndKeepInWorkArea(HWND hwnd)
{
    MONITORINFO monitor;
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    POINT p;
    SIZE size;
    WndGetPos(hwnd, &p);
    WndGetSize(hwnd, &size);
    const POINT was = p;
    ClampIntoArea(&p, size, monitor.rcWork);
    if (p.x != was.x || p.y != was.y) {
        WndMoveTo(hwnd, p.x, p.y);
    }
}

bool WndShow(HWND hwnd, bool show)
{
    return ShowWindow(hwnd, show ? SW_SHOWNA : SW_HIDE) != 0;
}

bool DlgItemShow(HWND hDlg, int id, bool show)
{
    return WndShow(GetDlgItem(hDlg, id), show);
}

bool DlgItemEnable(HWND hDlg, int id, bool enable)
{
    return EnableWindow(GetDlgItem(hDlg, id), enable) != 0;
}

bool IsLiveWindow(HWND hwnd)
{
    return hwnd != nullptr && IsWindow(hwnd) != 0;
}

bool IsLiveDlgItem(HWND hDlg, int id)
{
    return IsLiveWindow(hDlg) && IsLiveWindow(GetDlgItem(hDlg, id));
}

bool WndInvalidate(HWND hwnd)
{
    return InvalidateRect(hwnd, nullptr, FALSE) != 0;
}

LRESULT SetWindowIcon(HWND hwnd, WPARAM which, HICON icon)
{
    return SendMessageA(hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

char* WndGetTextAlloc(HWND hwnd)
{
    const int length = GetWindowTextLengthA(hwnd);
    const size_t capacity = static_cast<size_t>(length > 0 ? length : 0) + 1;
    char* text = static_cast<char*>(malloc(capacity));
    if (text == nullptr) {
        return nullptr;
    }
    // GetWindowTextA may fail before it writes the terminator.
    text[0] = 0;
    GetWindowTextA(hwnd, text, static_cast<int>(capacity));
    text[capacity - 1] = 0;
    return text;
}

bool WndGetFontInfo(HWND hwnd, LOGFONTA* out)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    if (font == nullptr) {
        return false;
    }
    return GetObjectA(font, sizeof(LOGFONTA), out) == static_cast<int>(sizeof(LOGFONTA));
}

bool GetCursorClientPos(HWND hwnd, POINT* out)
{
    out->x = 0;
    out->y = 0;
    GetCursorPos(out);
    return ScreenToClient(hwnd, out) != 0;
}

bool IsCursorInClient(HWND hwnd)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(hwnd, &client);
    POINT pt;
    GetCursorClientPos(hwnd, &pt);
    return PtInRect(&client, pt) != 0;
}

bool GetWorkArea(RECT* out)
{
    return SystemParametersInfoA(SPI_GETWORKAREA, 0, out, 0) != 0;
}
