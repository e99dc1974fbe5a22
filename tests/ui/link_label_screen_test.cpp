// What the link label really paints, read back from the screen prefix's
// display. Positions come from the control's rectangle and the measured text,
// never from fixed pixel numbers.
#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include "support/dialog_probe.h"
#include "support/screen.h"
#include "ui/link_label.h"

namespace {

const int IDC_LINK = 20;
const int IDC_PLAIN = 21;
const char TEXT[] = "Support site";
const COLORREF BLUE = RGB(0, 0, 255);
const COLORREF RED = RGB(255, 0, 0);
const COLORREF FRAME_GREY = RGB(128, 128, 128);  // the stock grey brush

bool g_reflect = false;

INT_PTR CALLBACK ParentProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        return TRUE;
    }
    if (msg == WM_NOTIFY && g_reflect) {
        const NMHDR* header = (const NMHDR*)lParam;
        if (header->code != LLN_CLICKED) {
            const LRESULT result = SendMessageA(header->hwndFrom, WM_NOTIFY, wParam, lParam);
            SetWindowLongPtrA(dlg, DWLP_MSGRESULT, result);
        }
        return TRUE;
    }
    return FALSE;
}

// Two centred statics, much wider than their text: the link and a plain one
// that shows where centring would put the text.
HWND MakeDialog()
{
    static const DialogItemSpec items[] = {
        {DLG_CLASS_STATIC, (uintptr_t)u"Support site", WS_VISIBLE | SS_CENTER, 0, 10, 10, 160, 20,
         IDC_LINK},
        {DLG_CLASS_STATIC, (uintptr_t)u"Support site", WS_VISIBLE | SS_CENTER, 0, 10, 40, 160, 20,
         IDC_PLAIN},
    };
    HWND dlg = OpenTemplateDialog(WS_POPUP | WS_CAPTION | WS_VISIBLE, 180, 70, items, 2, nullptr,
                                  ParentProc, 100, 100);
    SetForegroundWindow(dlg);
    return dlg;
}

size_t CountColour(const ScreenPixels& p, COLORREF colour)
{
    size_t n = 0;
    for (COLORREF c : p.colours) {
        n += c == colour;
    }
    return n;
}

// The leftmost column with anything but the face colour, or -1.
int LeftmostInk(const ScreenPixels& p)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int x = 0; x < p.width; ++x) {
        for (int y = 0; y < p.height; ++y) {
            if (p.At(x, y) != face) {
                return x;
            }
        }
    }
    return -1;
}

SIZE TextExtent(HWND hwnd)
{
    SIZE size = {};
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageA(hwnd, WM_GETFONT, 0, 0));
    GetTextExtentPoint32A(dc, TEXT, (int)strlen(TEXT), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return size;
}

// Lets the window system settle until cond holds; false if it never does
// within a generous bound.
template <typename Cond>
bool PumpUntil(Cond cond)
{
    for (int i = 0; i < 100 && !cond(); ++i) {
        PumpMessages(50);
    }
    return cond();
}

class LinkLabelScreen : public testing::Test {
protected:
    void SetUp() override
    {
        g_reflect = false;
        dlg = MakeDialog();
        ASSERT_NE(nullptr, dlg);
        link = GetDlgItem(dlg, IDC_LINK);
        ASSERT_NE(nullptr, link);
        ASSERT_TRUE(LinkLabelAttach(link));
        ParkCursor();
        PumpMessages(300);
    }
    void TearDown() override
    {
        ReleaseCapture();
        if (dlg != nullptr) {
            DestroyWindow(dlg);
        }
    }
    // Out of the dialog's way, so no real mouse message reaches the link.
    void ParkCursor()
    {
        RECT r = {};
        GetWindowRect(dlg, &r);
        SetCursorPos(r.right + 40, r.bottom + 40);
    }
    void CursorInLink()
    {
        POINT pt = {1, 1};
        ClientToScreen(link, &pt);
        SetCursorPos(pt.x, pt.y);
    }
    void Notify(UINT code)
    {
        NMHDR header = {link, IDC_LINK, code};
        SendMessageA(link, WM_NOTIFY, IDC_LINK, (LPARAM)&header);
    }
    // Puts the link into a state and lets it paint.
    void Show(bool hot, bool pressed)
    {
        CursorInLink();
        Notify(hot ? LLN_MOUSEHOVER : LLN_MOUSELEAVE);
        ASSERT_EQ(hot ? 1u : 0u, (UINT_PTR)GetPropA(link, "LLPROP_CONTROLSTATE"));
        if (pressed) {
            SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            ASSERT_EQ(link, GetCapture());
        }
        ParkCursor();
        Repaint();
    }
    void Repaint()
    {
        InvalidateRect(link, nullptr, FALSE);
        UpdateWindow(link);
        PumpMessages(200);
    }
    HWND dlg = nullptr;
    HWND link = nullptr;
};

