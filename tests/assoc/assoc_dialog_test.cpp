// The association dialog opened for real and driven through its messages.
// Expected pixels come from the dialog's own template mapped by MapDialogRect.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "assoc/assoc_dialog.h"
#include "assoc/default_command.h"
#include "assoc/settings_io.h"
#include "resource.h"
#include "support/dialog_probe.h"
#include "support/dialog_resource.h"
#include "support/modal.h"
#include "support/process.h"
#include "support/registry.h"

namespace {

const char* const kDetailsText[2] = {"詳細 >>", "<< 詳細"};  // collapsed, expanded
const struct {
    int enable, details, target, menu, command, group;
} kKind[2] = {{1100, 1106, 1102, 1103, 1104, 1101}, {1200, 1206, 1202, 1203, 1204, 1201}};

const DialogResource& Template()
{
    static const DialogResource t = ReadDialogResource(GetModuleHandleA(nullptr), IDD_ASSOCIATION);
    return t;
}

// One of the seven detail controls (11xx files, 12xx folders) of a kind not in mask.
bool DetailOff(DWORD id, unsigned mask)
{
    const int k = (int)id / 100 - 11;
    return (k == 0 || k == 1) && !(mask >> k & 1) && (int)id != kKind[k].enable &&
           (int)id != kKind[k].details;
}

// Details button bottom to group box bottom, in the template's pixels.
int Band(HWND dlg, int k)
{
    const RECT b = UnitsToPixels(dlg, FindDialogItem(Template(), kKind[k].details)->units);
    const RECT g = UnitsToPixels(dlg, FindDialogItem(Template(), kKind[k].group)->units);
    return g.top + g.bottom - b.top - b.bottom;
}

// Every control and the client area, for the kinds expanded in mask and a
// client area wider than the template by gain.
void ExpectLayout(HWND dlg, unsigned mask, int gain)
{
    const int up[2] = {mask & 1 ? 0 : Band(dlg, 0), mask & 2 ? 0 : Band(dlg, 1)};
    for (const DialogResourceItem& item : Template().items) {
        RECT want = UnitsToPixels(dlg, item.units);
        want.top -= (item.id / 100 == 12 ? up[0] : 0) + (item.id <= IDCANCEL ? up[0] + up[1] : 0);
        const DWORD type = item.className == "BUTTON" ? item.style & BS_TYPEMASK : 99;
        want.left += type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ? gain : 0;
        want.right += item.className == "EDIT" || type == BS_GROUPBOX ? gain : 0;
        EXPECT_EQ(want, ItemPlacement(dlg, item.id)) << item.id << " mask " << mask;
        EXPECT_EQ(!DetailOff(item.id, mask), (ItemStyle(dlg, item.id) & WS_VISIBLE) != 0)
            << item.id;
    }
    for (int k = 0; k < 2; ++k)
        EXPECT_EQ(kDetailsText[mask >> k & 1], ItemText(dlg, kKind[k].details));
    RECT full = UnitsToPixels(dlg, Template().units), client = {};
    GetClientRect(dlg, &client);
    EXPECT_EQ((RECT{0, 0, full.right + gain, full.bottom - up[0] - up[1]}), client) << mask;
}

void ExpectEnabled(HWND dlg, unsigned mask)
{
    for (const DialogResourceItem& item : Template().items)
        EXPECT_EQ(!DetailOff(item.id, mask), IsWindowEnabled(GetDlgItem(dlg, item.id)) != 0)
            << item.id << " mask " << mask;
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
        ASSERT_FALSE(kinds_.Target(0).empty() || kinds_.Target(1).empty()) << "a class is missing";
    }
    // REG_EXPAND_SZ: a rewrite, even of the same texts, shows as REG_SZ.
    void Register(int k, const std::string& menu, const std::string& command)
    {
        ASSERT_TRUE(RegTestSetValue(kinds_.VerbPath(k), nullptr, REG_EXPAND_SZ, menu + '\0'));
        ASSERT_TRUE(RegTestSetValue(kinds_.CommandPath(k), nullptr, REG_EXPAND_SZ, command + '\0'));
    }
    // ShowAssociationDialog's result, with body run on the open dialog.
    bool Open(const std::function<void(HWND)>& body)
    {
        bool ok = false;
        EXPECT_TRUE(DriveModal([&] { ok = ShowAssociationDialog(); }, body)) << "no dialog";
        return ok;
    }
    RealKindClasses kinds_;
};

}  // namespace

