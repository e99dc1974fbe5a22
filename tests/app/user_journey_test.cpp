// The real nobo.exe used as a person would: installed in a folder of its own,
// driven by real mouse and keyboard input on the screen bed, its registered
// command line run as Explorer runs it. Every position comes from the live
// windows. Pictures of the way go to ShotPath (scripts/screenshots).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "about/about_template.h"
#include "resource.h"
#include "support/dialog_probe.h"
#include "support/process.h"
#include "support/real_input.h"
#include "support/registry.h"
#include "support/scratch.h"
#include "support/screen.h"
#include "support/trash.h"

namespace {

const char kFolder[] = "C:\\Program Files\\nobo";
const char kExe[] = "C:\\Program Files\\nobo\\nobo.exe";

RECT ScreenRect(HWND hwnd)
{
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT ItemRect(HWND dlg, int id)
{
    return ScreenRect(GetDlgItem(dlg, id));
}

POINT Centre(const RECT& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool Checked(HWND dlg, int id)
{
    return IsDlgButtonChecked(dlg, id) == BST_CHECKED;
}

// Every control with its place in the client area (x, y, cx, cy).
std::vector<std::pair<HWND, RECT>> Placements(HWND dlg)
{
    std::vector<std::pair<HWND, RECT>> all;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        all.push_back({c, ItemPlacement(dlg, GetDlgCtrlID(c))});
    return all;
}

// Against base, taken gain pixels narrower: edits and group boxes stretch,
// push buttons keep to the right edge, the rest stays. The ids out of place.
std::string Misplaced(const std::vector<std::pair<HWND, RECT>>& base, HWND dlg, int gain)
{
    std::string wrong;
    for (const auto& [control, was] : base) {
        char name[16] = "";
        GetClassNameA(control, name, sizeof name);
        const LONG_PTR type = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
        const bool button = lstrcmpiA(name, "Button") == 0;
        RECT want = was;
        want.left += button && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) ? gain : 0;
        want.right += lstrcmpiA(name, "Edit") == 0 || (button && type == BS_GROUPBOX) ? gain : 0;
        if (!(want == ItemPlacement(dlg, GetDlgCtrlID(control))))
            wrong += std::to_string(GetDlgCtrlID(control)) + " ";
    }
    return wrong;
}

class UserJourney : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(kinds_.Target(0).empty() || kinds_.Target(1).empty()) << "a class is missing";
        MakeFolder(kFolder);
        ASSERT_TRUE(CopyFileA(BesideTest("nobo.exe").c_str(), kExe, FALSE));
        // Dialogs open centred on the mouse: here they have room to grow.
        ASSERT_TRUE(MouseMove({300, 250}));
    }
    void TearDown() override
    {
        if (process_) FinishProgram(process_, 0);
        RemoveTree(kFolder);
    }
    // The program started with these arguments, and its window.
    HWND Start(const std::string& arguments, const char* caption)
    {
        process_ = StartProgram(Widen(std::string("\"") + kExe + "\"" + arguments));
        return WaitForWindow(caption);
    }
    // A window of the program once it is in front, a control has the focus
    // and the X server sends keys to one of its windows; else null.
    HWND WaitForWindow(const char* caption)
    {
        const DWORD pid = GetProcessId(process_);
        HWND found = nullptr;
        const bool ready = WaitUntil([&] {
            found = FindTopWindow(pid, caption);
            const std::string keys = found ? KeyboardFocusCaption() : "";
            return found && GetForegroundWindow() == found && FocusedItemId(found) &&
                   !keys.empty() && FindTopWindow(pid, keys);
        });
        return ready ? found : nullptr;
    }
    // The window of a nobo that another one started, its process taken over.
    HWND Adopt(const char* caption)
    {
        HWND found = nullptr;
        WaitUntil([&] { return (found = FindWindowA(nullptr, caption)) != nullptr; });
        DWORD pid = 0;
        GetWindowThreadProcessId(found, &pid);
        process_ =
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, pid);
        return process_ ? WaitForWindow(caption) : nullptr;
    }
    static std::string ImagePath(void* process)
    {
        char path[MAX_PATH] = "";
        DWORD size = MAX_PATH;
        QueryFullProcessImageNameA(process, 0, path, &size);
        return path;
    }
    HWND OpenSetup()
    {
        return Start("", "nobo の関連づけ");
    }
    int Finish()
    {
        const int code = FinishProgram(process_, 10000);
        process_ = nullptr;
        return code;
    }
    // The kind's command line with %1 replaced by the item, started as Explorer does.
    int RunRegistered(int kind, const std::string& item)
    {
        std::string line = RegTestGetString(kinds_.CommandPath(kind));
        const size_t at = line.find("%1");
        if (at == std::string::npos) return -3;
        return RunAndWait(Widen(line.replace(at, 2, item)));
    }
    // "menu|command" of the kind's entry, "" when there is none.
    std::string Entry(int kind) const
    {
        if (!RegTestKeyExists(kinds_.VerbPath(kind))) return "";
        return RegTestGetString(kinds_.VerbPath(kind)) + "|" +
               RegTestGetString(kinds_.CommandPath(kind));
    }

    RealKindClasses kinds_;
    void* process_ = nullptr;
};

}  // namespace

