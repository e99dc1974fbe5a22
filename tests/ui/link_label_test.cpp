// The link label on a real static control in a real dialog (headless prefix:
// real messages, capture, timers and a cursor placed with SetCursorPos; no
// pixels). The parent records every notification and, where a test asks,
// sends hover and leave back to the control as a well-behaved parent does.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "about/dialog_template.h"
#include "app/mem.h"
#include "ui/link_label.h"

namespace {

const int IDC_LINK = 20;
const int IDC_BARE = 21;

// The property names are a contract with whoever inspects the control.
const char* const PROP_NAMES[] = {"LLPROP_ORIGINALPROC", "LLPROP_CONTROLSTATE", "LLPROP_CURSOR",
                                  "LLPROP_FONT"};

struct Notice {
    WPARAM messageWParam;
    HWND from;
    UINT_PTR id;
    UINT code;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Notice> g_notices;
bool g_reflect = false;

INT_PTR CALLBACK ParentProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        return TRUE;
    }
    if (msg != WM_NOTIFY) {
        return FALSE;
    }
    const NMLINKLABEL* info = (const NMLINKLABEL*)lParam;
    g_notices.push_back(
        {wParam, info->hdr.hwndFrom, info->hdr.idFrom, info->hdr.code, info->wParam, info->lParam});
    if (g_reflect && info->hdr.code != LLN_CLICKED) {
        const LRESULT result = SendMessageA(info->hdr.hwndFrom, WM_NOTIFY, wParam, lParam);
        SetWindowLongPtrA(dlg, DWLP_MSGRESULT, result);
    }
    return TRUE;
}

// A test's own subclass under the link label: it records what the link label
// passes on, and at WM_DESTROY what the window looks like by then.
struct Recorder {
    WNDPROC previous;
    std::vector<UINT> notifyCodes;
    int nullNotifies;
    bool sawDestroy;
    std::set<std::string> propsAtDestroy;
    LONG_PTR procAtDestroy;
};
Recorder g_recorder;
const LRESULT RECORDER_NOTIFY_RESULT = 77;
const UINT FOREIGN_CODE = (UINT)-2;  // a common control's click, not ours

BOOL CALLBACK CollectProp(HWND, LPSTR name, HANDLE, ULONG_PTR param)
{
    if (!IS_INTRESOURCE(name)) {
        ((std::set<std::string>*)param)->insert(name);
    }
    return TRUE;
}

std::set<std::string> PropsOf(HWND hwnd)
{
    std::set<std::string> names;
    EnumPropsExA(hwnd, CollectProp, (LPARAM)&names);
    return names;
}

LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY) {
        if (lParam == 0) {
            ++g_recorder.nullNotifies;
        } else {
            g_recorder.notifyCodes.push_back(((const NMHDR*)lParam)->code);
        }
        return RECORDER_NOTIFY_RESULT;
    }
    if (msg == WM_DESTROY) {
        g_recorder.sawDestroy = true;
        g_recorder.propsAtDestroy = PropsOf(hwnd);
        g_recorder.procAtDestroy = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    }
    return CallWindowProcA(g_recorder.previous, hwnd, msg, wParam, lParam);
}

HWND MakeDialog()
{
    static const DialogItemSpec items[] = {
        {DLG_CLASS_STATIC, (uintptr_t)u"Support site", WS_VISIBLE, 0, 10, 10, 80, 14, IDC_LINK},
    };
    const DialogHeaderSpec header = {WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT,
                                     0,
                                     1,
                                     0,
                                     0,
                                     160,
                                     60,
                                     0,
                                     u"link",
                                     0,
                                     u"MS Shell Dlg",
                                     8};
    void* block = BuildDialogTemplate(&header, items);
    HWND dlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), (LPCDLGTEMPLATEA)block,
                                          nullptr, ParentProc, 0);
    MemFree(block);
    if (dlg != nullptr) {
        SetWindowPos(dlg, nullptr, 100, 100, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    }
    return dlg;
}

UINT_PTR StateOf(HWND link)
{
    return (UINT_PTR)GetPropA(link, "LLPROP_CONTROLSTATE");
}