// Styles: 50000000 is WS_CHILD | WS_VISIBLE; 10000 WS_TABSTOP, 20000 WS_GROUP,
// 800000 WS_BORDER; 3 BS_AUTOCHECKBOX, 7 BS_GROUPBOX, 2 SS_RIGHT, 880 ES_AUTOHSCROLL
// and ES_READONLY. Nothing more: the resource compiler added no implicit style.
TEST(AssocDialogResource, NoboExeHoldsTheDialogAsDesigned)
{
    HMODULE exe = LoadLibraryExA(BesideTest("nobo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, exe);
    const DialogResource d = ReadDialogResource(exe, IDD_ASSOCIATION, 0x0411);
    FreeLibrary(exe);
    ASSERT_TRUE(d.found);
    EXPECT_EQ("84CC0040 0 0,0,139,216 0411 ||nobo の関連づけ|9 0 0 0 ＭＳ Ｐゴシック",
              DescribeDialog(d));
    const char* const want[] = {
        "1100 BUTTON 50010003 0 0 7,9,93,10 * ファイルに関連づける",
        "1106 BUTTON 50010000 0 0 104,7,28,14 << 詳細",
        "1101 BUTTON 50000007 0 0 7,25,125,70 ",
        "1122 STATIC 50020002 0 0 23,41,22,8 登録先",
        "1102 EDIT 50800880 0 0 49,37,73,14 ",
        "1123 STATIC 50020002 0 0 20,59,25,8 メニュー",
        "1103 EDIT 50810080 0 0 49,54,73,14 ",
        "1124 STATIC 50020002 0 0 15,77,30,8 ｺﾏﾝﾄﾞﾗｲﾝ",
        "1104 EDIT 50810080 0 0 49,73,73,14 ",
        "1200 BUTTON 50010003 0 0 7,105,92,10 ディレクトリに関連づける",
        "1206 BUTTON 50010000 0 0 104,103,28,14 << 詳細",
        "1201 BUTTON 50000007 0 0 7,119,125,70 ",
        "1222 STATIC 50020002 0 0 23,135,22,8 登録先",
        "1202 EDIT 50800880 0 0 49,131,73,14 ",
        "1223 STATIC 50020002 0 0 20,153,25,8 メニュー",
        "1203 EDIT 50810080 0 0 49,148,73,14 ",
        "1224 STATIC 50020002 0 0 15,171,30,8 ｺﾏﾝﾄﾞﾗｲﾝ",
        "1204 EDIT 50810080 0 0 49,167,73,14 ",
        "1 BUTTON 50010001 0 0 32,197,50,14 OK",
        "2 BUTTON 50010000 0 0 82,197,50,14 ｷｬﾝｾﾙ",
    };
    ASSERT_EQ(20u, d.items.size());
    for (size_t i = 0; i < 20; ++i)
        EXPECT_EQ(want[i], DescribeDialogItem(d.items[i])) << "#" << i + 1;
}

TEST_F(AssocDialog, OpensCollapsedWithTheDefaultsWhenNothingIsRegistered)
{
    HICON icons[2] = {};
    Open([&](HWND dlg) {
        ExpectLayout(dlg, 0, 0);
        ExpectEnabled(dlg, 0);
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dlg, kKind[k].enable));
            EXPECT_TRUE(ItemText(dlg, kKind[k].target).empty() &&
                        ItemStyle(dlg, kKind[k].target) & ES_READONLY);
            EXPECT_EQ(ASSOC_DEFAULT_MENU_TEXT, ItemText(dlg, kKind[k].menu));
            EXPECT_EQ(DefaultCommandLine(), ItemText(dlg, kKind[k].command));
            icons[k] = (HICON)SendMessageA(dlg, WM_GETICON, k ? ICON_SMALL : ICON_BIG, 0);
        }
        // Each checkbox switches its own kind's seven detail controls.
        for (unsigned mask : {1u, 3u, 2u, 0u}) {
            ClickItem(dlg, kKind[mask == 3 || mask == 0].enable);
            ExpectEnabled(dlg, mask);
        }
        // Tab skips the read-only targets, even shown and enabled.
        for (int k = 0; k < 2; ++k)
            ClickItem(dlg, kKind[k].enable), ClickItem(dlg, kKind[k].details);
        EXPECT_EQ("1100 1106 1103 1104 1200 1206 1203 1204 1 2", TabOrder(dlg));
    });
    // The window icons lived as long as the dialog, and no longer.
    ICONINFO info = {};
    for (HICON icon : icons) EXPECT_TRUE(icon && !GetIconInfo(icon, &info));
}