TEST_F(UserJourney, RegistersByMouseAndKeysAndMovesWhatExplorerHandsOver)
{
    const std::string command = std::string("\"") + kExe + "\" \"%1\"";
    const std::string entry = "↑へ移動|" + command;
    ScratchDir s("journey");
    ASSERT_TRUE(MakeFolder(s / "a") && MakeFolder(s / "a\\b") && MakeFolder(s / "a\\b\\d") &&
                WriteFileBytes(s / "a\\b\\f.txt", "f"));

    HWND dlg = OpenSetup();
    ASSERT_TRUE(dlg);
    EXPECT_TRUE(SaveSettledWindowBitmap(dlg, ShotPath("setup-collapsed.bmp")));
    ASSERT_TRUE(MouseClick(Centre(ItemRect(dlg, IDC_FILE_ENABLE))));
    EXPECT_TRUE(WaitUntil([&] { return Checked(dlg, IDC_FILE_ENABLE); }));
    ASSERT_TRUE(MouseClick(Centre(ItemRect(dlg, IDOK))));
    EXPECT_EQ(0, Finish());
    EXPECT_EQ(entry, Entry(0));
    EXPECT_EQ("", Entry(1));
    EXPECT_EQ(0, RunRegistered(0, s / "a\\b\\f.txt"));
    EXPECT_EQ("b\\ f.txt", ListFolder(s / "a"));

    // Without elevation: the entry is seen, the refusal is said, No goes
    // back to the dialog and Yes hands over to a new nobo as administrator.
    ASSERT_TRUE(RegTestSetString(kinds_.VerbPath(0), nullptr, "上へ(&U)"));
    {
        const std::string t0 = kinds_.Target(0), t1 = kinds_.Target(1);
        ReadOnlyKeys locked(
            {t0, t0 + "\\shell", kinds_.VerbPath(0), kinds_.CommandPath(0), t1, t1 + "\\shell"});
        const std::string before = RegTestDump(t0) + RegTestDump(t1);
        dlg = OpenSetup();
        ASSERT_TRUE(dlg);
        EXPECT_TRUE(Checked(dlg, IDC_FILE_ENABLE) &&
                    IsWindowEnabled(GetDlgItem(dlg, IDC_FILE_MENU)));
        EXPECT_EQ("上へ(&U)", ItemText(dlg, IDC_FILE_MENU));
        EXPECT_EQ(command, ItemText(dlg, IDC_FILE_COMMAND));
        // One box, owned by the dialog, for the one kind refused; nothing written.
        const auto refusal = [&] {
            HWND box = WaitForWindow("関連づけエラー - [nobo]");
            EXPECT_TRUE(box && GetWindow(box, GW_OWNER) == dlg);
            EXPECT_EQ(
                "以下の関連づけを変更できませんでした。\n\nディレクトリ\n\n"
                "管理者として nobo を起動し直しますか？",
                ItemText(box, 0xFFFF));
            EXPECT_EQ(before, RegTestDump(t0) + RegTestDump(t1));
            return box;
        };
        ASSERT_TRUE(PressKeys("Tab Tab space Return"));  // folders on, OK
        EXPECT_TRUE(SaveSettledWindowBitmap(refusal(), ShotPath("setup-needs-admin.bmp")));
        ASSERT_TRUE(PressKeys("n"));
        EXPECT_EQ(dlg, WaitForWindow("nobo の関連づけ"));
        EXPECT_TRUE(Checked(dlg, IDC_DIR_ENABLE));
        ASSERT_TRUE(PressKeys("Return"));
        ASSERT_TRUE(refusal());
        ASSERT_TRUE(PressKeys("Return"));  // Yes, the first button
        EXPECT_EQ(0, Finish());
    }
    // The administrator's nobo, started by the shell, opens as from scratch.
    dlg = Adopt("nobo の関連づけ");
    ASSERT_TRUE(dlg);
    EXPECT_EQ(kExe, ImagePath(process_));
    EXPECT_EQ(IDC_FILE_ENABLE, FocusedItemId(dlg));
    // The focus starts on the first checkbox; Tab passes the details button.
    ASSERT_TRUE(PressKeys("Tab Tab space"));
    EXPECT_TRUE(WaitUntil([&] { return Checked(dlg, IDC_DIR_ENABLE); }));
    ASSERT_TRUE(PressKeys("Return"));
    EXPECT_EQ(0, Finish());
    EXPECT_EQ("上へ(&U)|" + command, Entry(0));
    EXPECT_EQ(entry, Entry(1));
    EXPECT_EQ(0, RunRegistered(1, s / "a\\b\\d"));
    EXPECT_EQ("b\\ d\\ f.txt", ListFolder(s / "a"));

    // Switched off, the entry goes whole, with what another program put under it.
    ASSERT_TRUE(RegTestCreateKey(kinds_.VerbPath(0) + "\\DropTarget"));
    dlg = OpenSetup();
    ASSERT_TRUE(dlg);
    EXPECT_TRUE(Checked(dlg, IDC_FILE_ENABLE) && Checked(dlg, IDC_DIR_ENABLE));
    ASSERT_TRUE(MouseClick(Centre(ItemRect(dlg, IDC_FILE_ENABLE))));
    EXPECT_TRUE(WaitUntil([&] { return !Checked(dlg, IDC_FILE_ENABLE); }));
    ASSERT_TRUE(MouseClick(Centre(ItemRect(dlg, IDOK))));
    EXPECT_EQ(0, Finish());
    EXPECT_FALSE(RegTestKeyExists(kinds_.VerbPath(0)));
    EXPECT_EQ(entry, Entry(1));
}