// A spot relative to the client rectangle: from its left/top corner, or from
// its right/bottom edge (which lies just outside).
struct Spot {
    const char* name;
    int x, y;
    bool fromRight, fromBottom;
    bool inside;
};

const Spot SPOTS[] = {
    {"top_left", 0, 0, false, false, true},     {"last_pixel", -1, -1, true, true, true},
    {"right_edge", 0, 3, true, false, false},   {"bottom_edge", 3, 0, false, true, false},
    {"left_of_it", -1, 3, false, false, false},
};
const Spot& INSIDE = SPOTS[0];
const Spot& OUTSIDE = SPOTS[2];

class LinkLabel : public testing::Test {
protected:
    void SetUp() override
    {
        g_notices.clear();
        g_reflect = false;
        g_recorder = Recorder();
        dlg = MakeDialog();
        ASSERT_NE(nullptr, dlg);
        link = GetDlgItem(dlg, IDC_LINK);
        ASSERT_NE(nullptr, link);
    }
    void TearDown() override
    {
        ReleaseCapture();
        if (dlg != nullptr) {
            DestroyWindow(dlg);
        }
    }
    void Attach()
    {
        ASSERT_TRUE(LinkLabelAttach(link));
    }
    // Puts the real cursor on a spot of the link's client area.
    void CursorOn(const Spot& spot)
    {
        RECT client = {};
        GetClientRect(link, &client);
        POINT pt = {(spot.fromRight ? client.right : 0) + spot.x,
                    (spot.fromBottom ? client.bottom : 0) + spot.y};
        ClientToScreen(link, &pt);
        SetCursorPos(pt.x, pt.y);
        POINT seen = {};
        GetCursorPos(&seen);
        ASSERT_EQ(pt.x, seen.x) << spot.name;
        ASSERT_EQ(pt.y, seen.y) << spot.name;
    }
    LRESULT Notify(UINT code, HWND from, UINT_PTR id)
    {
        NMHDR header = {from, id, code};
        return SendMessageA(link, WM_NOTIFY, id, (LPARAM)&header);
    }
    size_t Count(UINT code)
    {
        size_t n = 0;
        for (const Notice& notice : g_notices) {
            n += notice.code == code;
        }
        return n;
    }
    HWND dlg = nullptr;
    HWND link = nullptr;
};

TEST_F(LinkLabel, AttachUnderlinesTheControlsOwnFont)
{
    LOGFONTA before = {};
    HFONT original = (HFONT)SendMessageA(link, WM_GETFONT, 0, 0);
    ASSERT_NE(nullptr, original);
    ASSERT_EQ((int)sizeof before, GetObjectA(original, sizeof before, &before));
    ASSERT_FALSE(before.lfUnderline);

    Attach();
    HFONT font = (HFONT)SendMessageA(link, WM_GETFONT, 0, 0);
    EXPECT_NE(original, font);
    EXPECT_EQ((HANDLE)font, GetPropA(link, "LLPROP_FONT"));
    LOGFONTA after = {};
    ASSERT_EQ((int)sizeof after, GetObjectA(font, sizeof after, &after));
    EXPECT_TRUE(after.lfUnderline);
    EXPECT_STREQ(before.lfFaceName, after.lfFaceName);
    EXPECT_EQ(before.lfHeight, after.lfHeight);
    EXPECT_EQ(before.lfWeight, after.lfWeight);
    EXPECT_EQ(before.lfItalic, after.lfItalic);
    EXPECT_EQ(before.lfCharSet, after.lfCharSet);
}