TEST_F(AssocDialog, DetailsAndSizingKeepTheLayoutAndTheLimits)
{
    Open([&](HWND dlg) {
        const SIZE start = OuterSize(dlg);
        unsigned mask = 0;
        for (const char* step = "FFDDFDFDFDDFDFFDDFDF"; *step; ++step) {
            SCOPED_TRACE(step);
            mask ^= 1u << (*step == 'D');
            ClickItem(dlg, kKind[*step == 'D'].details);
            ExpectLayout(dlg, mask, mask ? start.cx : 0);
            EXPECT_EQ(mask ? 2 * start.cx : start.cx, OuterSize(dlg).cx);
        }
        for (int grow : {40, -30}) {
            ResizeTo(dlg, start.cx + grow, start.cy + grow);
            ExpectLayout(dlg, 0, 0);
        }
        ClickItem(dlg, kKind[0].details);
        const int height = OuterSize(dlg).cy;
        for (const POINT step : {POINT{40, 40}, POINT{-30, 0}, POINT{10, 10}}) {  // asked, gained
            ResizeTo(dlg, 2 * start.cx + step.x, height + 25);
            ExpectLayout(dlg, 1, start.cx + step.y);
        }
        // Minimised: nothing moves, and the next size still applies exactly.
        SendMessageA(dlg, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
        ExpectLayout(dlg, 1, start.cx + 10);
        ResizeTo(dlg, 2 * start.cx + 20, height);
        ExpectLayout(dlg, 1, start.cx + 20);
        // Collapsing one of two keeps the width; the last brings back the start.
        for (unsigned left : {3u, 2u, 0u}) {
            ClickItem(dlg, kKind[left != 2].details);
            ExpectLayout(dlg, left, left ? start.cx + 20 : 0);
        }
        EXPECT_TRUE(OuterSize(dlg).cx == start.cx && OuterSize(dlg).cy == start.cy);
    });
}

TEST_F(AssocDialog, ClientAreaDragsAndOnlyTheSidesSize)
{
    Open([&](HWND dlg) {
        RECT w = {}, c = {};
        GetWindowRect(dlg, &w);
        GetClientRect(dlg, &c);
        MapWindowPoints(dlg, nullptr, reinterpret_cast<POINT*>(&c), 2);
        // columns: left edge, middle, right edge, outside; rows: top edge, caption, middle, bottom
        // edge
        const int x[] = {w.left, (w.left + w.right) / 2, w.right - 1, w.left - 5};
        const int y[] = {w.top, c.top - 3, (c.top + c.bottom) / 2, w.bottom - 1};
        const int hits[4][4] = {{HTLEFT, HTBORDER, HTRIGHT, HTNOWHERE},
                                {HTLEFT, HTCAPTION, HTRIGHT, HTNOWHERE},
                                {HTLEFT, HTCAPTION, HTRIGHT, HTNOWHERE},
                                {HTLEFT, HTBORDER, HTRIGHT, HTNOWHERE}};
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 4; ++col)
                EXPECT_EQ(hits[row][col],
                          SendMessageA(dlg, WM_NCHITTEST, 0, MAKELPARAM(x[col], y[row])))
                    << "row " << row << " column " << col;
    });
}

