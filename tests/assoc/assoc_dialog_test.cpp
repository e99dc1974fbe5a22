// The association dialog opened for real and driven through its messages.
// Expected pixels come from the dialog's own template mapped by MapDialogRect.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "assoc/assoc_dialog.h"
#include "assoc/settings_io.h"
#include "resource.h"
#include "support/box_answerer.h"
#include "support/dialog_resource.h"
#include "support/modal.h"
#include "support/process.h"
#include "support/registry.h"

namespace {

const char* const kDetailsText[2] = {"詳細 >>", "<< 詳細"};  // collapsed, expanded
const int kEnable[2] = {IDC_FILE_ENABLE, IDC_DIR_ENABLE};
const int kDetails[2] = {IDC_FILE_DETAILS, IDC_DIR_DETAILS};
const int kTarget[2] = {IDC_FILE_TARGET, IDC_DIR_TARGET};
const int kMenu[2] = {IDC_FILE_MENU, IDC_DIR_MENU};
const int kCommand[2] = {IDC_FILE_COMMAND, IDC_DIR_COMMAND};

const DialogResource& Template()
{
    static const DialogResource t = ReadDialogResource(GetModuleHandleA(nullptr), IDD_ASSOCIATION);
    return t;
}

std::string Text(HWND dlg, int id)
{
    return WindowTextA(GetDlgItem(dlg, id));
}

LONG_PTR Style(HWND dlg, int id)
{
    return GetWindowLongPtrA(GetDlgItem(dlg, id), GWL_STYLE);
}

void Click(HWND dlg, int id)
{
    SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
}

// One of kind k's seven detail controls (ids 11xx files, 12xx folders).
bool IsDetail(DWORD id, int k)
{
    return id / 100 == 11u + k && id != (DWORD)kEnable[k] && id != (DWORD)kDetails[k];
}

// x, y in the client area, cx, cy.
RECT Placed(HWND dlg, int id)
{
    RECT r = {};
    GetWindowRect(GetDlgItem(dlg, id), &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

RECT Pixels(HWND dlg, RECT units)
{
    MapDialogRect(dlg, &units);
    return units;
}

RECT TemplatePixels(HWND dlg, int id)
{
    for (const DialogResourceItem& item : Template().items)
        if (item.id == (DWORD)id) return Pixels(dlg, item.units);
    return {};
}

// The band a kind's details take: details button bottom to group box bottom.
int Band(HWND dlg, int k)
{
    const RECT button = TemplatePixels(dlg, kDetails[k]);
    const RECT group = TemplatePixels(dlg, k ? IDC_DIR_GROUP : IDC_FILE_GROUP);
    return group.top + group.bottom - button.top - button.bottom;
}

// Everything the template places, for the kinds expanded in mask and a client
// area wider than the template by gain.
void ExpectLayout(HWND dlg, unsigned mask, int gain)
{
    const int up[2] = {mask & 1 ? 0 : Band(dlg, 0), mask & 2 ? 0 : Band(dlg, 1)};
    for (const DialogResourceItem& item : Template().items) {
        RECT want = Pixels(dlg, item.units);
        if (item.id / 100 == 12) want.top -= up[0];
        if (item.id == IDOK || item.id == IDCANCEL) want.top -= up[0] + up[1];
        const bool button = item.className == "BUTTON";
        const DWORD type = item.style & BS_TYPEMASK;
        if (button && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) want.left += gain;
        if (item.className == "EDIT" || (button && type == BS_GROUPBOX)) want.right += gain;
        const RECT got = Placed(dlg, item.id);
        EXPECT_TRUE(EqualRect(&want, &got))
            << "control " << item.id << " mask " << mask << ": " << got.left << "," << got.top
            << " " << got.right << "x" << got.bottom << ", expected " << want.left << ","
            << want.top << " " << want.right << "x" << want.bottom;
        const bool hidden = (IsDetail(item.id, 0) && !(mask & 1)) || (IsDetail(item.id, 1) && !(mask & 2));
        EXPECT_EQ(!hidden, (Style(dlg, item.id) & WS_VISIBLE) != 0) << item.id;
    }
    for (int k = 0; k < 2; ++k) EXPECT_EQ(kDetailsText[(mask >> k) & 1], Text(dlg, kDetails[k]));
    const RECT full = Pixels(dlg, Template().units);
    RECT client = {};
    GetClientRect(dlg, &client);
    EXPECT_EQ(full.right + gain, client.right) << "mask " << mask;
    EXPECT_EQ(full.bottom - up[0] - up[1], client.bottom) << "mask " << mask;
}

// Detail controls enabled exactly for the kinds in mask, everything else always.
void ExpectEnabled(HWND dlg, unsigned mask)
{
    for (const DialogResourceItem& item : Template().items) {
        const bool off = (IsDetail(item.id, 0) && !(mask & 1)) || (IsDetail(item.id, 1) && !(mask & 2));
        EXPECT_EQ(!off, IsWindowEnabled(GetDlgItem(dlg, item.id)) != 0) << item.id << " mask " << mask;
    }
}

SIZE OuterSize(HWND dlg)
{
    RECT r = {};
    GetWindowRect(dlg, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void SizeTo(HWND dlg, int cx, int cy)
{
    SetWindowPos(dlg, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string DefaultCommandLine()
{
    char line[ASSOC_COMMAND_LINE_SIZE];
    BuildDefaultCommandLine(line);
    return line;
}

class AssocDialog : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Template().found);
        for (int k = 0; k < 2; ++k) ASSERT_FALSE(kinds_.Target(k).empty()) << "the prefix lacks a class";
    }
    // Stored as REG_EXPAND_SZ: a rewrite, even with the same texts, shows as REG_SZ.
    void Register(int k, const std::string& menu, const std::string& command)
    {
        ASSERT_TRUE(RegTestSetValue(kinds_.VerbPath(k), nullptr, REG_EXPAND_SZ, menu + '\0'));
        ASSERT_TRUE(RegTestSetValue(kinds_.CommandPath(k), nullptr, REG_EXPAND_SZ, command + '\0'));
    }
    // Opens the dialog, runs body on it and gives ShowAssociationDialog's result.
    bool Open(const std::function<void(HWND)>& body)
    {
        bool ok = false;
        EXPECT_TRUE(DriveModal([&] { ok = ShowAssociationDialog(); }, body)) << "no dialog";
        return ok;
    }
    RealKindClasses kinds_;
};

}  // namespace

TEST(AssocDialogResource, NoboExeHoldsTheDialogAsDesigned)
{
    HMODULE exe = LoadLibraryExA(BesideTest("nobo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, exe);
    const DialogResource d = ReadDialogResource(exe, IDD_ASSOCIATION, 0x0411);
    FreeLibrary(exe);
    ASSERT_TRUE(d.found);
    EXPECT_EQ(DWORD(WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT),
              d.style);
    EXPECT_EQ(0u, d.exStyle);
    EXPECT_TRUE(d.units.left == 0 && d.units.top == 0 && d.units.right == 139 && d.units.bottom == 216);
    EXPECT_EQ("", d.menu);
    EXPECT_EQ("", d.className);
    EXPECT_EQ("nobo の関連づけ", d.caption);
    EXPECT_TRUE(d.pointSize == 9 && d.weight == 0 && d.italic == 0 && d.charset == 0);
    EXPECT_EQ("ＭＳ Ｐゴシック", d.face);
    const DWORD TAB = WS_TABSTOP, GROUP = WS_GROUP, BORDER = WS_BORDER;
    const DWORD EDIT = ES_AUTOHSCROLL | BORDER;
    const struct {
        DWORD id;
        const char* cls;
        const char* text;
        DWORD style;
        RECT units;
    } want[] = {
        {1100, "BUTTON", "* ファイルに関連づける", BS_AUTOCHECKBOX | TAB, {7, 9, 93, 10}},
        {1106, "BUTTON", "<< 詳細", BS_PUSHBUTTON | TAB, {104, 7, 28, 14}},
        {1101, "BUTTON", "", BS_GROUPBOX, {7, 25, 125, 70}},
        {1122, "STATIC", "登録先", SS_RIGHT | GROUP, {23, 41, 22, 8}},
        {1102, "EDIT", "", EDIT | ES_READONLY, {49, 37, 73, 14}},
        {1123, "STATIC", "メニュー", SS_RIGHT | GROUP, {20, 59, 25, 8}},
        {1103, "EDIT", "", EDIT | TAB, {49, 54, 73, 14}},
        {1124, "STATIC", "ｺﾏﾝﾄﾞﾗｲﾝ", SS_RIGHT | GROUP, {15, 77, 30, 8}},
        {1104, "EDIT", "", EDIT | TAB, {49, 73, 73, 14}},
        {1200, "BUTTON", "ディレクトリに関連づける", BS_AUTOCHECKBOX | TAB, {7, 105, 92, 10}},
        {1206, "BUTTON", "<< 詳細", BS_PUSHBUTTON | TAB, {104, 103, 28, 14}},
        {1201, "BUTTON", "", BS_GROUPBOX, {7, 119, 125, 70}},
        {1222, "STATIC", "登録先", SS_RIGHT | GROUP, {23, 135, 22, 8}},
        {1202, "EDIT", "", EDIT | ES_READONLY, {49, 131, 73, 14}},
        {1223, "STATIC", "メニュー", SS_RIGHT | GROUP, {20, 153, 25, 8}},
        {1203, "EDIT", "", EDIT | TAB, {49, 148, 73, 14}},
        {1224, "STATIC", "ｺﾏﾝﾄﾞﾗｲﾝ", SS_RIGHT | GROUP, {15, 171, 30, 8}},
        {1204, "EDIT", "", EDIT | TAB, {49, 167, 73, 14}},
        {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON | TAB, {32, 197, 50, 14}},
        {IDCANCEL, "BUTTON", "ｷｬﾝｾﾙ", BS_PUSHBUTTON | TAB, {82, 197, 50, 14}},
    };
    ASSERT_EQ(20u, d.items.size());
    for (size_t i = 0; i < 20; ++i) {
        const DialogResourceItem& got = d.items[i];
        SCOPED_TRACE(testing::Message() << "control #" << i + 1);
        EXPECT_EQ(want[i].id, got.id);
        EXPECT_EQ(want[i].cls, got.className);
        EXPECT_EQ(want[i].text, got.text);
        EXPECT_EQ(WS_CHILD | WS_VISIBLE | want[i].style, got.style);
        EXPECT_TRUE(EqualRect(&want[i].units, &got.units));
        EXPECT_EQ(0u, got.exStyle + got.helpId);
    }
}

TEST_F(AssocDialog, OpensCollapsedWithTheDefaultsWhenNothingIsRegistered)
{
    HICON icons[2] = {};
    Open([&](HWND dlg) {
        ExpectLayout(dlg, 0, 0);
        ExpectEnabled(dlg, 0);
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dlg, kEnable[k]));
            EXPECT_EQ("", Text(dlg, kTarget[k]));
            EXPECT_EQ(ASSOC_DEFAULT_MENU_TEXT, Text(dlg, kMenu[k]));
            EXPECT_EQ(DefaultCommandLine(), Text(dlg, kCommand[k]));
            EXPECT_TRUE(Style(dlg, kTarget[k]) & ES_READONLY);
        }
        // Each checkbox switches its own kind's seven detail controls.
        for (unsigned mask : {1u, 3u, 2u, 0u}) {
            Click(dlg, kEnable[(mask == 3 || mask == 0) ? 1 : 0]);
            ExpectEnabled(dlg, mask);
        }
        // Tab skips the read-only targets, also when they show and are enabled.
        for (int k = 0; k < 2; ++k) Click(dlg, kEnable[k]), Click(dlg, kDetails[k]);
        std::string order;
        HWND first = GetNextDlgTabItem(dlg, nullptr, FALSE);
        HWND at = first;
        for (int i = 0; i < 25 && at; ++i) {
            order += std::to_string(GetDlgCtrlID(at)) + " ";
            at = GetNextDlgTabItem(dlg, at, FALSE);
            if (at == first) break;
        }
        EXPECT_EQ("1100 1106 1103 1104 1200 1206 1203 1204 1 2 ", order);
        for (int k = 0; k < 2; ++k)
            icons[k] = (HICON)SendMessageA(dlg, WM_GETICON, k ? ICON_SMALL : ICON_BIG, 0);
    });
    // The window icons lived as long as the dialog and no longer.
    for (HICON icon : icons) {
        ICONINFO info = {};
        EXPECT_NE(nullptr, icon);
        EXPECT_FALSE(GetIconInfo(icon, &info));
    }
}

TEST_F(AssocDialog, DetailsExpandAndCollapseInEveryOrder)
{
    Open([&](HWND dlg) {
        const int initialWidth = OuterSize(dlg).cx;
        unsigned mask = 0;
        for (const char* step = "FFDDFDFDFDDFDFFDDFDF"; *step; ++step) {
            const int k = *step == 'D';
            Click(dlg, kDetails[k]);
            mask ^= 1u << k;
            SCOPED_TRACE(testing::Message() << "step " << step);
            ExpectLayout(dlg, mask, mask ? initialWidth : 0);
            EXPECT_EQ(mask ? 2 * initialWidth : initialWidth, OuterSize(dlg).cx);
        }
    });
}

TEST_F(AssocDialog, SizingKeepsTheHeightAndTheWidthLimits)
{
    Open([&](HWND dlg) {
        const SIZE start = OuterSize(dlg);
        for (SIZE s : {SIZE{start.cx + 40, start.cy + 30}, SIZE{start.cx - 30, start.cy - 20}}) {
            SizeTo(dlg, s.cx, s.cy);
            ExpectLayout(dlg, 0, 0);
        }
        Click(dlg, IDC_FILE_DETAILS);
        const int height = OuterSize(dlg).cy;
        const struct {
            int width;   // asked for, with a taller height
            int gained;  // over the initial width
        } steps[] = {{2 * start.cx + 40, start.cx + 40}, {2 * start.cx - 30, start.cx}, {2 * start.cx + 10, start.cx + 10}};
        for (const auto& step : steps) {
            SizeTo(dlg, step.width, height + 25);
            ExpectLayout(dlg, 1, step.gained);
            EXPECT_EQ(height, OuterSize(dlg).cy);
        }
        // A minimised size moves nothing, and the next size still applies exactly.
        SendMessageA(dlg, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
        ExpectLayout(dlg, 1, start.cx + 10);
        SizeTo(dlg, 2 * start.cx + 20, height);
        ExpectLayout(dlg, 1, start.cx + 20);
        // Widened past twice: both expanded, then one, keep that width.
        Click(dlg, IDC_DIR_DETAILS);
        ExpectLayout(dlg, 3, start.cx + 20);
        Click(dlg, IDC_FILE_DETAILS);
        ExpectLayout(dlg, 2, start.cx + 20);
        Click(dlg, IDC_DIR_DETAILS);
        ExpectLayout(dlg, 0, 0);
        EXPECT_EQ(start.cx, OuterSize(dlg).cx);
        EXPECT_EQ(start.cy, OuterSize(dlg).cy);
    });
}

TEST_F(AssocDialog, ClientAreaDragsAndOnlyTheSidesSize)
{
    Open([&](HWND dlg) {
        RECT w = {}, c = {};
        GetWindowRect(dlg, &w);
        GetClientRect(dlg, &c);
        MapWindowPoints(dlg, nullptr, reinterpret_cast<POINT*>(&c), 2);
        const int midX = (w.left + w.right) / 2, midY = (c.top + c.bottom) / 2;
        const struct {
            int x, y;
            LRESULT hit;
        } points[] = {
            {midX, midY, HTCAPTION},                 {c.left + 2, c.bottom - 2, HTCAPTION},
            {midX, w.top, HTBORDER},                 {midX, w.bottom - 1, HTBORDER},
            {w.left, midY, HTLEFT},                  {w.right - 1, midY, HTRIGHT},
            {w.left, w.top, HTLEFT},                 {w.right - 1, w.top, HTRIGHT},
            {w.left, w.bottom - 1, HTLEFT},          {w.right - 1, w.bottom - 1, HTRIGHT},
            {midX, (w.top + c.top) / 2 + 1, HTCAPTION}, {w.left - 5, w.top - 5, HTNOWHERE},
        };
        for (const auto& p : points)
            EXPECT_EQ(p.hit, SendMessageA(dlg, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)))
                << p.x - w.left << "," << p.y - w.top;
    });
}

TEST_F(AssocDialog, OkWritesOnlyWhatChangedAndTheOtherEndsWriteNothing)
{
    const struct Row {
        const char* what;
        unsigned registered;
        struct {
            int id;
            const char* text;  // nullptr: a click
        } edits[3];
        int end;  // IDOK, IDCANCEL, VK_ESCAPE or SC_CLOSE
        const char* result[2];  // nullptr: untouched, "": removed, else "menu|command"
    } rows[] = {
        {"no change, none registered", 0, {}, IDOK, {nullptr, nullptr}},
        {"no change, both registered", 3, {}, IDOK, {nullptr, nullptr}},
        {"files cleared", 3, {{IDC_FILE_ENABLE, nullptr}}, IDOK, {"", nullptr}},
        {"unchecked kind edited", 1, {{IDC_DIR_MENU, "m"}, {IDC_DIR_COMMAND, "c"}}, IDOK, {nullptr, nullptr}},
        {"command line alone", 3, {{IDC_FILE_COMMAND, "new \"%1\""}}, IDOK, {"M0|new \"%1\"", nullptr}},
        {"folders checked", 1, {{IDC_DIR_ENABLE, nullptr}, {IDC_DIR_MENU, "上へ"}, {IDC_DIR_COMMAND, "c"}}, IDOK, {nullptr, "上へ|c"}},
        {"cancel", 3, {{IDC_FILE_ENABLE, nullptr}, {IDC_DIR_MENU, "m"}}, IDCANCEL, {nullptr, nullptr}},
        {"escape", 3, {{IDC_FILE_ENABLE, nullptr}, {IDC_DIR_MENU, "m"}}, VK_ESCAPE, {nullptr, nullptr}},
        {"close box", 1, {{IDC_DIR_ENABLE, nullptr}, {IDC_FILE_MENU, "m"}}, SC_CLOSE, {nullptr, nullptr}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (int k = 0; k < 2; ++k) {
            RegTestDeleteTree(kinds_.VerbPath(k));
            if (row.registered & (1u << k)) Register(k, "M" + std::to_string(k), "C");
        }
        const std::string before[2] = {kinds_.Dump(0), kinds_.Dump(1)};
        const bool ok = Open([&](HWND dlg) {
            for (const auto& e : row.edits) {
                if (e.id && e.text) SetDlgItemTextA(dlg, e.id, e.text);
                if (e.id && !e.text) Click(dlg, e.id);
            }
            if (row.end == VK_ESCAPE) {
                MSG key = {dlg, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
                IsDialogMessageA(dlg, &key);
            } else if (row.end == SC_CLOSE) {
                // The dialog manager posts its IDCANCEL: let it arrive.
                SendMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
                MSG m;
                while (IsWindowVisible(dlg) && PeekMessageA(&m, dlg, 0, 0, PM_REMOVE))
                    DispatchMessageA(&m);
            } else {
                Click(dlg, row.end);
            }
            EXPECT_FALSE(IsWindowVisible(dlg)) << "not ended";
        });
        EXPECT_EQ(row.end == IDOK, ok);
        for (int k = 0; k < 2; ++k) {
            const std::string got = RegTestKeyExists(kinds_.VerbPath(k))
                ? RegTestGetString(kinds_.VerbPath(k)) + "|" + RegTestGetString(kinds_.CommandPath(k))
                : "";
            if (!row.result[k]) {
                EXPECT_EQ(before[k], kinds_.Dump(k)) << "kind " << k;
            } else {
                EXPECT_EQ(row.result[k], got) << "kind " << k;
            }
            if (row.result[k] && *row.result[k]) {
                EXPECT_EQ(REG_SZ, RegTestGetValue(kinds_.CommandPath(k)).type);
            }
        }
    }
}

TEST_F(AssocDialog, ResetRestoresTheLoadedControlsAndKeepsTheLayout)
{
    Register(0, "ファイルを上へ", "\"C:\\nobo.exe\" \"%1\"");
    const std::string before[2] = {kinds_.Dump(0), kinds_.Dump(1)};
    EXPECT_TRUE(Open([&](HWND dlg) {
        Click(dlg, IDC_FILE_ENABLE);
        Click(dlg, IDC_DIR_ENABLE);
        for (int k = 0; k < 2; ++k) SetDlgItemTextA(dlg, kMenu[k], "x"), SetDlgItemTextA(dlg, kCommand[k], "y");
        Click(dlg, IDC_DIR_DETAILS);
        const SIZE size = OuterSize(dlg);
        SizeTo(dlg, size.cx + 15, size.cy);
        SendMessageA(dlg, WM_SYSCOMMAND, IDM_RESET_SETTINGS, 0);
        ExpectEnabled(dlg, 1);
        ExpectLayout(dlg, 2, size.cx / 2 + 15);
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dlg, IDC_FILE_ENABLE));
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dlg, IDC_DIR_ENABLE));
        EXPECT_EQ("ファイルを上へ", Text(dlg, IDC_FILE_MENU));
        EXPECT_EQ("\"C:\\nobo.exe\" \"%1\"", Text(dlg, IDC_FILE_COMMAND));
        EXPECT_EQ(ASSOC_DEFAULT_MENU_TEXT, Text(dlg, IDC_DIR_MENU));
        EXPECT_EQ(DefaultCommandLine(), Text(dlg, IDC_DIR_COMMAND));
        Click(dlg, IDOK);
    }));
    EXPECT_EQ(before[0], kinds_.Dump(0));
    EXPECT_EQ(before[1], kinds_.Dump(1));
}