TEST_F(LinkLabel, AttachSubclassesAndKeepsItsStateInFourProperties)
{
    const LONG_PTR original = GetWindowLongPtrA(link, GWLP_WNDPROC);
    ASSERT_TRUE(PropsOf(link).empty());
    Attach();
    EXPECT_EQ((LONG_PTR)LinkLabelWndProc, GetWindowLongPtrA(link, GWLP_WNDPROC));
    const std::set<std::string> props = PropsOf(link);
    for (const char* name : PROP_NAMES) {
        EXPECT_EQ(1u, props.count(name)) << name;
    }
    EXPECT_EQ(4u, props.size());
    EXPECT_EQ((HANDLE)original, GetPropA(link, "LLPROP_ORIGINALPROC"));
    EXPECT_EQ(0u, StateOf(link));
    EXPECT_NE(nullptr, GetPropA(link, "LLPROP_CURSOR"));
    // The static still does its own work through the previous procedure.
    EXPECT_EQ(12, SendMessageA(link, WM_GETTEXTLENGTH, 0, 0));
}

// A control created outside a dialog draws with the system font: no font of its
// own to underline, so it stays a plain static.
TEST_F(LinkLabel, AttachRefusesAControlWithoutAFont)
{
    HWND bare = CreateWindowExA(0, "STATIC", "bare", WS_CHILD | WS_VISIBLE, 5, 40, 60, 16, dlg,
                                (HMENU)(INT_PTR)IDC_BARE, nullptr, nullptr);
    ASSERT_NE(nullptr, bare);
    ASSERT_EQ(0, SendMessageA(bare, WM_GETFONT, 0, 0));
    const LONG_PTR original = GetWindowLongPtrA(bare, GWLP_WNDPROC);
    EXPECT_FALSE(LinkLabelAttach(bare));
    EXPECT_EQ(original, GetWindowLongPtrA(bare, GWLP_WNDPROC));
    EXPECT_TRUE(PropsOf(bare).empty());
    EXPECT_EQ(0, SendMessageA(bare, WM_GETFONT, 0, 0));
}

TEST_F(LinkLabel, SecondAttachIsRefusedAndChangesNothing)
{
    Attach();
    HANDLE font = GetPropA(link, "LLPROP_FONT");
    HANDLE cursor = GetPropA(link, "LLPROP_CURSOR");
    HANDLE original = GetPropA(link, "LLPROP_ORIGINALPROC");
    EXPECT_FALSE(LinkLabelAttach(link));
    EXPECT_EQ(font, GetPropA(link, "LLPROP_FONT"));
    EXPECT_EQ(cursor, GetPropA(link, "LLPROP_CURSOR"));
    EXPECT_EQ(original, GetPropA(link, "LLPROP_ORIGINALPROC"));
    EXPECT_EQ((LRESULT)font, SendMessageA(link, WM_GETFONT, 0, 0));
    // Messages still reach the static instead of recursing.
    EXPECT_EQ(12, SendMessageA(link, WM_GETTEXTLENGTH, 0, 0));
}

// The hand as drawn: '.' leaves the screen unchanged, '#' is black, 'o' white.
// Rows below these are all unchanged.
const char* const HAND_PICTURE[] = {
    "......##........................", ".....#oo#.......................",
    ".....#oo#.......................", ".....#oo#.......................",
    ".....#oo#.......................", ".....#oo###.....................",
    ".....#oo#oo###..................", ".....#oo#oo#oo##................",
    ".....#oo#oo#oo#o#...............", ".###.#oo#oo#oo#oo#..............",
    ".#oo##oooooooo#oo#..............", ".#ooo#ooooooooooo#..............",
    "..#oo#ooooooooooo#..............", "...#o#ooooooooooo#..............",
    "...#ooooooooooooo#..............", "....#oooooooooooo#..............",
    "....#ooooooooooo#...............", ".....#oooooooooo#...............",
    ".....#oooooooooo#...............", "......#oooooooo#................",
    "......#oooooooo#................", "......##########................",
};

// One row of a plane as the picture gives it: 'A' for the AND plane, 'X' for XOR.
std::string PlaneRow(int row, char plane)
{
    std::string bits;
    const int pictured = (int)(sizeof HAND_PICTURE / sizeof HAND_PICTURE[0]);
    for (int x = 0; x < 32; ++x) {
        const char pixel = row < pictured ? HAND_PICTURE[row][x] : '.';
        const bool set = plane == 'A' ? pixel == '.' : pixel == 'o';
        bits += set ? '1' : '0';
    }
    return bits;
}