TEST_F(AssocDialog, OkWritesOnlyWhatChangedAndTheOtherEndsWriteNothing)
{
    const int F = IDC_FILE_ENABLE, D = IDC_DIR_ENABLE;
    const struct {
        unsigned registered;
        struct {
            int id;
            const char* text;  // nullptr: a click
        } edits[2];
        int end;  // IDOK, IDCANCEL, VK_ESCAPE or SC_CLOSE
        // nullptr: untouched, "": removed, else "menu|command" ("menu|": the default line)
        const char* result[2];
    } rows[] = {
        {0, {}, IDOK, {}},
        {3, {}, IDOK, {}},
        {3, {{F, nullptr}}, IDOK, {"", nullptr}},
        {1, {{IDC_DIR_MENU, "m"}, {IDC_DIR_COMMAND, "c"}}, IDOK, {}},
        {3, {{IDC_FILE_COMMAND, "new"}}, IDOK, {"M0|new", nullptr}},
        {1, {{D, nullptr}, {IDC_DIR_MENU, "上へ"}}, IDOK, {nullptr, "上へ|"}},
        {3, {{F, nullptr}, {IDC_DIR_MENU, "m"}}, IDCANCEL, {}},
        {3, {{F, nullptr}, {IDC_DIR_MENU, "m"}}, VK_ESCAPE, {}},
        {1, {{D, nullptr}, {IDC_FILE_MENU, "m"}}, SC_CLOSE, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        for (int k = 0; k < 2; ++k) {
            RegTestDeleteTree(kinds_.VerbPath(k));
            if (row.registered >> k & 1) Register(k, "M" + std::to_string(k), "C");
        }
        const std::string before[2] = {kinds_.Dump(0), kinds_.Dump(1)};
        const bool ok = Open([&](HWND dlg) {
            for (const auto& e : row.edits) {
                if (e.text) SetDlgItemTextA(dlg, e.id, e.text);
                if (e.id && !e.text) ClickItem(dlg, e.id);
            }
            MSG escape = {dlg, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
            if (row.end == VK_ESCAPE) IsDialogMessageA(dlg, &escape);
            if (row.end == SC_CLOSE) SendMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
            if (row.end == IDOK || row.end == IDCANCEL) ClickItem(dlg, row.end);
            DispatchPosted(dlg);
            EXPECT_FALSE(IsWindowVisible(dlg)) << "still open";
        });
        EXPECT_EQ(row.end == IDOK, ok);
        for (int k = 0; k < 2; ++k) {
            if (!row.result[k]) {
                EXPECT_EQ(before[k], kinds_.Dump(k)) << "kind " << k;
                continue;
            }
            std::string want = row.result[k];
            if (!want.empty() && want.back() == '|') want += DefaultCommandLine();
            const bool kept = RegTestKeyExists(kinds_.VerbPath(k));
            EXPECT_EQ(want, !kept ? ""
                                  : RegTestGetString(kinds_.VerbPath(k)) + "|" +
                                        RegTestGetString(kinds_.CommandPath(k)));
            EXPECT_TRUE(!kept || RegTestGetValue(kinds_.CommandPath(k)).type == REG_SZ);
        }
    }
}

TEST_F(AssocDialog, ResetRestoresTheLoadedControlsAndKeepsTheLayout)
{
    Register(0, "ファイルを上へ", "\"C:\\nobo.exe\" \"%1\"");
    const std::string before = kinds_.Dump(0) + kinds_.Dump(1);
    EXPECT_TRUE(Open([&](HWND dlg) {
        for (int k = 0; k < 2; ++k) {
            ClickItem(dlg, kKind[k].enable);
            SetDlgItemTextA(dlg, kKind[k].menu, "x");
            SetDlgItemTextA(dlg, kKind[k].command, "y");
        }
        ClickItem(dlg, kKind[1].details);
        const SIZE size = OuterSize(dlg);
        ResizeTo(dlg, size.cx + 15, size.cy);
        SendMessageA(dlg, WM_SYSCOMMAND, IDM_RESET_SETTINGS, 0);
        ExpectEnabled(dlg, 1);
        ExpectLayout(dlg, 2, size.cx / 2 + 15);
        EXPECT_TRUE(IsDlgButtonChecked(dlg, 1100) == BST_CHECKED && !IsDlgButtonChecked(dlg, 1200));
        EXPECT_EQ("ファイルを上へ|\"C:\\nobo.exe\" \"%1\"|" + std::string(ASSOC_DEFAULT_MENU_TEXT) +
                      "|" + DefaultCommandLine(),
                  ItemText(dlg, kKind[0].menu) + "|" + ItemText(dlg, kKind[0].command) + "|" +
                      ItemText(dlg, kKind[1].menu) + "|" + ItemText(dlg, kKind[1].command));
        ClickItem(dlg, IDOK);
    }));
    EXPECT_EQ(before, kinds_.Dump(0) + kinds_.Dump(1));
}

TEST_F(AssocDialog, SystemMenuCommandsFollowMaximizeAndAboutReturns)
{
    Open([&](HWND dlg) {
        HMENU menu = GetSystemMenu(dlg, FALSE);
        const int maximize = MenuItemPosition(menu, SC_MAXIMIZE);
        ASSERT_GE(maximize, 0) << "without a maximize item nothing can be added";
        const std::string items = DescribeMenuItems(menu, maximize + 1, 3);
        EXPECT_EQ("0- 40005設定を初期値に戻す(&D) 40006About(&A) ", items);
        // Whatever box About shows is closed from inside its own loop; the
        // dialog then still answers.
        DriveModal([&] { SendMessageA(dlg, WM_SYSCOMMAND, IDM_ABOUT, 0); },
                   [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
        ClickItem(dlg, kKind[0].details);
        EXPECT_EQ(kDetailsText[1], ItemText(dlg, kKind[0].details));
    });
}

TEST_F(AssocDialog, FolderClassNamingAnotherClassRegistersThere)
{
    ScratchClass other("folders");
    RegKeyBackup directory("Directory");
    ASSERT_TRUE(RegTestSetString("Directory", nullptr, other.Name()));
    EXPECT_TRUE(Open([&](HWND dlg) {
        ClickItem(dlg, IDC_DIR_ENABLE);
        ClickItem(dlg, IDOK);
    }));
    EXPECT_EQ(ASSOC_DEFAULT_MENU_TEXT, RegTestGetString(other / "shell\\Vellanort.nobo"));
    EXPECT_EQ(DefaultCommandLine(), RegTestGetString(other / "shell\\Vellanort.nobo\\command"));
    EXPECT_FALSE(RegTestKeyExists("Directory\\shell\\Vellanort.nobo"));
}
