// The geometry helpers on real dialogs (headless prefix: real window
// rectangles, a real cursor position, no pixels). Expected positions come from
// the windows themselves and the work area, never from fixed numbers.
#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <string>

#include "support/dialog_probe.h"
#include "base/mem.h"
#include "ui/geometry.h"

namespace {

const int IDC_LABEL = 10;
const int IDC_PUSH = 11;
const int IDC_FIELD = 12;

// Lets tests make the dialog larger than the screen.
INT_PTR CALLBACK TestDlgProc(HWND, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg == WM_GETMINMAXINFO) {
        ((MINMAXINFO*)lParam)->ptMaxTrackSize = {5000, 5000};
    }
    return msg == WM_INITDIALOG || msg == WM_GETMINMAXINFO;
}

// A visible, captioned, modeless dialog at screen (x, y) with three controls.
HWND MakeDialog(HWND owner, int x, int y)
{
    static const DialogItemSpec items[] = {
        {DLG_CLASS_STATIC, (uintptr_t)u"Label", WS_VISIBLE, 0, 10, 10, 60, 10, IDC_LABEL},
        {DLG_CLASS_BUTTON, (uintptr_t)u"Push", WS_VISIBLE | WS_TABSTOP, 0, 10, 30, 50, 14,
         IDC_PUSH},
        {DLG_CLASS_EDIT, 0, WS_VISIBLE | WS_BORDER, 0, 10, 50, 80, 12, IDC_FIELD},
    };
    return OpenTemplateDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME, 160,
                              100, items, 3, owner, TestDlgProc, x, y);
}

RECT RectOf(HWND hwnd)
{
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT WorkArea()
{
    RECT wa = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);
    return wa;
}

POINT CursorAt(int x, int y)
{
    SetCursorPos(x, y);
    POINT p = {};
    GetCursorPos(&p);
    return p;
}

class Geometry : public testing::Test {
protected:
    void SetUp() override
    {
        dlg = MakeDialog(nullptr, 120, 90);
        ASSERT_NE(nullptr, dlg);
        label = GetDlgItem(dlg, IDC_LABEL);
        ASSERT_NE(nullptr, label);
    }
    void TearDown() override
    {
        if (dlg != nullptr) {
            DestroyWindow(dlg);
        }
    }
    HWND dlg = nullptr;
    HWND label = nullptr;
};

TEST_F(Geometry, GettersReportTheOuterScreenRectangle)
{
    const RECT r = RectOf(label);
    POINT pos = {};
    SIZE size = {};
    WndGetPos(label, &pos);
    WndGetSize(label, &size);
    EXPECT_EQ(r, (RECT{pos.x, pos.y, pos.x + size.cx, pos.y + size.cy}));
    EXPECT_EQ(r.right - r.left, WndGetWidth(label));
    EXPECT_EQ(r.bottom - r.top, WndGetHeight(label));
    EXPECT_EQ(r.top, DlgItemTop(dlg, IDC_LABEL));
    EXPECT_EQ(r.bottom, DlgItemBottom(dlg, IDC_LABEL));
    EXPECT_EQ(WndGetTop(label) + WndGetHeight(label), WndGetBottom(label));

    // The dialog's outer rectangle includes its caption: its client starts lower.
    POINT client = {0, 0};
    ClientToScreen(dlg, &client);
    EXPECT_LT(WndGetTop(dlg), client.y);
    POINT offset = client;
    WndOffsetFrom(dlg, &offset);
    EXPECT_EQ(client.x - RectOf(dlg).left, offset.x);
    EXPECT_EQ(client.y - RectOf(dlg).top, offset.y);
}

// Moves and resizes as seen on screen: a control moves inside its dialog's
// client area (the caption plays no part); an owned dialog is no child and
// moves in screen coordinates. Each row: call, then expected dx, dy, dcx, dcy.
struct MoveCase {
    const char* name;
    bool owned;
    bool (*call)(HWND dlg, HWND target);
    int dx, dy, dcx, dcy;
};

const MoveCase MOVE_CASES[] = {
    {"down", false, [](HWND, HWND w) { return WndMoveBy(w, 0, 10); }, 0, 10, 0, 0},
    {"right_up", false, [](HWND, HWND w) { return WndMoveBy(w, 7, -3); }, 7, -3, 0, 0},
    {"left", false, [](HWND, HWND w) { return WndMoveBy(w, -4, 0); }, -4, 0, 0, 0},
    {"still", false, [](HWND, HWND w) { return WndMoveBy(w, 0, 0); }, 0, 0, 0, 0},
    {"item_up", false, [](HWND d, HWND) { return DlgItemMoveBy(d, IDC_LABEL, -25); }, 0, -25, 0, 0},
    {"resize", false, [](HWND, HWND w) { return WndResizeBy(w, 11, -3); }, 0, 0, 11, -3},
    {"owned", true, [](HWND, HWND w) { return WndMoveBy(w, 13, 17); }, 13, 17, 0, 0},
};