std::string BitsOf(const BYTE* row)
{
    std::string bits;
    for (int x = 0; x < 32; ++x) {
        bits += (row[x / 8] & (0x80 >> (x % 8))) ? '1' : '0';
    }
    return bits;
}

// Read back from the system: a monochrome cursor keeps both planes in one mask
// bitmap twice as tall, AND on top, XOR below.
TEST_F(LinkLabel, CursorIsTheHandWithItsHotSpotOnTheFingerTip)
{
    Attach();
    HCURSOR cursor = (HCURSOR)GetPropA(link, "LLPROP_CURSOR");
    ASSERT_NE(nullptr, cursor);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(7u, info.xHotspot);
    EXPECT_EQ(0u, info.yHotspot);
    EXPECT_EQ(nullptr, info.hbmColor);
    BITMAP mask = {};
    ASSERT_EQ((int)sizeof mask, GetObjectA(info.hbmMask, sizeof mask, &mask));
    EXPECT_EQ(32, mask.bmWidth);
    ASSERT_EQ(64, mask.bmHeight);
    ASSERT_EQ(1, mask.bmBitsPixel);
    ASSERT_EQ(4, mask.bmWidthBytes);
    BYTE bits[64 * 4] = {};
    ASSERT_EQ((LONG)sizeof bits, GetBitmapBits(info.hbmMask, sizeof bits, bits));
    for (int row = 0; row < 32; ++row) {
        EXPECT_EQ(PlaneRow(row, 'A'), BitsOf(bits + row * 4)) << "AND row " << row;
        EXPECT_EQ(PlaneRow(row, 'X'), BitsOf(bits + (32 + row) * 4)) << "XOR row " << row;
    }
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
}

TEST_F(LinkLabel, SetCursorShowsTheHandWhateverTheHitTest)
{
    Attach();
    SetCursor(LoadCursorA(nullptr, (LPCSTR)IDC_ARROW));
    const LPARAM hit = MAKELPARAM(HTERROR, WM_MOUSEMOVE);
    EXPECT_EQ(TRUE, SendMessageA(link, WM_SETCURSOR, (WPARAM)link, hit));
    EXPECT_EQ((HCURSOR)GetPropA(link, "LLPROP_CURSOR"), GetCursor());
}

// The answer follows the real cursor, not the point in the message: inside
// the link answers itself, outside the plain static lets the mouse through.
TEST_F(LinkLabel, HitTestFollowsTheRealCursor)
{
    Attach();
    RECT client = {};
    GetClientRect(link, &client);
    POINT middle = {client.right / 2, client.bottom / 2};
    ClientToScreen(link, &middle);
    const LPARAM farAway = MAKELPARAM(1, 1);
    for (const Spot& spot : SPOTS) {
        CursorOn(spot);
        const LPARAM claimed = spot.inside ? farAway : MAKELPARAM(middle.x, middle.y);
        EXPECT_EQ(spot.inside ? HTCLIENT : HTTRANSPARENT,
                  SendMessageA(link, WM_NCHITTEST, 0, claimed))
            << spot.name;
    }
}

// Each move inside notifies once with that move's words, full width in both
// builds; a move on the right or bottom edge does not.
TEST_F(LinkLabel, EveryMoveInsideNotifiesHoverWithItsWords)
{
    Attach();
    const WPARAM wide = (WPARAM)-1 ^ 0x5A;
    const struct {
        WPARAM wParam;
        LPARAM lParam;
    } moves[] = {{MK_SHIFT, MAKELPARAM(3, 4)}, {0, 0}, {wide, (LPARAM)wide}};
    for (const Spot& spot : SPOTS) {
        CursorOn(spot);
        g_notices.clear();
        for (const auto& move : moves) {
            EXPECT_EQ(0, SendMessageA(link, WM_MOUSEMOVE, move.wParam, move.lParam));
        }
        if (!spot.inside) {
            EXPECT_TRUE(g_notices.empty()) << spot.name;
            continue;
        }
        ASSERT_EQ(3u, g_notices.size()) << spot.name;
        for (size_t i = 0; i < 3; ++i) {
            const Notice& notice = g_notices[i];
            EXPECT_EQ(LLN_MOUSEHOVER, notice.code);
            EXPECT_EQ(link, notice.from);
            EXPECT_EQ((UINT_PTR)IDC_LINK, notice.id);
            EXPECT_EQ((WPARAM)IDC_LINK, notice.messageWParam);
            EXPECT_EQ(moves[i].wParam, notice.wParam) << i;
            EXPECT_EQ(moves[i].lParam, notice.lParam) << i;
        }
    }
    // No reflection here: the link never lit up by itself.
    EXPECT_EQ(0u, StateOf(link));
}