// Each drag is checked against where all drags so far should have left the
// window, so a drag that should do nothing but acts late fails the next one.
TEST_F(UserJourney, DragsByTheClientAreaAndSizesOnlySideways)
{
    HWND dlg = OpenSetup();
    ASSERT_TRUE(dlg);
    RECT want = ScreenRect(dlg);
    const int width = want.right - want.left;
    enum Spot { BACKGROUND, LABEL, RIGHT_EDGE, LEFT_EDGE, TOP_EDGE, BOTTOM_EDGE };
    auto drag = [&](Spot spot, POINT by, RECT change) {
        const RECT w = ScreenRect(dlg), ok = ItemRect(dlg, IDOK);
        const POINT mid = Centre(w);
        const POINT spots[] = {{(w.left + ok.left) / 2, Centre(ok).y},
                               Centre(ItemRect(dlg, IDC_FILE_TARGET_LABEL)),
                               {w.right - 2, mid.y},
                               {w.left + 1, mid.y},
                               {mid.x, w.top + 1},
                               {mid.x, w.bottom - 2}};
        const POINT from = spots[spot];
        ASSERT_TRUE(MousePressAndMove(from, {from.x + by.x, from.y + by.y}));
        want = {want.left + change.left, want.top + change.top, want.right + change.right,
                want.bottom + change.bottom};
        EXPECT_TRUE(WaitUntil([&] {
            return ScreenRect(dlg) == want && KeyboardFocusRect() == want;
        })) << testing::PrintToString(ScreenRect(dlg))
            << " not " << testing::PrintToString(want) << " after spot " << spot << " X "
            << testing::PrintToString(KeyboardFocusRect());
        ASSERT_TRUE(MouseRelease());
        EXPECT_EQ(want, ScreenRect(dlg)) << "released at spot " << spot;
    };
    drag(BACKGROUND, {-30, 20}, {-30, 20, -30, 20});

    // Expanded, checked: the picture of a kind's details.
    ASSERT_TRUE(MouseClick(Centre(ItemRect(dlg, IDC_FILE_DETAILS))));
    ASSERT_TRUE(WaitUntil([&] { return ItemText(dlg, IDC_FILE_DETAILS) == "<< 詳細"; }));
    ASSERT_TRUE(MouseClick(Centre(ItemRect(dlg, IDC_FILE_ENABLE))));
    ASSERT_TRUE(WaitUntil([&] { return Checked(dlg, IDC_FILE_ENABLE); }));
    want = ScreenRect(dlg);
    EXPECT_EQ(2 * width, want.right - want.left);
    EXPECT_TRUE(SaveSettledWindowBitmap(dlg, ShotPath("setup-file-expanded.bmp")));
    const auto base = Placements(dlg);

    const struct {
        Spot spot;
        POINT by;
        RECT change;
    } drags[] = {
        {LABEL, {25, 15}, {25, 15, 25, 15}},
        {RIGHT_EDGE, {60, 20}, {0, 0, 60, 0}},
        {LEFT_EDGE, {-40, -10}, {-40, 0, 0, 0}},
        {TOP_EDGE, {10, -30}, {}},
        {BOTTOM_EDGE, {-10, 30}, {}},
        {BACKGROUND, {20, -10}, {20, -10, 20, -10}},
        {RIGHT_EDGE, {-300, 0}, {0, 0, -100, 0}},  // back to twice the first width, no less
    };
    for (const auto& d : drags) {
        drag(d.spot, d.by, d.change);
        const int gain = want.right - want.left - 2 * width;
        WaitUntil([&] { return Misplaced(base, dlg, gain).empty(); });
        EXPECT_EQ("", Misplaced(base, dlg, gain)) << "gain " << gain;
    }
    ASSERT_TRUE(PressKeys("Escape"));
    EXPECT_EQ(0, Finish());
    EXPECT_EQ("", Entry(0));
}