TEST_F(AssocDialog, SystemMenuCarriesResetAndAboutRightAfterMaximize)
{
    Open([&](HWND dlg) {
        HMENU menu = GetSystemMenu(dlg, FALSE);
        int pos = 0;
        while (pos < GetMenuItemCount(menu) && GetMenuItemID(menu, pos) != SC_MAXIMIZE) ++pos;
        ASSERT_LT(pos, GetMenuItemCount(menu)) << "no maximize item: nothing can be added";
        const struct {
            UINT id;
            const char* text;
        } want[] = {{0, ""}, {IDM_RESET_SETTINGS, "設定を初期値に戻す(&D)"}, {IDM_ABOUT, "About(&A)"}};
        for (int i = 0; i < 3; ++i) {
            char text[64] = "";
            GetMenuStringA(menu, pos + 1 + i, text, sizeof text, MF_BYPOSITION);
            EXPECT_EQ(want[i].id, GetMenuItemID(menu, pos + 1 + i));
            EXPECT_EQ(want[i].text, std::string(text));
            EXPECT_EQ(i == 0, (GetMenuState(menu, pos + 1 + i, MF_BYPOSITION) & MF_SEPARATOR) != 0);
        }
    });
}

TEST_F(AssocDialog, StaysResponsiveAfterTheAboutCommand)
{
    Open([&](HWND dlg) {
        // Whatever box the command shows is closed again from inside its loop.
        DriveModal([&] { SendMessageA(dlg, WM_SYSCOMMAND, IDM_ABOUT, 0); },
                   [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
        EXPECT_TRUE(IsWindowEnabled(dlg));
        Click(dlg, IDC_FILE_DETAILS);
        EXPECT_EQ(kDetailsText[1], Text(dlg, IDC_FILE_DETAILS));
    });
}

TEST_F(AssocDialog, FolderClassNamingAnotherClassRegistersThere)
{
    ScratchClass other("folders");
    RegKeyBackup directory("Directory");
    ASSERT_TRUE(RegTestSetString("Directory", nullptr, other.Name()));
    EXPECT_TRUE(Open([&](HWND dlg) {
        Click(dlg, IDC_DIR_ENABLE);
        Click(dlg, IDOK);
    }));
    EXPECT_EQ(ASSOC_DEFAULT_MENU_TEXT, RegTestGetString(other / "shell\\Vellanort.nobo"));
    EXPECT_EQ(DefaultCommandLine(), RegTestGetString(other / "shell\\Vellanort.nobo\\command"));
    EXPECT_FALSE(RegTestKeyExists("Directory\\shell\\Vellanort.nobo"));
}
