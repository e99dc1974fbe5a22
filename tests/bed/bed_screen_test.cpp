#include <gtest/gtest.h>
#include <windows.h>

#include "support/scratch.h"
#include "support/screen.h"

namespace {

// A minimal dialog template: no items, no menu, system class, a caption.
struct alignas(4) BareTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass;
    WCHAR title[4];
};

INT_PTR CALLBACK BareProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

}  // namespace

// On the screen prefix a dialog has a real window rectangle and real pixels,
// which a screenshot captures.
TEST(ScreenBed, DialogShowsAndIsCaptured)
{
    BareTemplate t = {};
    t.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
    t.header.x = 10;
    t.header.y = 10;
    t.header.cx = 160;
    t.header.cy = 80;
    t.title[0] = L'b';
    t.title[1] = L'e';
    t.title[2] = L'd';
    HWND dlg =
        CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &t.header, nullptr, BareProc, 0);
    ASSERT_NE(nullptr, dlg);
    PumpMessages(300);

    RECT r = {};
    ASSERT_TRUE(GetWindowRect(dlg, &r));
    RECT units = {0, 0, 160, 80};
    MapDialogRect(dlg, &units);
    RECT client = {};
    GetClientRect(dlg, &client);
    EXPECT_EQ(units.right, client.right);
    EXPECT_EQ(units.bottom, client.bottom);
    EXPECT_GT(r.right - r.left, client.right);  // a frame is drawn around it

    // The middle of the client area shows the dialog face colour.
    POINT mid = {client.right / 2, client.bottom / 2};
    ClientToScreen(dlg, &mid);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ScreenPixel(mid.x, mid.y));

    const std::string shot = ShotPath("bed-dialog.bmp");
    ASSERT_TRUE(SaveWindowBitmap(dlg, shot));
    const std::string bytes = ReadFileBytes(shot);
    const size_t stride = ((r.right - r.left) * 3 + 3) & ~3u;
    EXPECT_EQ(54 + stride * (r.bottom - r.top), bytes.size());
    EXPECT_EQ("BM", bytes.substr(0, 2));
    DestroyWindow(dlg);
}
