#include "app/clash_dialog.h"

#include "about/dialog_template.h"
#include "base/mem.h"
#include "resource.h"
#include "ui/message_box.h"

namespace {

// No owner, no icon, the message font: it reads and sits as a message box
// does, which a run of one item shows in its place.
const uint32_t DIALOG_STYLE = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
// A path has no prefix character, and may be broken anywhere.
const uint32_t TEXT_STYLE = WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL;
const uint32_t BUTTON_STYLE = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
const uint32_t DEFAULT_STYLE = WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON;
const uint32_t CHECK_STYLE = WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX;

const int TEXT_ID = 0xFFFF;  // as in a message box

#define ITEM(text, style, id)                                                         \
    {                                                                                 \
        DLG_CLASS_BUTTON, reinterpret_cast<uintptr_t>(text), style, 0, 0, 0, 1, 1, id \
    }

// The text first, then the buttons in their order, the default first, then
// the box to tick: the tab order.
const DialogItemSpec QUESTION_ITEMS[] = {
    {DLG_CLASS_STATIC, 0, TEXT_STYLE, 0, 0, 0, 1, 1, TEXT_ID},
    ITEM(u"はい(&Y)", DEFAULT_STYLE, IDYES),
    ITEM(u"いいえ(&N)", BUTTON_STYLE, IDNO),
    ITEM(u"両方残す(&K)", BUTTON_STYLE, IDC_CLASH_KEEP_BOTH),
    ITEM(u"キャンセル", BUTTON_STYLE, IDCANCEL),
    ITEM(u"残りの項目にも同じ答えを使う(&A)", CHECK_STYLE, IDC_CLASH_FOR_REST),
};
const DialogItemSpec ERROR_ITEMS[] = {
    QUESTION_ITEMS[0],
    ITEM(u"OK", DEFAULT_STYLE, IDOK),
    QUESTION_ITEMS[5],
};
const int QUESTION_BUTTONS = 4;
const int ERROR_BUTTONS = 1;

struct ClashDialog {
    const PathMessage* message;
    bool question;
    bool offerRest;
    bool forRest;
    HFONT font;
};

// Dialog units of the message font, as a message box measures them.
struct Units {
    int x;  // width of 4 units
    int y;  // height of 8 units
};

int Across(const Units& u, int n)
{
    return MulDiv(n, u.x, 4);
}

int Down(const Units& u, int n)
{
    return MulDiv(n, u.y, 8);
}

SIZE TextSize(HDC dc, HWND control, UINT format, int width)
{
    wchar_t text[1024];
    GetWindowTextW(control, text, sizeof text / sizeof text[0]);
    RECT r = {0, 0, width, 0};
    DrawTextW(dc, text, -1, &r, DT_CALCRECT | format);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void Place(HWND control, int x, int y, int cx, int cy)
{
    SetWindowPos(control, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The text on top, the box to tick under it, the buttons centred below,
// all in the message font; the whole centred on the monitor in use.
void Lay(HWND dialog, const ClashDialog* data)
{
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, data->font);
    SIZE letters;
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &letters);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const Units u = {(letters.cx / 26 + 1) / 2, metrics.tmHeight};

    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(GetForegroundWindow(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;

    HWND text = GetDlgItem(dialog, TEXT_ID);
    const SIZE textSize = TextSize(dc, text, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX,
                                   (area.right - area.left) * 3 / 5);
    const int buttons = data->question ? QUESTION_BUTTONS : ERROR_BUTTONS;
    int buttonWidth = Across(u, 50);
    const DialogItemSpec* items = data->question ? QUESTION_ITEMS : ERROR_ITEMS;
    for (int i = 1; i <= buttons; ++i) {
        HWND button = GetDlgItem(dialog, items[i].id);
        const int wide = TextSize(dc, button, DT_SINGLELINE, 0).cx + Across(u, 8);
        buttonWidth = wide > buttonWidth ? wide : buttonWidth;
    }
    HWND check = GetDlgItem(dialog, IDC_CLASH_FOR_REST);
    const SIZE checkSize = {
        TextSize(dc, check, DT_SINGLELINE, 0).cx + GetSystemMetrics(SM_CXMENUCHECK) + Across(u, 6),
        Down(u, 10)};
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);

    const int margin = Across(u, 7);
    const int gap = Across(u, 4);
    const int buttonHeight = Down(u, 14);
    const int row = buttons * buttonWidth + (buttons - 1) * gap;
    int inner = textSize.cx > row ? textSize.cx : row;
    if (data->offerRest && checkSize.cx > inner) {
        inner = checkSize.cx;
    }
    int y = Down(u, 7);
    Place(text, margin, y, textSize.cx, textSize.cy);
    y += textSize.cy + Down(u, 7);
    if (data->offerRest) {
        Place(check, margin, y, checkSize.cx, checkSize.cy);
        ShowWindow(check, SW_SHOWNA);
        y += checkSize.cy + Down(u, 7);
    }
    int x = margin + (inner - row) / 2;
    for (int i = 1; i <= buttons; ++i) {
        HWND button = GetDlgItem(dialog, items[i].id);
        Place(button, x, y, buttonWidth, buttonHeight);
        x += buttonWidth + gap;
    }
    RECT frame = {0, 0, inner + 2 * margin, y + buttonHeight + Down(u, 7)};
    AdjustWindowRectEx(&frame, GetWindowLongW(dialog, GWL_STYLE), FALSE,
                       GetWindowLongW(dialog, GWL_EXSTYLE));
    const int cx = frame.right - frame.left;
    const int cy = frame.bottom - frame.top;
    SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - cx) / 2,
                 area.top + (area.bottom - area.top - cy) / 2, cx, cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CALLBACK SetFont(HWND child, LPARAM font)
{
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

INT_PTR OnInitDialog(HWND dialog, ClashDialog* data)
{
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(data));
    SetWindowTextW(dialog, data->message->caption);
    SetDlgItemTextW(dialog, TEXT_ID, data->message->text);
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        data->font = CreateFontIndirectW(&metrics.lfMessageFont);
    }
    if (!data->font) {
        data->font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    EnumChildWindows(dialog, SetFont, reinterpret_cast<LPARAM>(data->font));
    Lay(dialog, data);
    // As in a message box: the default button has the focus, Enter presses it.
    SetFocus(GetDlgItem(dialog, data->question ? IDYES : IDOK));
    return FALSE;
}

INT_PTR CALLBACK ClashProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        return OnInitDialog(dialog, reinterpret_cast<ClashDialog*>(lParam));
    }
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) {
        return FALSE;
    }
    ClashDialog* data = reinterpret_cast<ClashDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    int id = LOWORD(wParam);
    if (id == IDC_CLASH_FOR_REST) {
        return TRUE;
    }
    // Esc and the close box: キャンセル, or OK where that is the only answer.
    if (id == IDCANCEL && !data->question) {
        id = IDOK;
    }
    data->forRest = IsDlgButtonChecked(dialog, IDC_CLASH_FOR_REST) == BST_CHECKED;
    EndDialog(dialog, id);
    return TRUE;
}

}  // namespace

