// The real About box in the headless prefix, driven from inside its modal
// loop. The test programs carry nobo's own version block and icon.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "about/about_layout.h"
#include "about/about_run.h"
#include "about/about_template.h"
#include "about/free_resources.h"
#include "base/mem.h"
#include "support/box_answerer.h"
#include "support/open_handler.h"
#include "support/process.h"
#include "support/scratch.h"
#include "ui/geometry.h"
#include "ui/link_label.h"

namespace {

const AboutBoxParams PARAMS = {"http://nobo.example.com/about-test"};
const char STUB[] = "stub\\rsrc32.dll";  // beside the tests
HICON g_icons[2];

int TextWidth(HWND hwnd)
{
    const std::string text = WindowTextA(hwnd);
    SIZE size = {};
    HDC dc = GetDC(hwnd);
    SelectObject(dc, (HFONT)SendMessageA(hwnd, WM_GETFONT, 0, 0));
    GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &size);
    ReleaseDC(hwnd, dc);
    return size.cx;
}

INT_PTR CALLBACK PlainProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

// The About box's template under a procedure that does nothing of its own.
HWND MakePlainAboutDialog()
{
    void* block = BuildAboutTemplate();
    HWND dlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), (LPCDLGTEMPLATEA)block,
                                          nullptr, PlainProc, 0);
    MemFree(block);
    return dlg;
}

void CheckOpenBox(HWND box)
{
    EXPECT_EQ("nobo について", WindowTextA(box));
    EXPECT_EQ("nobo ver. 0.01", WindowTextA(GetDlgItem(box, IDC_ABOUT_PRODUCT)));
    HWND link = GetDlgItem(box, IDC_ABOUT_LINK);
    EXPECT_EQ(PARAMS.url, WindowTextA(link));
    // No rsrc32.dll: empty, still one dialog unit wide.
    RECT unit = {0, 0, 1, 8};
    MapDialogRect(box, &unit);
    EXPECT_EQ("", WindowTextA(GetDlgItem(box, IDC_ABOUT_RESOURCES)));
    EXPECT_EQ(unit.right, WndGetWidth(GetDlgItem(box, IDC_ABOUT_RESOURCES)));
    EXPECT_NE(nullptr, GetPropA(box, PROP_ABOUTDIALOGDATA));
    g_icons[0] = (HICON)SendMessageA(box, WM_GETICON, ICON_BIG, 0);
    g_icons[1] = (HICON)SendMessageA(box, WM_GETICON, ICON_SMALL, 0);
    EXPECT_EQ(g_icons[0], (HICON)SendDlgItemMessageA(box, IDC_ABOUT_ICON, STM_GETICON, 0, 0));
    HWND tip = FindWindowA(TOOLTIPS_CLASSA, nullptr);
    EXPECT_EQ(box, GetWindow(tip, GW_OWNER));
    EXPECT_EQ(1, SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    char text[80] = "";
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.lpszText = text;
    SendMessageA(tip, TTM_ENUMTOOLSA, 0, (LPARAM)&info);
    EXPECT_STREQ("サポートサイトへ", text);
    EXPECT_EQ((UINT_PTR)link, info.uId);
    EXPECT_EQ((UINT)(TTF_IDISHWND | TTF_SUBCLASS), info.uFlags);

    // A second request only brings this box forward: no new box, no new icons.
    EXPECT_EQ(0, RunAboutBox(nullptr, &PARAMS));
    EXPECT_EQ(box, GetAboutBoxWindow());
    EXPECT_EQ(g_icons[0], (HICON)SendMessageA(box, WM_GETICON, ICON_BIG, 0));
    // The background drags the box; outside stays outside.
    POINT inside = {2, 2};
    ClientToScreen(box, &inside);
    EXPECT_EQ(HTCAPTION, SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)));
    EXPECT_EQ(HTNOWHERE, SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(inside.x - 50, inside.y)));
    // Hover from the link goes back to it (and lights it); under another id,
    // or from another sender (the box itself would recurse), it does not.
    POINT inLink = {1, 1};
    ClientToScreen(link, &inLink);
    SetCursorPos(inLink.x, inLink.y);
    const struct {
        UINT_PTR id;
        HWND from;
        INT_PTR result;
        UINT_PTR hot;
    } notices[] = {{102, link, 0, 1}, {103, link, TRUE, 0}, {102, box, TRUE, 0}};
    for (const auto& n : notices) {
        LinkLabelNotifyParent(link, LLN_MOUSELEAVE, 0, 0);
        NMLINKLABEL hover = {{n.from, n.id, LLN_MOUSEHOVER}, 0, 0};
        EXPECT_EQ(n.result, AboutDlgProc(box, WM_NOTIFY, n.id, (LPARAM)&hover)) << n.id;
        EXPECT_EQ(n.hot, (UINT_PTR)GetPropA(link, "LLPROP_CONTROLSTATE")) << n.id;
    }
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

TEST(AboutBox, ShowsItsPartsAnswersThenCleansUp)
{
    EXPECT_EQ(IDCANCEL, RunAboutWith(CheckOpenBox, &PARAMS));
    EXPECT_EQ(nullptr, GetAboutBoxWindow());
    EXPECT_EQ(nullptr, FindWindowA(TOOLTIPS_CLASSA, nullptr));  // gone with its owner
    for (HICON icon : g_icons) {
        ICONINFO info = {};
        ASSERT_NE(nullptr, icon);
        EXPECT_FALSE(GetIconInfo(icon, &info));  // destroyed
    }
}

