// Hit test, hover, leave, press and release with a real cursor.
#include "ui/link_label_fixture.h"

using namespace link_label_test;

namespace {

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
    for (const ClientSpot& spot : SPOTS) {
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
    for (const ClientSpot& spot : SPOTS) {
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
            ExpectNotice(g_notices[i], LLN_MOUSEHOVER, moves[i].wParam, moves[i].lParam);
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
    ExpectNotice(g_notices.back(), LLN_MOUSELEAVE, 0, 0);
    // The timer killed itself.
    EXPECT_FALSE(KillTimer(link, 1));
}

TEST_F(LinkLabel, PressDragOutReleaseOrReleaseAloneIsNoClick)
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
    // A release without a press does nothing, and leaves someone else's capture.
    CursorOn(INSIDE);
    SendMessageA(link, WM_LBUTTONUP, 0, 0);
    SetCapture(dlg);
    SendMessageA(link, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(dlg, GetCapture());
    EXPECT_TRUE(g_notices.empty());
}

// Only the position at release counts, and the edges are outside.
TEST_F(LinkLabel, ReleaseClicksOnlyInside)
{
    Attach();
    for (const ClientSpot& spot : SPOTS) {
        g_notices.clear();
        CursorOn(INSIDE);
        SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        CursorOn(OUTSIDE);
        CursorOn(spot);
        SendMessageA(link, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(nullptr, GetCapture()) << spot.name;
        ASSERT_EQ(spot.inside ? 1u : 0u, g_notices.size()) << spot.name;
        if (spot.inside) {
            ExpectNotice(g_notices[0], LLN_CLICKED, 0, 0);
        }
    }
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

}  // namespace