// The same place every run, so the picture of the question stays the same;
// C:\work belongs to the bed's own prefix.
TEST_F(UserJourney, ClashQuestionIsAnsweredByKeys)
{
    const struct {
        const char* keys;
        const char* left;
        const char* up;
        size_t trashed;
    } rows[] = {
        {"n", "new", "old", 0},             // No
        {"Return", "<missing>", "new", 1},  // Yes, the first button: the old file is recycled
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keys);
        RemoveTree("C:\\work");
        ASSERT_TRUE(MakeFolder("C:\\work") && MakeFolder("C:\\work\\inbox") &&
                    WriteFileBytes("C:\\work\\report.txt", "old") &&
                    WriteFileBytes("C:\\work\\inbox\\report.txt", "new"));
        const size_t trashed = TrashedContents().size();
        HWND box = Start(" \"C:\\work\\inbox\\report.txt\"", "上書き確認 - [nobo]");
        ASSERT_TRUE(box && GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO));
        if (row.trashed == 0) {  // the picture: once is enough
            EXPECT_TRUE(SaveSettledWindowBitmap(box, ShotPath("clash-question.bmp")));
        }
        ASSERT_TRUE(PressKeys(row.keys));
        EXPECT_EQ(0, Finish());
        EXPECT_EQ(row.left, ReadFileBytes("C:\\work\\inbox\\report.txt"));
        EXPECT_EQ(row.up, ReadFileBytes("C:\\work\\report.txt"));
        EXPECT_EQ(trashed + row.trashed, TrashedContents().size());
    }
    RemoveTree("C:\\work");
}

// Opened at the work area's bottom-right corner, both windows grow and stay on it.
TEST_F(UserJourney, AboutOpensFromTheSystemMenuByKeysAndItsLinkLightsUp)
{
    RECT area = {};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    const auto inArea = [&](HWND w) {
        RECT r = ScreenRect(w), both = {};
        return IntersectRect(&both, &r, &area) && both == r;
    };
    ASSERT_TRUE(MouseMove({area.right - 1, area.bottom - 1}));
    HWND dlg = OpenSetup();
    ASSERT_TRUE(dlg);
    ASSERT_TRUE(PressKeys("alt+space a"));
    HWND about = WaitForWindow("nobo について");
    ASSERT_TRUE(about);
    EXPECT_FALSE(IsWindowEnabled(dlg));  // modal on the dialog
    EXPECT_TRUE(inArea(about)) << testing::PrintToString(ScreenRect(about));
    const RECT link = ItemRect(about, IDC_ABOUT_LINK);
    auto only = [&](COLORREF shown, COLORREF absent) {
        int seen = 0, other = 0;
        for (int y = link.top; y < link.bottom; ++y) {
            for (int x = link.left; x < link.right; ++x) {
                const COLORREF c = ScreenPixel(x, y);
                seen += c == shown;
                other += c == absent;
            }
        }
        return seen > 0 && other == 0;
    };
    const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return only(blue, red); }));
    ASSERT_TRUE(MouseMove(Centre(link)));
    EXPECT_TRUE(WaitUntil([&] { return only(red, blue); }));
    ASSERT_TRUE(MouseMove({link.left - 10, link.bottom + 10}));
    EXPECT_TRUE(WaitUntil([&] { return only(blue, red); }));

    ASSERT_TRUE(PressKeys("Escape"));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }) && WaitForWindow("nobo の関連づけ"));
    ASSERT_TRUE(MouseClick(Centre(ItemRect(dlg, IDC_FILE_DETAILS))));
    ASSERT_TRUE(WaitUntil([&] { return ItemText(dlg, IDC_FILE_DETAILS) == "<< 詳細"; }));
    EXPECT_TRUE(WaitUntil([&] { return inArea(dlg); })) << testing::PrintToString(ScreenRect(dlg));
    ASSERT_TRUE(PressKeys("Escape"));
    EXPECT_EQ(0, Finish());
}