TEST(AboutBox, EndsWithEnterEscOrTheLink)
{
    RecordingOpenHandler handler({"http"});
    const struct {
        void (*act)(HWND box);
        INT_PTR result;
    } endings[] = {
        {[](HWND box) { PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0); }, IDOK},
        {[](HWND box) { PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0); }, IDCANCEL},
        {[](HWND box) { LinkLabelNotifyParent(GetDlgItem(box, 102), LLN_CLICKED, 0, 0); }, IDOK},
    };
    for (const auto& ending : endings) EXPECT_EQ(ending.result, RunAboutWith(ending.act, &PARAMS));
    EXPECT_EQ(std::string(PARAMS.url) + "\n", handler.Opened(1));
}

// Only the system folder's copy counts; the others are what a bare
// LoadLibraryA finds, which is what makes them dangerous.
TEST(FreeSystemResources, OnlyTheSystemFolderCopyIsLoaded)
{
    ScratchDir current("cwd");
    char system[MAX_PATH], saved[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, saved);
    SetCurrentDirectoryA(current.Path().c_str());
    const struct {
        std::string path;
        bool loaded;
    } places[] = {{std::string(system) + "\\rsrc32.dll", true},
                  {BesideTest("rsrc32.dll"), false},
                  {current / "rsrc32.dll", false}};
    for (const auto& place : places) {
        SCOPED_TRACE(place.path);
        int percent = 0;
        EXPECT_FALSE(GetFreeSystemResources(&percent));
        EXPECT_TRUE(CopyFileA(BesideTest(STUB).c_str(), place.path.c_str(), FALSE));
        HMODULE bare = LoadLibraryA("rsrc32.dll");
        EXPECT_NE(nullptr, bare);
        FreeLibrary(bare);
        EXPECT_EQ(place.loaded, GetFreeSystemResources(&percent));
        EXPECT_EQ(place.loaded ? 85 : 0, percent);
        EXPECT_EQ(place.loaded, GetFreeSystemResources(nullptr));
        if (place.loaded) {
            RunAboutWith(
                [](HWND box) {
                    HWND line = GetDlgItem(box, IDC_ABOUT_RESOURCES);
                    EXPECT_EQ("システムリソース： 85 ％使用可能", WindowTextA(line));
                    EXPECT_EQ(TextWidth(line), WndGetWidth(line));
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
                },
                &PARAMS);
        }
        EXPECT_TRUE(DeleteFileA(place.path.c_str()));
    }
    SetCurrentDirectoryA(saved);
}

TEST(AboutBox, FallsBackToTheFileDescription)
{
    HMODULE stub = LoadLibraryA(BesideTest(STUB).c_str());
    HWND dlg = MakePlainAboutDialog();
    EXPECT_TRUE(AboutSetVersionTexts(dlg, stub));
    EXPECT_EQ("probe ver. 9.87", WindowTextA(GetDlgItem(dlg, IDC_ABOUT_PRODUCT)));
    EXPECT_EQ("probe について", WindowTextA(dlg));
    DestroyWindow(dlg);
    FreeLibrary(stub);
}

// Expected sizes come from the statics' own measured widths and texts.
TEST(AboutAutoSize, WidensByTheLargestGrowthAndCentresOk)
{
    const char* const cases[][3] = {{"ab", "a line much longer than the others", ""},
                                    {"the longest line of the three here", "short", "middle one"},
                                    {"", "", ""}};
    for (const auto& texts : cases) {
        SCOPED_TRACE(texts[0]);
        HWND dlg = MakePlainAboutDialog();
        HWND ok = GetDlgItem(dlg, IDOK);
        POINT dlgBefore, okBefore, dlgAfter, okAfter;
        WndGetPos(dlg, &dlgBefore);
        WndGetPos(ok, &okBefore);
        const int width = WndGetWidth(dlg);
        int wanted[3], largest = 0;
        for (int i = 0; i < 3; ++i) {
            HWND item = GetDlgItem(dlg, IDC_ABOUT_PRODUCT + i);
            SetWindowTextA(item, texts[i]);
            wanted[i] = std::max(WndGetWidth(item), TextWidth(item));
            largest = std::max(largest, wanted[i] - WndGetWidth(item));
        }
        AboutAutoSize(dlg);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(wanted[i], WndGetWidth(GetDlgItem(dlg, 101 + i)));
        WndGetPos(dlg, &dlgAfter);
        WndGetPos(ok, &okAfter);
        EXPECT_EQ(width + largest, WndGetWidth(dlg));
        EXPECT_EQ(dlgBefore.x, dlgAfter.x);
        EXPECT_EQ(okBefore.y, okAfter.y);
        EXPECT_EQ(largest ? (WndGetWidth(dlg) - WndGetWidth(ok)) / 2 : okBefore.x - dlgBefore.x,
                  okAfter.x - dlgAfter.x);
        DestroyWindow(dlg);
    }
}

}  // namespace