// Waits for the next WM_TIMER of hwnd and dispatches it, which runs the timer
// procedure. False if none comes within a generous bound.
bool DispatchNextTick(HWND hwnd)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 5000) {
        MSG msg;
        if (PeekMessageA(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            DispatchMessageA(&msg);
            return true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_TIMER);
    }
    return false;
}

TEST_F(LinkLabel, LeaveComesOnceAtTheFirstTickAfterTheCursorLeft)
{
    Attach();
    g_reflect = true;
    CursorOn(INSIDE);
    SendMessageA(link, WM_MOUSEMOVE, 0, 0);
    ASSERT_EQ(1u, Count(LLN_MOUSEHOVER));
    EXPECT_EQ(1u, StateOf(link));

    // A tick with the cursor inside changes nothing and keeps the timer.
    ASSERT_TRUE(DispatchNextTick(link));
    EXPECT_EQ(0u, Count(LLN_MOUSELEAVE));
    EXPECT_EQ(1u, StateOf(link));

    CursorOn(OUTSIDE);
    ASSERT_TRUE(DispatchNextTick(link));
    EXPECT_EQ(1u, Count(LLN_MOUSELEAVE));
    EXPECT_EQ(0u, StateOf(link));
    const Notice& leave = g_notices.back();
    EXPECT_EQ(LLN_MOUSELEAVE, leave.code);
    EXPECT_EQ(link, leave.from);
    EXPECT_EQ((UINT_PTR)IDC_LINK, leave.id);
    EXPECT_EQ(0u, leave.wParam);
    EXPECT_EQ(0, leave.lParam);
    // The timer killed itself.
    EXPECT_FALSE(KillTimer(link, 1));
}

