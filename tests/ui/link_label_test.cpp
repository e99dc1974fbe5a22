// Attaching, the hand cursor, passing messages on, and detaching.
#include "ui/link_label_fixture.h"

using namespace link_label_test;

namespace {

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
    // A second attach is refused and changes nothing.
    const HANDLE values[] = {GetPropA(link, "LLPROP_FONT"), GetPropA(link, "LLPROP_CURSOR")};
    EXPECT_FALSE(LinkLabelAttach(link));
    EXPECT_EQ(values[0], GetPropA(link, "LLPROP_FONT"));
    EXPECT_EQ(values[1], GetPropA(link, "LLPROP_CURSOR"));
    EXPECT_EQ((HANDLE)original, GetPropA(link, "LLPROP_ORIGINALPROC"));
    EXPECT_EQ((LRESULT)values[0], SendMessageA(link, WM_GETFONT, 0, 0));
    EXPECT_EQ((LONG_PTR)LinkLabelWndProc, GetWindowLongPtrA(link, GWLP_WNDPROC));
    // The static still does its own work through the previous procedure, no recursion.
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