struct PaintCase {
    const char* name;
    bool hot, pressed;
    COLORREF text, otherText;
    bool frame;
    const char* shot;
};

const PaintCase PAINT_CASES[] = {
    {"cold", false, false, BLUE, RED, false, "link-cold.bmp"},
    {"hot", true, false, RED, BLUE, false, "link-hot.bmp"},
    {"hot_pressed", true, true, RED, BLUE, true, "link-hot-pressed.bmp"},
    {"cold_pressed", false, true, BLUE, RED, false, "link-cold-pressed.bmp"},
};

void PrintTo(const PaintCase& c, std::ostream* os)
{
    *os << c.name;
}

class LinkLabelPaint : public LinkLabelScreen, public testing::WithParamInterface<PaintCase> {};

// The frame lies on the client edges; only the parts the text cannot cover
// are checked.
TEST_P(LinkLabelPaint, ColoursAndFrameFollowTheState)
{
    const PaintCase& c = GetParam();
    Show(c.hot, c.pressed);
    ASSERT_TRUE(SaveWindowBitmap(dlg, ShotPath(c.shot)));
    const ScreenPixels p = CaptureClient(link);
    ASSERT_GT(p.width, 2);
    ASSERT_GT(p.height, 2);
    EXPECT_GT(CountColour(p, c.text), 0u);
    EXPECT_EQ(0u, CountColour(p, c.otherText));

    const SIZE text = TextExtent(link);
    ASSERT_LT(text.cx, p.width);
    ASSERT_LT(text.cy, p.height);
    size_t edge = 0, grey = 0;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const bool onEdge = x == 0 || y == 0 || x == p.width - 1 || y == p.height - 1;
            if (!onEdge || (x < text.cx + 2 && y < text.cy + 2)) {
                continue;
            }
            ++edge;
            grey += p.At(x, y) == FRAME_GREY;
        }
    }
    ASSERT_GT(edge, 0u);
    EXPECT_EQ(c.frame ? edge : 0u, grey);
}

std::string CaseName(const testing::TestParamInfo<PaintCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(States, LinkLabelPaint, testing::ValuesIn(PAINT_CASES), CaseName);

// A centred static draws its text in the middle; the link draws it from the
// top-left corner all the same (the underline starts right at the origin).
TEST_F(LinkLabelScreen, TextStartsAtTheCornerEvenWhenCentred)
{
    Show(false, false);
    HWND plain = GetDlgItem(dlg, IDC_PLAIN);
    const ScreenPixels linkPixels = CaptureClient(link);
    const ScreenPixels plainPixels = CaptureClient(plain);
    const SIZE text = TextExtent(link);
    const int centredLeft = (linkPixels.width - text.cx) / 2;
    ASSERT_GT(centredLeft, 10) << "the control is too narrow to tell";
    const int plainLeft = LeftmostInk(plainPixels);
    EXPECT_GE(plainLeft, centredLeft - 2) << "the plain static is not centred";
    EXPECT_EQ(0, LeftmostInk(linkPixels));
}

// A changed text shows at the next paint.
TEST_F(LinkLabelScreen, TextIsReadAtEveryPaint)
{
    Show(false, false);
    const size_t before = CountColour(CaptureClient(link), BLUE);
    SetWindowTextA(link, "S");
    Repaint();
    const size_t after = CountColour(CaptureClient(link), BLUE);
    EXPECT_GT(after, 0u);
    EXPECT_LT(after, before);
}

// The whole loop with the real mouse: the hit test lets the mouse reach the
// link, the parent reflects the hover, the link turns red; once the cursor has
// gone the leave timer reports it and the link turns blue again.
TEST_F(LinkLabelScreen, RealMouseLightsAndDimsTheLink)
{
    g_reflect = true;
    CursorInLink();
    ASSERT_TRUE(PumpUntil([&] { return GetPropA(link, "LLPROP_CONTROLSTATE") != nullptr; }))
        << "the mouse never reached the link";
    Repaint();
    EXPECT_GT(CountColour(CaptureClient(link), RED), 0u);
    ASSERT_TRUE(SaveWindowBitmap(dlg, ShotPath("link-mouse-hot.bmp")));

    ParkCursor();
    ASSERT_TRUE(PumpUntil([&] { return GetPropA(link, "LLPROP_CONTROLSTATE") == nullptr; }))
        << "the leave was never noticed";
    EXPECT_FALSE(KillTimer(link, 1));
    Repaint();
    const ScreenPixels p = CaptureClient(link);
    EXPECT_GT(CountColour(p, BLUE), 0u);
    EXPECT_EQ(0u, CountColour(p, RED));
}

}  // namespace
