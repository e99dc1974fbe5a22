// The setup dialog's layout on the real nobo.exe, seen from outside: relations
// between its controls, its size and the work area, never pixel values.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "resource.h"
#include "support/program.h"

static bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

namespace {

struct Kind {
    int details;
    int band[7];  // shown and hidden with the details
};
const Kind kKinds[] = {
    {IDC_FILE_DETAILS,
     {IDC_FILE_TARGET, IDC_FILE_TARGET_LABEL, IDC_FILE_MENU, IDC_FILE_MENU_LABEL, IDC_FILE_COMMAND,
      IDC_FILE_COMMAND_LABEL, IDC_FILE_GROUP}},
    {IDC_DIR_DETAILS,
     {IDC_DIR_TARGET, IDC_DIR_TARGET_LABEL, IDC_DIR_MENU, IDC_DIR_MENU_LABEL, IDC_DIR_COMMAND,
      IDC_DIR_COMMAND_LABEL, IDC_DIR_GROUP}},
};

bool In(const Kind& kind, int id)
{
    return std::find(kind.band, kind.band + 7, id) != kind.band + 7;
}

RECT Rect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

bool Inside(const RECT& r, const RECT& area)
{
    RECT both;
    return IntersectRect(&both, &r, &area) && EqualRect(&both, &r);
}

// Each control's rectangle in the dialog's client area.
std::map<int, RECT> Layout(HWND dlg)
{
    std::map<int, RECT> all;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r = Rect(c);
        MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
        all[GetDlgCtrlID(c)] = r;
    }
    return all;
}

// The shown controls that leave the client area or overlap another one,
// unless it holds them whole (a group box its fields).
std::string Misplaced(HWND dlg)
{
    RECT client;
    GetClientRect(dlg, &client);
    std::string wrong;
    const std::map<int, RECT> all = Layout(dlg);
    for (const auto& [id, r] : all) {
        if (!IsWindowVisible(GetDlgItem(dlg, id))) continue;
        if (!Inside(r, client)) wrong += std::to_string(id) + " ";
        for (const auto& [other, o] : all) {
            RECT both;
            if (other != id && IsWindowVisible(GetDlgItem(dlg, other)) && !Inside(r, o) &&
                !Inside(o, r) && IntersectRect(&both, &r, &o))
                wrong += std::to_string(id) + "/" + std::to_string(other) + " ";
        }
    }
    return wrong;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam = 0)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}

SIZE Size(HWND window)
{
    const RECT r = Rect(window);
    return {r.right - r.left, r.bottom - r.top};
}

// The dialog asked to take this size; the size it took.
SIZE Resize(HWND dlg, int cx, int cy)
{
    SetWindowPos(dlg, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return Size(dlg);
}

}  // namespace

TEST(AssocLayout, DetailsMoveWhatLiesBelowAndTheDialogStaysInTheWorkArea)
{
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    // Opened centred on the mouse, in the work area's corner: no room to grow.
    SetCursorPos(area.right - 1, area.bottom - 1);
    Program nobo(NoboLine(""));
    HWND dlg = nobo.Next("nobo の関連づけ");
    ASSERT_TRUE(dlg);
    EXPECT_TRUE(Inside(Rect(dlg), area));
    EXPECT_EQ(area.right, Rect(dlg).right);
    EXPECT_EQ("", Misplaced(dlg));
    const std::map<int, RECT> opened = Layout(dlg);
    const SIZE initial = Size(dlg);
    const std::string menu = ItemText(dlg, IDC_FILE_MENU);

    // Collapsed, the width is fixed: wider or taller is refused.
    EXPECT_EQ(initial.cx, Resize(dlg, initial.cx + 40, initial.cy + 30).cx);
    EXPECT_EQ(initial.cy, Size(dlg).cy);

    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.details);
        const int band = opened.at(kind.band[6]).bottom - opened.at(kind.details).bottom;
        Send(GetDlgItem(dlg, kind.details), BM_CLICK, 0);
        EXPECT_EQ("<< 詳細", ItemText(dlg, kind.details));
        for (int id : kind.band) EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, id))) << id;
        // Only what lies below the details button moves, by the band.
        const std::map<int, RECT> expanded = Layout(dlg);
        for (const auto& [id, r] : opened) {
            const bool own = In(kind, id);
            if (!own && (In(kKinds[0], id) || In(kKinds[1], id))) continue;  // hidden
            const bool below = !own && r.top >= opened.at(kind.details).bottom;
            EXPECT_EQ(r.top + (below ? band : 0), expanded.at(id).top) << id;
        }
        EXPECT_EQ(initial.cy + band, Size(dlg).cy);
        EXPECT_EQ(2 * initial.cx, Size(dlg).cx);
        EXPECT_TRUE(Inside(Rect(dlg), area));
        EXPECT_EQ("", Misplaced(dlg));

        // Expanded: no narrower than twice the initial width, wider at will;
        // the height stays.
        EXPECT_EQ(2 * initial.cx, Resize(dlg, initial.cx, initial.cy).cx);
        EXPECT_EQ(2 * initial.cx + 50, Resize(dlg, 2 * initial.cx + 50, initial.cy).cx);
        EXPECT_EQ(initial.cy + band, Size(dlg).cy);
        EXPECT_EQ("", Misplaced(dlg));

        // Minimised and restored, reset from the system menu: nothing moves.
        const std::map<int, RECT> wide = Layout(dlg);
        ShowWindow(dlg, SW_MINIMIZE);
        EXPECT_TRUE(IsIconic(dlg));
        ShowWindow(dlg, SW_RESTORE);
        Send(GetDlgItem(dlg, IDC_FILE_MENU), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));
        Send(dlg, WM_SYSCOMMAND, IDM_RESET_SETTINGS);
        EXPECT_EQ(menu, ItemText(dlg, IDC_FILE_MENU));
        EXPECT_TRUE(wide == Layout(dlg));

        Send(GetDlgItem(dlg, kind.details), BM_CLICK, 0);
        EXPECT_EQ("詳細 >>", ItemText(dlg, kind.details));
        EXPECT_TRUE(opened == Layout(dlg));
        EXPECT_EQ(initial.cx, Size(dlg).cx);
        EXPECT_EQ(initial.cy, Size(dlg).cy);
    }

    // The background drags the dialog; only the side edges and corners size it.
    const RECT r = Rect(dlg);
    RECT client;
    GetClientRect(dlg, &client);
    POINT background = {client.left + 2, client.top + 2};
    EXPECT_EQ(dlg, ChildWindowFromPoint(dlg, background));
    ClientToScreen(dlg, &background);
    const struct {
        LONG x, y;
        LRESULT hit;
    } spots[] = {{background.x, background.y, HTCAPTION},
                 {r.left, (r.top + r.bottom) / 2, HTLEFT},
                 {r.right - 1, r.bottom - 1, HTRIGHT},
                 {(r.left + r.right) / 2, r.bottom - 1, HTBORDER}};
    for (const auto& spot : spots)
        EXPECT_EQ(spot.hit, Send(dlg, WM_NCHITTEST, 0, MAKELPARAM(spot.x, spot.y)))
            << spot.x << "," << spot.y;
    Press(dlg, IDCANCEL);
    EXPECT_EQ(0, nobo.Wait());
}