TEST_F(Geometry, MoveAndResizeByTheDelta)
{
    HWND owned = MakeDialog(dlg, 300, 200);
    ASSERT_NE(nullptr, owned);
    ASSERT_EQ(dlg, GetParent(owned));
    ASSERT_FALSE(IsChild(dlg, owned));
    for (const MoveCase& c : MOVE_CASES) {
        SCOPED_TRACE(c.name);
        HWND target = c.owned ? owned : label;
        const RECT before = RectOf(target);
        EXPECT_TRUE(c.call(dlg, target));
        EXPECT_EQ((RECT{before.left + c.dx, before.top + c.dy, before.right + c.dx + c.dcx,
                        before.bottom + c.dy + c.dcy}),
                  RectOf(target));
    }
    DestroyWindow(owned);
}

// A step with zero deltas keeps the control where it is (its position went
// through the client conversion); the other step moves and resizes at once.
TEST_F(Geometry, DeferredBatchMovesAndResizes)
{
    const RECT label0 = RectOf(label);
    HWND push = GetDlgItem(dlg, IDC_PUSH);
    const RECT push0 = RectOf(push);
    HDWP batch = BeginDeferWindowPos(2);
    ASSERT_NE(nullptr, batch);
    DeferMoveResizeBy(&batch, dlg, IDC_LABEL, 0, 0, 0, 0);
    ASSERT_NE(nullptr, batch);
    DeferMoveResizeBy(&batch, dlg, IDC_PUSH, 5, -6, 7, 8);
    ASSERT_NE(nullptr, batch);
    EXPECT_EQ(push0, RectOf(push));  // nothing moves before the batch is committed
    ASSERT_TRUE(EndDeferWindowPos(batch));
    EXPECT_EQ(label0, RectOf(label));
    EXPECT_EQ((RECT{push0.left + 5, push0.top - 6, push0.right + 12, push0.bottom + 2}),
              RectOf(push));
}

enum Spot { LOW, MID, HIGH };  // where the cursor sits on one axis of the work area
enum Placed { AT_LOW_EDGE, CENTRED, AT_HIGH_EDGE };

struct CentreCase {
    const char* name;
    Spot spotX, spotY;
    int cx, cy;  // requested size; 0 means the work area's size plus `over`
    int over;
    Placed placedX, placedY;
};

const CentreCase CENTRE_CASES[] = {
    {"bottom_right", HIGH, HIGH, 200, 150, 0, AT_HIGH_EDGE, AT_HIGH_EDGE},
    {"top_left", LOW, LOW, 200, 150, 0, AT_LOW_EDGE, AT_LOW_EDGE},
    {"top_right_odd", HIGH, LOW, 201, 151, 0, AT_HIGH_EDGE, AT_LOW_EDGE},
    {"bottom_left_odd", LOW, HIGH, 201, 151, 0, AT_LOW_EDGE, AT_HIGH_EDGE},
    {"middle_even", MID, MID, 200, 150, 0, CENTRED, CENTRED},
    {"middle_odd", MID, MID, 201, 151, 0, CENTRED, CENTRED},
    {"wider_than_area", HIGH, MID, 0, 151, 101, AT_LOW_EDGE, CENTRED},
    {"taller_than_area", MID, HIGH, 201, 0, 51, CENTRED, AT_LOW_EDGE},
    {"larger_than_area", HIGH, HIGH, 0, 0, 33, AT_LOW_EDGE, AT_LOW_EDGE},
};

void PrintTo(const CentreCase& c, std::ostream* os)
{
    *os << c.name;
}

int SpotOn(Spot spot, int low, int high)
{
    return spot == LOW ? low : spot == HIGH ? high - 1 : (low + high) / 2 + 1;
}

// One axis: where the window's near edge must be, given the cursor, the
// window's real extent and the area's edges.
void ExpectPlaced(const char* axis, Placed placed, int nearEdge, int extent, int cursor, int low,
                  int high)
{
    SCOPED_TRACE(axis);
    switch (placed) {
        case AT_LOW_EDGE:
            EXPECT_EQ(low, nearEdge);
            break;
        case AT_HIGH_EDGE:
            EXPECT_EQ(high, nearEdge + extent);
            break;
        case CENTRED:
            // The half is rounded toward zero: an odd extent lies one pixel
            // further on the far side of the cursor.
            EXPECT_EQ(extent / 2, cursor - nearEdge);
            EXPECT_EQ((extent + 1) / 2, nearEdge + extent - cursor);
            break;
    }
}

