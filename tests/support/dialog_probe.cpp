#include "support/dialog_probe.h"

#include "base/mem.h"
#include "support/box_answerer.h"

bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != 0;
}

void PrintTo(const RECT& r, std::ostream* out)
{
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

// Asked, not read: another process's edit keeps its live text to itself.
std::string ItemText(HWND dlg, int id)
{
    HWND item = GetDlgItem(dlg, id);
    std::string text(SendMessageA(item, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    text.resize(SendMessageA(item, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
    return text;
}

void ClickItem(HWND dlg, int id)
{
    SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
}

LONG_PTR ItemStyle(HWND dlg, int id)
{
    return GetWindowLongPtrA(GetDlgItem(dlg, id), GWL_STYLE);
}

RECT ItemPlacement(HWND dlg, int id)
{
    RECT r = {};
    GetWindowRect(GetDlgItem(dlg, id), &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

RECT UnitsToPixels(HWND dlg, RECT units)
{
    MapDialogRect(dlg, &units);
    return units;
}

SIZE OuterSize(HWND hwnd)
{
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void ResizeTo(HWND hwnd, int cx, int cy)
{
    SetWindowPos(hwnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TabOrder(HWND dlg)
{
    std::string order;
    HWND first = GetNextDlgTabItem(dlg, nullptr, FALSE);
    HWND at = first;
    for (int i = 0; at && i < 100; ++i) {
        order += (order.empty() ? "" : " ") + std::to_string(GetDlgCtrlID(at));
        at = GetNextDlgTabItem(dlg, at, FALSE);
        if (at == first) break;
    }
    return order;
}

std::string DescribeMenuItems(HMENU menu, int first, int count)
{
    std::string items;
    for (int i = first; first >= 0 && i < first + count; ++i) {
        char text[128] = "";
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const bool separator = GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR;
        items += std::to_string(GetMenuItemID(menu, i)) + (separator ? "-" : text) + " ";
    }
    return items;
}

int MenuItemPosition(HMENU menu, UINT id)
{
    for (int pos = 0; pos < GetMenuItemCount(menu); ++pos)
        if (GetMenuItemID(menu, pos) == id) return pos;
    return -1;
}

namespace {

struct TopWindowSearch {
    DWORD pid;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM p)
{
    TopWindowSearch& s = *reinterpret_cast<TopWindowSearch*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s.pid && IsWindowVisible(hwnd) && WindowTextA(hwnd) == *s.caption) s.found = hwnd;
    return !s.found;
}

}  // namespace

HWND FindTopWindow(DWORD processId, const std::string& caption)
{
    TopWindowSearch s = {processId, &caption, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

int FocusedItemId(HWND dlg)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dlg, nullptr), &info) || !info.hwndFocus ||
        GetParent(info.hwndFocus) != dlg)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

void DispatchPosted(HWND hwnd)
{
    MSG m;
    while (IsWindowVisible(hwnd) && PeekMessageA(&m, hwnd, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

HWND OpenTemplateDialog(DWORD style, int cx, int cy, const DialogItemSpec* items, int count,
                        HWND owner, DLGPROC proc, int x, int y)
{
    const DialogHeaderSpec header = {
        style | DS_SETFONT, 0, (uint16_t)count, 0, 0, (int16_t)cx, (int16_t)cy, 0, u"test", 0,
        u"MS Shell Dlg",    8};
    void* block = BuildDialogTemplate(&header, items);
    HWND dlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), (LPCDLGTEMPLATEA)block, owner,
                                          proc, 0);
    MemFree(block);
    if (dlg != nullptr) {
        SetWindowPos(dlg, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    }
    return dlg;
}

bool PutCursorOn(HWND hwnd, const ClientSpot& spot, POINT* at)
{
    RECT client = {};
    GetClientRect(hwnd, &client);
    POINT pt = {(spot.fromRight ? client.right : 0) + spot.x,
                (spot.fromBottom ? client.bottom : 0) + spot.y};
    if (at != nullptr) {
        *at = pt;
    }
    ClientToScreen(hwnd, &pt);
    SetCursorPos(pt.x, pt.y);
    POINT seen = {};
    GetCursorPos(&seen);
    return seen.x == pt.x && seen.y == pt.y;
}