TEST_F(LinkLabel, PressDragOutReleaseIsNoClick)
{
    Attach();
    CursorOn(INSIDE);
    ValidateRect(link, nullptr);
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(link, GetCapture());
    RECT update = {};
    EXPECT_TRUE(GetUpdateRect(link, &update, FALSE)) << "a press repaints";
    CursorOn(OUTSIDE);
    SendMessageA(link, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(0u, Count(LLN_CLICKED));
}

// Only the position at release counts, and the edges are outside.
TEST_F(LinkLabel, ReleaseClicksOnlyInside)
{
    Attach();
    for (const Spot& spot : SPOTS) {
        g_notices.clear();
        CursorOn(INSIDE);
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        CursorOn(OUTSIDE);
        CursorOn(spot);
        SendMessageA(link, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(nullptr, GetCapture()) << spot.name;
        ASSERT_EQ(spot.inside ? 1u : 0u, g_notices.size()) << spot.name;
        if (spot.inside) {
            const Notice& click = g_notices[0];
            EXPECT_EQ(LLN_CLICKED, click.code);
            EXPECT_EQ(link, click.from);
            EXPECT_EQ((UINT_PTR)IDC_LINK, click.id);
            EXPECT_EQ(0u, click.wParam);
            EXPECT_EQ(0, click.lParam);
        }
    }
}

TEST_F(LinkLabel, ReleaseWithoutAPressDoesNothing)
{
    Attach();
    CursorOn(INSIDE);
    SendMessageA(link, WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(g_notices.empty());
    // Someone else's capture is left alone.
    SetCapture(dlg);
    SendMessageA(link, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(dlg, GetCapture());
    EXPECT_TRUE(g_notices.empty());
}

struct ReflectCase {
    const char* name;
    bool hotBefore;
    bool cursorInside;
    UINT code;
    UINT_PTR stateAfter;
};

const ReflectCase REFLECT_CASES[] = {
    {"hover_inside_lights", false, true, LLN_MOUSEHOVER, 1},
    {"hover_outside_stays_cold", false, false, LLN_MOUSEHOVER, 0},
    {"late_hover_keeps_hot", true, false, LLN_MOUSEHOVER, 1},
    {"leave_outside", true, false, LLN_MOUSELEAVE, 0},
    {"leave_inside", true, true, LLN_MOUSELEAVE, 0},
};

// The sender named in the header plays no part.
TEST_F(LinkLabel, ReflectedHoverAndLeaveSetTheStateWhateverTheSender)
{
    Attach();
    for (const ReflectCase& c : REFLECT_CASES) {
        CursorOn(INSIDE);
        Notify(c.hotBefore ? LLN_MOUSEHOVER : LLN_MOUSELEAVE, link, IDC_LINK);
        ASSERT_EQ(c.hotBefore ? 1u : 0u, StateOf(link)) << c.name;
        CursorOn(c.cursorInside ? INSIDE : OUTSIDE);
        ValidateRect(link, nullptr);
        EXPECT_EQ(0, Notify(c.code, dlg, 999)) << c.name;
        EXPECT_EQ(c.stateAfter, StateOf(link)) << c.name;
        RECT update = {};
        EXPECT_TRUE(GetUpdateRect(link, &update, FALSE)) << c.name << ": no repaint asked";
    }
    EXPECT_TRUE(g_notices.empty());
}

// Subclassed by the test first, so what the link label passes on is seen.
TEST_F(LinkLabel, ClickAndForeignCodesReachThePreviousProcedure)
{
    g_recorder.previous = (WNDPROC)SetWindowLongPtrA(link, GWLP_WNDPROC, (LONG_PTR)RecorderProc);
    Attach();
    EXPECT_EQ(RECORDER_NOTIFY_RESULT, Notify(LLN_CLICKED, link, IDC_LINK));
    EXPECT_EQ(RECORDER_NOTIFY_RESULT, Notify(FOREIGN_CODE, dlg, 5));
    EXPECT_EQ(0, Notify(LLN_MOUSEHOVER, link, IDC_LINK));
    EXPECT_EQ(0, Notify(LLN_MOUSELEAVE, link, IDC_LINK));
    const std::vector<UINT> passed = {LLN_CLICKED, FOREIGN_CODE};
    EXPECT_EQ(passed, g_recorder.notifyCodes);
    // A notification without a record is passed on, not read.
    EXPECT_EQ(RECORDER_NOTIFY_RESULT, SendMessageA(link, WM_NOTIFY, 0, 0));
    EXPECT_EQ(1, g_recorder.nullNotifies);
}

// The previous procedure gets WM_DESTROY after the link label has let go: by
// then the properties are gone and it is the window procedure again.
TEST_F(LinkLabel, DestroyDetachesAndFreesTheFontAndCursor)
{
    g_recorder.previous = (WNDPROC)SetWindowLongPtrA(link, GWLP_WNDPROC, (LONG_PTR)RecorderProc);
    Attach();
    HFONT font = (HFONT)GetPropA(link, "LLPROP_FONT");
    HCURSOR cursor = (HCURSOR)GetPropA(link, "LLPROP_CURSOR");
    ASSERT_EQ(OBJ_FONT, (int)GetObjectType(font));
    ASSERT_EQ(4u, PropsOf(link).size());

    ASSERT_TRUE(DestroyWindow(link));
    ASSERT_TRUE(g_recorder.sawDestroy);
    EXPECT_TRUE(g_recorder.propsAtDestroy.empty());
    EXPECT_EQ((LONG_PTR)RecorderProc, g_recorder.procAtDestroy);
    EXPECT_EQ(0u, GetObjectType(font));
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(cursor, &info));
}

}  // namespace