class CentreOnCursor : public Geometry, public testing::WithParamInterface<CentreCase> {};

TEST_P(CentreOnCursor, StaysInsideTheWorkArea)
{
    const CentreCase& c = GetParam();
    RECT wa = {};
    ASSERT_TRUE(GetWorkArea(&wa));
    ASSERT_EQ(WorkArea(), wa);  // the system's
    ASSERT_FALSE(IsRectEmpty(&wa));
    const int cx = c.cx != 0 ? c.cx : wa.right - wa.left + c.over;
    const int cy = c.cy != 0 ? c.cy : wa.bottom - wa.top + c.over;
    ASSERT_TRUE(WndResizeTo(dlg, cx, cy));
    const RECT sized = RectOf(dlg);
    ASSERT_EQ(cx, sized.right - sized.left);
    ASSERT_EQ(cy, sized.bottom - sized.top);

    const POINT cursor =
        CursorAt(SpotOn(c.spotX, wa.left, wa.right), SpotOn(c.spotY, wa.top, wa.bottom));
    ASSERT_EQ(SpotOn(c.spotX, wa.left, wa.right), cursor.x)
        << "the cursor cannot be placed in this prefix";
    ASSERT_EQ(SpotOn(c.spotY, wa.top, wa.bottom), cursor.y);

    WndCenterOnCursor(dlg);
    const RECT r = RectOf(dlg);
    EXPECT_EQ(cx, r.right - r.left);
    EXPECT_EQ(cy, r.bottom - r.top);
    ExpectPlaced("x", c.placedX, r.left, cx, cursor.x, wa.left, wa.right);
    ExpectPlaced("y", c.placedY, r.top, cy, cursor.y, wa.top, wa.bottom);
}

INSTANTIATE_TEST_SUITE_P(Cases, CentreOnCursor, testing::ValuesIn(CENTRE_CASES),
                         [](const testing::TestParamInfo<CentreCase>& info) {
                             return std::string(info.param.name);
                         });

// A control is centred in screen terms, then placed in its dialog's client
// coordinates.
TEST_F(Geometry, CentreOnCursorPlacesAControlInItsDialog)
{
    HWND field = GetDlgItem(dlg, IDC_FIELD);
    RECT client = {};
    GetClientRect(dlg, &client);
    POINT target = {client.right / 2, client.bottom / 2};
    ClientToScreen(dlg, &target);
    const POINT cursor = CursorAt(target.x, target.y);
    ASSERT_EQ(target.x, cursor.x);

    WndCenterOnCursor(field);
    const RECT r = RectOf(field);
    EXPECT_EQ((r.right - r.left) / 2, cursor.x - r.left);
    EXPECT_EQ((r.bottom - r.top) / 2, cursor.y - r.top);
}

// The left and top edges are inside, the right and bottom edges outside.
const ClientSpot CLIENT_SPOTS[] = {
    {"top_left", 0, 0, false, false, true},     {"last_pixel", -1, -1, true, true, true},
    {"x_is_width", 0, 5, true, false, false},   {"y_is_height", 5, 0, false, true, false},
    {"left_of_it", -1, 0, false, false, false}, {"above_it", 0, -1, false, false, false},
};

TEST_F(Geometry, CursorInClientCountsLeftAndTopEdgesOnly)
{
    for (const ClientSpot& s : CLIENT_SPOTS) {
        POINT pt = {}, seen = {};
        ASSERT_TRUE(PutCursorOn(dlg, s, &pt)) << s.name;
        EXPECT_TRUE(GetCursorClientPos(dlg, &seen));
        EXPECT_EQ(pt.x, seen.x) << s.name;
        EXPECT_EQ(pt.y, seen.y) << s.name;
        EXPECT_EQ(s.inside, IsCursorInClient(dlg)) << s.name;
    }
}