int AskClash(const char* caption, const char* format, const wchar_t* first, const wchar_t* second,
             bool question, bool offerRest, bool* forRest)
{
    PathMessage message;
    FormatPathMessage(caption, format, first, second, &message);
    const DialogItemSpec* items = question ? QUESTION_ITEMS : ERROR_ITEMS;
    const DialogHeaderSpec header = {
        DIALOG_STYLE,
        0,
        static_cast<uint16_t>(question ? sizeof QUESTION_ITEMS / sizeof QUESTION_ITEMS[0]
                                       : sizeof ERROR_ITEMS / sizeof ERROR_ITEMS[0]),
        0,
        0,
        100,
        50,
        0,
        nullptr,
        0,
        nullptr,
        0};
    void* dialogTemplate = BuildDialogTemplate(&header, items);
    if (!dialogTemplate) {
        return -1;
    }
    ClashDialog data = {&message, question, offerRest, false, nullptr};
    const INT_PTR id = DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                               static_cast<LPCDLGTEMPLATEW>(dialogTemplate),
                                               nullptr, ClashProc, reinterpret_cast<LPARAM>(&data));
    MemFree(dialogTemplate);
    if (data.font && data.font != GetStockObject(DEFAULT_GUI_FONT)) {
        DeleteObject(data.font);
    }
    *forRest = data.forRest;
    return static_cast<int>(id);
}