TEST_F(Geometry, LivenessOfWindowsAndItems)
{
    EXPECT_FALSE(IsLiveWindow(nullptr));
    EXPECT_TRUE(IsLiveWindow(dlg));
    EXPECT_FALSE(IsLiveDlgItem(nullptr, IDC_LABEL));
    EXPECT_FALSE(IsLiveDlgItem(dlg, 999));
    EXPECT_TRUE(IsLiveDlgItem(dlg, IDC_LABEL));
    HWND gone = MakeDialog(nullptr, 0, 0);
    ASSERT_NE(nullptr, gone);
    DestroyWindow(gone);
    EXPECT_FALSE(IsLiveWindow(gone));
    EXPECT_FALSE(IsLiveDlgItem(gone, IDC_LABEL));
    // Getters on a gone window report zeros.
    POINT pos = {-1, -1};
    SIZE size = {-1, -1};
    WndGetPos(gone, &pos), WndGetSize(gone, &size);
    EXPECT_EQ(0, pos.x | pos.y | size.cx | size.cy);
    EXPECT_EQ(0, WndGetBottom(gone));
}

TEST_F(Geometry, ShowAndEnableReportThePreviousState)
{
    HWND active = GetActiveWindow();
    EXPECT_TRUE(DlgItemShow(dlg, IDC_PUSH, false));  // was visible
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dlg, IDC_PUSH)));
    EXPECT_FALSE(WndShow(GetDlgItem(dlg, IDC_PUSH), false));
    EXPECT_FALSE(DlgItemShow(dlg, IDC_PUSH, true));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dlg, IDC_PUSH)));
    EXPECT_EQ(active, GetActiveWindow());

    EXPECT_FALSE(DlgItemEnable(dlg, IDC_PUSH, false));  // was enabled
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_PUSH)));
    EXPECT_TRUE(DlgItemEnable(dlg, IDC_PUSH, false));
    EXPECT_TRUE(DlgItemEnable(dlg, IDC_PUSH, true));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_PUSH)));
}

TEST_F(Geometry, InvalidateMarksTheWholeClientArea)
{
    RECT client = {};
    GetClientRect(dlg, &client);
    ValidateRect(dlg, nullptr);
    RECT update = {};
    EXPECT_FALSE(GetUpdateRect(dlg, &update, FALSE));
    EXPECT_TRUE(WndInvalidate(dlg));
    EXPECT_TRUE(GetUpdateRect(dlg, &update, FALSE));
    EXPECT_EQ(client, update);
}

TEST_F(Geometry, SetWindowIconReturnsTheOneBefore)
{
    HICON first = LoadIconA(nullptr, (LPCSTR)IDI_APPLICATION);
    HICON second = LoadIconA(nullptr, (LPCSTR)IDI_WARNING);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(0, SetWindowIcon(dlg, ICON_BIG, first));
    EXPECT_EQ((LRESULT)first, SetWindowIcon(dlg, ICON_BIG, second));
    EXPECT_EQ(0, SetWindowIcon(dlg, ICON_SMALL, first));
    EXPECT_EQ((LRESULT)second, SendMessageA(dlg, WM_GETICON, ICON_BIG, 0));
}

TEST_F(Geometry, TextAllocCopiesTheWholeText)
{
    const std::string long_text(700, 'x');
    const char* const texts[] = {"", "Label", "移動先フォルダ", long_text.c_str()};
    HWND field = GetDlgItem(dlg, IDC_FIELD);
    for (const char* text : texts) {
        ASSERT_TRUE(SetWindowTextA(field, text));
        char* copy = WndGetTextAlloc(field);
        ASSERT_NE(nullptr, copy);
        EXPECT_STREQ(text, copy);
        MemFree(copy);
    }
}

TEST_F(Geometry, FontInfoOnlyForAWindowWithAFont)
{
    // Controls of a DS_SETFONT dialog get its font.
    LOGFONTA info;
    EXPECT_TRUE(WndGetFontInfo(label, &info));

    HWND bare = CreateWindowExA(0, "STATIC", "bare", WS_CHILD, 0, 0, 10, 10, dlg, nullptr, nullptr,
                                nullptr);
    ASSERT_NE(nullptr, bare);
    LOGFONTA untouched;
    memset(&untouched, 0x5A, sizeof untouched);
    info = untouched;
    EXPECT_FALSE(WndGetFontInfo(bare, &info));
    EXPECT_EQ(0, memcmp(&untouched, &info, sizeof info));

    HFONT font = CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                             0, "Tahoma");
    ASSERT_NE(nullptr, font);
    SendMessageA(bare, WM_SETFONT, (WPARAM)font, FALSE);
    EXPECT_TRUE(WndGetFontInfo(bare, &info));
    EXPECT_EQ(-13, info.lfHeight);
    EXPECT_EQ(FW_BOLD, info.lfWeight);
    EXPECT_STREQ("Tahoma", info.lfFaceName);
    DestroyWindow(bare);
    DeleteObject(font);
}

}  // namespace
